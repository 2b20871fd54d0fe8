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
#include <string>

#include "tools/pelvok-train/trainer.h"

namespace {

const char* const kUsage =
    "usage: pelvok-train TEXT... [--words LIST] --out FILE.dic\n"
    "  TEXT   running text, UTF-8 or Windows-1252, one paragraph a line\n"
    "  LIST   ranked word list, one word a line, most frequent first\n";

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
    pelvok_train::TrainOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--out" || arg == "--words") && i + 1 < argc) {
            (arg == "--out" ? options.output : options.wordList) = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg.rfind("--", 0) == 0) {
            std::cerr << "pelvok-train: unknown option " << arg << "\n" << kUsage;
            return 2;
        } else {
            options.texts.push_back(arg);
        }
    }
    if (options.texts.empty() || options.output.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    ProgressBar bar;
    if (isatty(STDERR_FILENO)) options.progress = std::ref(bar);
    try {
        const pelvok_train::TrainResult result = pelvok_train::Train(options);
        std::cout << "pelvok-train: " << options.output << ": " << result.words << " words and "
                  << result.pairs << " pairs, from " << result.textWords << " words of text in "
                  << result.paragraphs << " paragraphs";
        if (!options.wordList.empty()) std::cout << " and " << result.seeded << " listed words";
        std::cout << "\npelvok-train: " << result.dropped
                  << " characters dropped (not in Windows-1252), " << result.untypeable
                  << " left out or replaced (not typed so on the keyboard)\n";
    } catch (const pelvok_train::TrainError& failure) {
        std::cerr << "pelvok-train: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
