// pelvok-ksr TEXT [--dictionary FILE.dic] [--paragraphs N] [--no-baseline]
//            [--no-repeat] [--scanning]
//
// Types the text on the real keyboard, on a simulated desktop, as a user who
// takes a suggestion as soon as it shows the word being typed, the keyboard
// learning as it goes (into a copy of the dictionary; none: an empty one).
// Checks that the target application received exactly the text, and prints
// the clicks per character, the clicks saved against the same keyboard with
// empty suggestion keys (not with --no-baseline, which leaves that run out),
// the keystroke savings rate as word-prediction research counts it, the
// share of words completed from a suggestion, the share of the suggestions
// shown that were taken, and the rows of the dictionary that no typing
// should learn, before and after. --no-repeat turns on the setting that
// shows no word twice within a word. With --scanning, also the switch
// presses and the frame's steps per character that switch scanning costs,
// for each order of the rows.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "dictionary/statements.h"
#include "tools/pelvok-ksr/scan_cost.h"
#include "tools/toolbox/command_line.h"
#include "tools/toolbox/files.h"
#include "tools/toolbox/temp_folder.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace fs = std::filesystem;

namespace {

struct NamedOrder {
    const char* name;
    scan_order::Order order;
};
constexpr NamedOrder kOrders[] = {
    {"rows top to bottom", scan_order::Order::TopDown},
    {"rows with most letters first", scan_order::Order::LettersFirst},
};
constexpr std::size_t kOrderCount = sizeof kOrders / sizeof kOrders[0];
using ScanCosts = std::array<ksr::ScanCost, kOrderCount>;

typist::TypingCounts typeAll(const std::vector<std::string>& paragraphs,
                             const std::string& dictionary, bool takeSuggestions, bool noRepeat,
                             ScanCosts* scanning) {
    typist::KeyboardSession session(dictionary, typist::KeyboardSession::Indexes::Ensure, false);
    session.keyboard().noRepeatedSuggestions = noRepeat;
    typist::Typist typist(session, takeSuggestions);
    if (scanning) {
        typist.beforeEachKey([&](const Key& key) {
            for (std::size_t i = 0; i < kOrderCount; ++i)
                ksr::addKey((*scanning)[i], session.layout(), key, kOrders[i].order);
        });
    }
    std::size_t done = 0;
    for (const std::string& p : paragraphs) {
        typist.typeParagraph(p);
        if (isatty(STDERR_FILENO) && ++done % 20 == 0)
            std::fprintf(stderr, "\r%s %zu/%zu", takeSuggestions ? "with suggestions" : "without",
                         done, paragraphs.size());
    }
    if (isatty(STDERR_FILENO)) std::fprintf(stderr, "\r%40s\r", "");
    return typist.counts();
}

int junkRows(const std::string& dictionary) {
    SqliteDatabase db;
    db.open(dictionary);
    return db.queryInt(statements::CountJunkRows());
}

double share(std::size_t part, std::size_t whole) {
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

double perCharacter(std::size_t count, std::size_t characters) {
    return characters ? static_cast<double>(count) / static_cast<double>(characters) : 0.0;
}

// Without the baseline only the rows with suggestions taken were counted.
void printScanning(const ScanCosts& with, const ScanCosts& without, bool baseline,
                   std::size_t characters) {
    std::printf(
        "\nswitch scanning, per character (a step is one scan interval with one switch,\n"
        "one press of the move switch with two):\n");
    std::printf("| order | suggestions | presses | steps | two switches: all presses |\n");
    std::printf("|---|---|---|---|---|\n");
    for (std::size_t i = 0; i < kOrderCount; ++i) {
        for (const bool suggestions : {true, false}) {
            if (!suggestions && !baseline) continue;
            const ksr::ScanCost& cost = suggestions ? with[i] : without[i];
            const double presses = perCharacter(cost.presses, characters);
            const double steps = perCharacter(cost.steps, characters);
            std::printf("| %s | %s | %.3f | %.3f | %.3f |\n", kOrders[i].name,
                        suggestions ? "taken" : "empty", presses, steps, steps + presses);
        }
    }
}

struct Options {
    bool baseline = true;
    bool noRepeat = false;
    bool scanning = false;
};

int measure(const std::string& textPath, const std::string& dictionary, long long limit,
            const Options& options) {
    const bool scanning = options.scanning;
    const toolbox::DecodedText decoded = toolbox::readTextFile(textPath);
    typist::TypeableText text = typist::MakeTypeable(decoded.text);
    if (limit >= 0 && static_cast<std::size_t>(limit) < text.paragraphs.size())
        text.paragraphs.resize(static_cast<std::size_t>(limit));
    if (text.empty()) throw toolbox::ToolError(textPath + " holds nothing the keyboard types");
    if (!dictionary.empty() && !fs::is_regular_file(dictionary))
        throw toolbox::ToolError("no dictionary " + dictionary);

    // The keyboard learns into copies, in a folder of its own.
    const toolbox::TempFolder folder("pelvok-ksr");
    const std::string learning = folder.file("ksr.dic");
    if (!dictionary.empty()) fs::copy_file(dictionary, learning);
    typist::TypingCounts with;
    typist::TypingCounts without;
    ScanCosts scanWith{};
    ScanCosts scanWithout{};
    try {
        with = typeAll(text.paragraphs, learning, true, options.noRepeat,
                       scanning ? &scanWith : nullptr);
        if (options.baseline)
            without = typeAll(text.paragraphs, folder.file("vacio.dic"), false, false,
                              scanning ? &scanWithout : nullptr);
    } catch (const typist::TypingError& failure) {
        throw toolbox::ToolError(std::string("the target did not receive the text: ") +
                                 failure.what());
    }

    std::printf("pelvok-ksr: %s: %zu paragraphs, %zu characters, %zu words; dictionary %s\n",
                textPath.c_str(), text.paragraphs.size(), with.characters, with.words,
                dictionary.empty() ? "empty" : dictionary.c_str());
    std::printf(
        "target received exactly the text: yes (%zu characters left out or replaced "
        "as the keyboard types them)\n",
        text.removed + text.replaced + decoded.dropped);
    if (options.baseline) {
        std::printf("clicks per character: %.3f (with empty suggestion keys: %.3f)\n",
                    perCharacter(with.clicks, with.characters),
                    perCharacter(without.clicks, without.characters));
        std::printf("clicks saved: %.1f%% (%zu clicks instead of %zu)\n",
                    100.0 - share(with.clicks, without.clicks), with.clicks, without.clicks);
    } else {
        std::printf("clicks per character: %.3f\n", perCharacter(with.clicks, with.characters));
    }
    std::printf(
        "keystroke savings rate: %.1f%% (%zu of %zu keystrokes: characters of the words and "
        "a space after each)\n",
        share(with.charactersSaved, with.wordKeystrokes), with.charactersSaved,
        with.wordKeystrokes);
    std::printf("words completed from a suggestion: %.1f%%\n",
                share(with.wordsFromSuggestions, with.words));
    std::printf("suggestions taken of those shown: %.2f%% (%zu of %zu)\n",
                share(with.suggestionsTaken, with.suggestionsShown), with.suggestionsTaken,
                with.suggestionsShown);
    std::printf("junk rows: %d in the dictionary, %d after typing the text\n",
                dictionary.empty() ? 0 : junkRows(dictionary), junkRows(learning));
    if (scanning) printScanning(scanWith, scanWithout, options.baseline, with.characters);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    toolbox::CommandLine line("pelvok-ksr",
                              "Types TEXT (UTF-8 or Windows-1252, one paragraph a line) on the\n"
                              "keyboard and prints the clicks and the keystroke savings.",
                              "TEXT", 1, 1);
    line.option("dictionary", "FILE.dic",
                "the dictionary to start from (not changed); none: an empty one")
        .option("paragraphs", "N", "type only the first N paragraphs")
        .flag("no-baseline", "leave out the run with empty suggestion keys")
        .flag("no-repeat", "show no word twice within a word (the keyboard's setting)")
        .flag("scanning", "also count the switch presses and scan steps per character");
    return toolbox::runTool(line, argc, argv, [&] {
        Options options;
        options.baseline = !line.isSet("no-baseline");
        options.noRepeat = line.isSet("no-repeat");
        options.scanning = line.isSet("scanning");
        return measure(line.operands()[0], line.text("dictionary"),
                       line.number("paragraphs", 1, std::numeric_limits<long long>::max(), -1),
                       options);
    });
}
