// The typist on the real keyboard: the target receives exactly the text, and
// neither the dictionary's indexes nor counts that stop at six change any
// suggestion after any key.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/statements.h"
#include "model/key_codes.h"
#include "tests/tools/tool_files.h"
#include "tools/toolbox/text_codec.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace {

using tools_test::TempFolder;
using Indexes = typist::KeyboardSession::Indexes;

// Windows-1252; every way of reaching a character once at least.
const std::vector<std::string> kParagraphs = {
    "\xBFQu\xE9 es la ONU? \xC1"
    "frica y \xC9l dijeron: 1,5 kg... no.",
    "La NASA, el 3.14 y l'home; anti-a\xE9reo \xA1ya! ping\xFCino ma\xEEtre \xE0 la "
    "ESPA\xD1"
    "A (50%) [x] {y} <z> #1 @a \\b /c $2 \x80"
    "3 =4 +5 *6 ~7 |8 \xAA\xBA \xAC \xB7 \"fin\"",
    "",
    "la casa, la casa, la casa grande. la casa de la casa.",
};

TEST(Typist, TheTargetReceivesExactlyTheText) {
    for (bool suggestions : {false, true}) {
        TempFolder folder;
        typist::KeyboardSession session(folder.file("d.dic"), Indexes::Ensure, false);
        session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
        typist::Typist typist(session, suggestions);
        for (const std::string& p : kParagraphs) ASSERT_NO_THROW(typist.typeParagraph(p)) << p;
        const typist::TypingCounts& counts = typist.counts();
        std::size_t characters = 0;
        for (const std::string& p : kParagraphs) characters += p.size() + 1;
        EXPECT_EQ(counts.characters, characters);
        if (suggestions) {
            // "casa" repeated: the keyboard learned it and offered it.
            EXPECT_GT(counts.suggestionsTaken, 0u);
            EXPECT_EQ(counts.wordsFromSuggestions, counts.suggestionsTaken);
        } else {
            EXPECT_GT(counts.clicks, characters);
            EXPECT_EQ(counts.suggestionsTaken, 0u);
        }
    }
}

// The typist watches the echo: after a chosen suggestion the keyboard takes
// its space back before these marks, so no Backspace comes before them. The
// savings rate counts the words split at blanks and ASCII punctuation, with
// the inverted question mark and digits in the word.
TEST(Typist, TypesMarksAfterASuggestionWithoutBackspaceAndCountsWordsAsResearchDoes) {
    TempFolder folder;
    typist::KeyboardSession session(folder.file("d.dic"), Indexes::Ensure, false);
    session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
    typist::Typist typist(session, true);
    int backspaces = 0;
    typist.beforeEachKey([&](const Key& key) {
        if (key.isDirect() && key.getVirtualKey() == direct::kBackspace) ++backspaces;
    });
    typist.typeParagraph("casa gato");
    const typist::TypingCounts first = typist.counts();
    EXPECT_EQ(first.wordKeystrokes, 10u);
    EXPECT_EQ(first.charactersSaved, 0u) << "nothing learned yet";
    typist.typeParagraph("casa, gato. casa: gato; casa-gato casa'");
    EXPECT_EQ(backspaces, 0);
    const typist::TypingCounts counts = typist.counts();
    EXPECT_GE(counts.suggestionsTaken, 5u);
    EXPECT_EQ(counts.wordKeystrokes, first.wordKeystrokes + 7 * 5);
    EXPECT_GT(counts.charactersSaved, counts.suggestionsTaken);

    typist.typeParagraph("\xBFQu\xE9 tal, 3x?");
    EXPECT_EQ(typist.counts().wordKeystrokes, counts.wordKeystrokes + 5 + 4 + 3);
}

// The evaluation text and the starter dictionary that set-up makes, or, when
// they are missing, the paragraphs above and an empty dictionary.
// PELVOK_EVAL_PARAGRAPHS sets how many paragraphs are typed ("all" for the
// whole text), and PELVOK_EVAL_DICTIONARY=empty starts from an empty
// dictionary instead of the starter one (the keyboard learns as it goes).
// Types the text twice, on copies of the dictionary, with `setUp` run for
// each, and compares the line and the six keys after every key.
void compareAfterEveryKey(const std::function<void(bool second, typist::KeyboardSession&)>& setUp,
                          Indexes secondIndexes) {
    const std::string starter = PELVOK_SOURCE_DIR "/deps/starter/";
    std::vector<std::string> paragraphs = kParagraphs;
    const bool haveText = std::filesystem::exists(starter + "eval.txt");
    const char* startFrom = std::getenv("PELVOK_EVAL_DICTIONARY");
    const bool haveStarter = haveText && std::filesystem::exists(starter + "default.dic") &&
                             !(startFrom && std::string(startFrom) == "empty");
    if (haveText) {
        const auto text = toolbox::decodeText(tools_test::readBytes(starter + "eval.txt"));
        paragraphs = typist::MakeTypeable(text->text).paragraphs;
    }
    std::size_t limit = 8;
    if (const char* wanted = std::getenv("PELVOK_EVAL_PARAGRAPHS"))
        limit =
            std::string(wanted) == "all" ? paragraphs.size() : std::strtoul(wanted, nullptr, 10);
    if (limit < paragraphs.size()) paragraphs.resize(limit);

    TempFolder folder;
    auto run = [&](bool second) {
        const std::string file = folder.file(second ? "b.dic" : "a.dic");
        if (haveStarter) std::filesystem::copy_file(starter + "default.dic", file);
        typist::KeyboardSession session(file, second ? secondIndexes : Indexes::Ensure, false);
        session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
        setUp(second, session);
        typist::Typist typist(session, true);
        std::vector<std::string> shown;
        typist.afterEachKey([&] {
            std::string state = session.keyboard().textLine;
            for (const std::string& s : session.keyboard().suggestions) state += "|" + s;
            shown.push_back(state);
        });
        for (const std::string& p : paragraphs) typist.typeParagraph(p);
        return shown;
    };
    const std::vector<std::string> first = run(false);
    const std::vector<std::string> second = run(true);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t key = 0; key < first.size(); ++key)
        ASSERT_EQ(toolbox::utf8ForMessages(first[key]), toolbox::utf8ForMessages(second[key]))
            << "after key " << key;
    std::printf("compared the suggestions after %zu keys of %zu paragraphs\n", first.size(),
                paragraphs.size());
}

TEST(Typist, IndexesChangeNoSuggestionAfterAnyKey) {
    compareAfterEveryKey([](bool, typist::KeyboardSession&) {}, Indexes::Drop);
}

TEST(Typist, CountsStoppingAtSixChangeNoSuggestionAfterAnyKey) {
    compareAfterEveryKey(
        [](bool second, typist::KeyboardSession&) { statements::CapCounts(!second); },
        Indexes::Ensure);
    statements::CapCounts(true);
}

}  // namespace
