// pelvok-train TEXT... [--words LIST] --out FILE.dic
//
// Learns running text into a dictionary: the words and pairs, with their
// counts, that typing the text on the keyboard would learn. Texts are UTF-8
// or Windows-1252, one paragraph a line. LIST is a ranked word list, one word
// a line, most frequent first, that seeds word counts.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <limits>
#include <string>

#include "tools/pelvok-train/trainer.h"
#include "tools/toolbox/command_line.h"

namespace {

// A bar on the terminal, redrawn at most ten times a second.
class ProgressBar {
public:
    void operator()(std::size_t done, std::size_t total) {
        const auto now = std::chrono::steady_clock::now();
        if (done < total && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        const int width = 40;
        const int filled = total ? static_cast<int>(width * done / total) : width;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(),
                     total ? static_cast<int>(100 * done / total) : 100);
        if (done >= total) std::fputc('\n', stderr);
        std::fflush(stderr);
    }

private:
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace

int main(int argc, char** argv) {
    toolbox::CommandLine line("pelvok-train",
                              "Learns running text (TEXT: UTF-8 or Windows-1252, one paragraph a\n"
                              "line) into a dictionary, as typing it on the keyboard would.",
                              "TEXT...", 1, std::numeric_limits<std::size_t>::max());
    line.option("words", "LIST", "ranked word list, one word a line, most frequent first")
        .option("out", "FILE.dic", "the dictionary to write (replaced)");
    return toolbox::runTool(line, argc, argv, [&] {
        pelvok_train::TrainOptions options;
        options.texts = line.operands();
        options.wordList = line.text("words");
        options.output = line.required("out");
        ProgressBar bar;
        if (isatty(STDERR_FILENO)) options.progress = std::ref(bar);
        const pelvok_train::TrainResult result = pelvok_train::Train(options);
        std::cout << "pelvok-train: " << options.output << ": " << result.words << " words and "
                  << result.pairs << " pairs, from " << result.textWords << " words of text in "
                  << result.paragraphs << " paragraphs";
        if (!options.wordList.empty())
            std::cout << " and " << result.seeded << " listed words (counts " << result.seeds.scale
                      << " / rank^" << result.seeds.exponent << ")";
        std::cout << "; " << result.beforeColons << " words before ':' and ';' learned";
        std::cout << "\npelvok-train: " << result.dropped
                  << " characters dropped (not in Windows-1252), " << result.untypeable
                  << " left out or replaced (not typed so on the keyboard)\n";
        return 0;
    });
}
