// pelvok-ksr TEXT [--dictionary FILE.dic] [--paragraphs N]
//
// Types the text on the real keyboard, on a simulated desktop, as a user who
// takes a suggestion as soon as it shows the word being typed, the keyboard
// learning as it goes (into a copy of the dictionary; none: an empty one).
// Checks that the target application received exactly the text, and prints
// the clicks per character, the keystroke savings against the same keyboard
// with empty suggestion keys, the share of words completed from a
// suggestion and the share of the suggestions shown that were taken.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "dictionary/SqliteException.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/text_encoding.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: pelvok-ksr TEXT [--dictionary FILE.dic] [--paragraphs N]\n"
    "  TEXT        UTF-8 or Windows-1252, one paragraph a line\n"
    "  FILE.dic    the dictionary to start from (not changed); none: an empty one\n"
    "  N           type only the first N paragraphs\n";

typist::TypingCounts typeAll(const std::vector<std::string>& paragraphs,
                             const std::string& dictionary, bool takeSuggestions) {
    typist::KeyboardSession session(dictionary, typist::KeyboardSession::Indexes::Ensure, false);
    typist::Typist typist(session, takeSuggestions);
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

double share(std::size_t part, std::size_t whole) {
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string textPath, dictionary;
    long limit = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dictionary" && i + 1 < argc) {
            dictionary = argv[++i];
        } else if (arg == "--paragraphs" && i + 1 < argc) {
            limit = std::atol(argv[++i]);
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg.rfind("--", 0) != 0 && textPath.empty()) {
            textPath = arg;
        } else {
            std::cerr << "pelvok-ksr: unexpected " << arg << "\n" << kUsage;
            return 2;
        }
    }
    if (textPath.empty()) {
        std::cerr << kUsage;
        return 2;
    }

    std::ifstream in(textPath, std::ios::binary);
    if (!in) {
        std::cerr << "pelvok-ksr: cannot read " << textPath << "\n";
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<typist::DecodedText> decoded = typist::DecodeText(bytes);
    if (!decoded) {
        std::cerr << "pelvok-ksr: " << textPath << " is not a text file\n";
        return 1;
    }
    typist::TypeableText text = typist::MakeTypeable(decoded->text);
    if (limit >= 0 && static_cast<std::size_t>(limit) < text.paragraphs.size())
        text.paragraphs.resize(static_cast<std::size_t>(limit));

    // The keyboard learns into copies, in a folder of its own.
    std::string folder = (fs::temp_directory_path() / "pelvok-ksr-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::cerr << "pelvok-ksr: cannot make a temporary folder\n";
        return 1;
    }
    struct Remove {
        std::string path;
        ~Remove() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } remove{folder};
    const std::string learning = folder + "/ksr.dic";
    const std::string empty = folder + "/vacio.dic";
    try {
        if (!dictionary.empty()) {
            if (!fs::is_regular_file(dictionary)) {
                std::cerr << "pelvok-ksr: no dictionary " << dictionary << "\n";
                return 1;
            }
            fs::copy_file(dictionary, learning);
        }
        const typist::TypingCounts with = typeAll(text.paragraphs, learning, true);
        const typist::TypingCounts without = typeAll(text.paragraphs, empty, false);

        std::printf("pelvok-ksr: %s: %zu paragraphs, %zu characters, %zu words; dictionary %s\n",
                    textPath.c_str(), text.paragraphs.size(), with.characters, with.words,
                    dictionary.empty() ? "empty" : dictionary.c_str());
        std::printf(
            "target received exactly the text: yes (%zu characters left out or replaced "
            "as the keyboard types them)\n",
            text.removed + text.replaced + decoded->dropped);
        std::printf("clicks per character: %.3f (with empty suggestion keys: %.3f)\n",
                    static_cast<double>(with.clicks) / static_cast<double>(with.characters),
                    static_cast<double>(without.clicks) / static_cast<double>(without.characters));
        std::printf("keystroke savings: %.1f%% (%zu clicks instead of %zu)\n",
                    100.0 - share(with.clicks, without.clicks), with.clicks, without.clicks);
        std::printf("words completed from a suggestion: %.1f%%\n",
                    share(with.wordsFromSuggestions, with.words));
        std::printf("suggestions taken of those shown: %.2f%% (%zu of %zu)\n",
                    share(with.suggestionsTaken, with.suggestionsShown), with.suggestionsTaken,
                    with.suggestionsShown);
    } catch (const typist::TypingError& failure) {
        std::cerr << "pelvok-ksr: the target did not receive the text: " << failure.what() << "\n";
        return 1;
    } catch (const std::exception& failure) {
        std::cerr << "pelvok-ksr: " << failure.what() << "\n";
        return 1;
    } catch (const SqliteException& failure) {
        std::cerr << "pelvok-ksr: dictionary failure: "
                  << (failure.message() ? failure.message() : "unknown") << "\n";
        return 1;
    }
    return 0;
}
