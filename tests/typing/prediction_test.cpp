// Prediction and learning: what typing teaches the dictionary and what the
// six suggestion keys then offer, on the real window and dictionary file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_codes.h"
#include "tests/typing/typing_fixture.h"

namespace {

using typing_test::control;
using typing_test::learnPair;
using typing_test::learnWord;
using typing_test::plain;
using typing_test::Rows;
using typing_test::Slots;
using typing_test::standardWords;
using typing_test::TypingTest;

using PredictionTest = TypingTest;

// One step of a scenario: the text typed (Enter written as '\n', End as '|'), the keys
// then shown, and the rows of each table that the step added or changed.
struct Step {
    std::string typed;
    Slots suggestions;
    Rows wordsLearned;
    Rows pairsLearned;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

TEST_F(PredictionTest, TypingLearnsFinishedWordsAndRefillsTheKeys) {
    const Scenario scenarios[] = {
        {"sentence starters with a prefix, completed from words; then a word with successors",
         {{"h", {"hoy", "hace", "hola", "hombre", "", ""}, {}, {}},
          // Successors of hola, then the sentence starters up to the first
          // that a key shows already (la).
          {"ola ", {"amigo", "la", "hoy", "", "", ""}, {"hola|hola|4"}, {".|hola|hola|1"}}}},
        {"a word without successors offers the most frequent words",
         {{"mesa ",
           {"hoy", "casa", "hola", "canci\xF3n", "mesa", "cama"},
           {"mesa|mesa|2"},
           {".|mesa|mesa|1"}}}},
        {"a comma learns the word before it, without the comma; a space after it, nothing more",
         {{"la ", {"casa", "cama", "hoy", "la", "hace", ""}, {"la|la|1"}, {".|la|la|3"}},
          {"mesa,",
           {"hoy", "casa", "hola", "canci\xF3n", "mesa", "cama"},
           {"mesa|mesa|2"},
           {"la|mesa|mesa|1"}},
          {" ", {"hoy", "casa", "hola", "canci\xF3n", "mesa", "cama"}, {}, {}}}},
        {"a space at the line start learns no empty word",
         {{" ", {"hoy", "casa", "hola", "canci\xF3n", "cama", "cancion"}, {}, {}}}},
        {"a period after two words learns the pair and offers the sentence starters",
         {{"dice ",
           {"hoy", "casa", "hola", "canci\xF3n", "cama", "cancion"},
           {"dice|dice|1"},
           {".|dice|dice|1"}},
          {"hola.", {"hoy", "la", "dice", "hace", "", ""}, {"hola|hola|4"}, {"dice|hola|hola|1"}}}},
        {"Enter after one word learns it as a sentence starter",
         {{"hola\n",
           {"hoy", "la", "hace", "hola", "casa", "canci\xF3n"},
           {"hola|hola|4"},
           {".|hola|hola|1"}}}},
        {"Enter after two words learns the pair; the space learned the first as a starter",
         {{"la casa", {"", "", "", "", "", ""}, {"la|la|1"}, {".|la|la|3"}},
          {"\n",
           {"hoy", "la", "hace", "casa", "hola", "canci\xF3n"},
           {"casa|casa|5"},
           {"la|casa|casa|3"}}}},
        {"Enter learns nothing a space or a full stop has learned already",
         {{"hola.", {"hoy", "la", "hace", "hola", "", ""}, {"hola|hola|4"}, {".|hola|hola|1"}},
          {"\n", {"hoy", "la", "hace", "hola", "casa", "canci\xF3n"}, {}, {}},
          {"la ", {"casa", "cama", "hoy", "la", "hace", ""}, {"la|la|1"}, {".|la|la|3"}},
          {"\n", {"hoy", "la", "hace", "hola", "casa", "canci\xF3n"}, {}, {}}}},
        {"Enter learns the first word as a starter when nothing learned it before",
         {{"la-casa\n",
           {"hoy", "la", "hace", "casa", "hola", "canci\xF3n"},
           {"casa|casa|5"},
           {".|la|la|3", "la|casa|casa|3"}}}},
        {"after End the word the caret is in is unknown: not learned, not paired, not completed",
         {{"la ", {"casa", "cama", "hoy", "la", "hace", ""}, {"la|la|1"}, {".|la|la|3"}},
          {"ca", {"casa", "cama", "canci\xF3n", "cancion", "", ""}, {}, {}},
          {"|", {"", "", "", "", "", ""}, {}, {}},
          {"sa ", {"", "", "", "", "", ""}, {}, {}},
          {"mesa ", {"hoy", "casa", "hola", "canci\xF3n", "mesa", "cama"}, {"mesa|mesa|2"}, {}}}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        makeDesktop(pelvok_test::KeyboardHarness::defaultOptions());
        startWith(standardWords);
        for (const Step& step : scenario.steps) {
            SCOPED_TRACE("typing \"" + step.typed + "\"");
            const Rows wordsBefore = words();
            const Rows pairsBefore = pairs();
            for (const char c : step.typed) {
                if (c == '\n') {
                    press(control(direct::kEnter));
                } else if (c == '|') {
                    press(control(direct::kEnd));
                } else {
                    press(plain(static_cast<unsigned char>(c)));
                }
            }
            EXPECT_EQ(window().suggestions, step.suggestions);
            EXPECT_EQ(added(wordsBefore, words()), step.wordsLearned);
            EXPECT_EQ(added(pairsBefore, pairs()), step.pairsLearned);
        }
    }
}

TEST_F(PredictionTest, OnlyRealWordsAndPairsAreLearned) {
    struct Case {
        const char* name;
        std::string typed;  // Enter written as '\n'
        Rows words;         // the tables afterwards, from empty ones
        Rows pairs;
    };
    const Case cases[] = {
        // Not q, qu and que twice, each paired with hola.
        {"the first word of a line before a comma",
         "hola,que ",
         {"hola|hola|1", "que|que|1"},
         {".|hola|hola|1", "hola|que|que|1"}},
        {"the first word of a line before a colon",
         "hola:que ",
         {"hola|hola|1", "que|que|1"},
         {".|hola|hola|1", "hola|que|que|1"}},
        {"the first word of a line before a hyphen",
         "hola-que ",
         {"que|que|1"},
         {"hola|que|que|1"}},
        {"the first word of a line before an apostrophe",
         "hola'que ",
         {"!que|!que|1"},
         {"hola|!que|!que|1"}},
        // Not (holacanción, hola).
        {"a word after a full stop in mid-line",
         "hola canci\xF3n. hola ",
         {"hola|hola|2", "canci\xF3n|cancion|1"},
         {".|hola|hola|2", "hola|canci\xF3n|cancion|1"}},
        // Not (elsocio, -económico); socio, joined by the hyphen, is not finished.
        {"a hyphenated word",
         "el socio-econ\xF3mico ",
         {"el|el|1", "econ\xF3mico|economico|1"},
         {".|el|el|1", "socio|econ\xF3mico|economico|1"}},
        {"a first word of more than 20 letters",
         "anticonstitucionalmente dicho ",
         {"anticonstitucionalmente|anticonstitucionalmente|1", "dicho|dicho|1"},
         {".|anticonstitucionalmente|anticonstitucionalmente|1"}},
        {"a dash between words", "hola - que ", {"hola|hola|1", "que|que|1"}, {".|hola|hola|1"}},
        // (., él) once, and (él, come) by the stored form.
        {"Enter after a line of two words",
         "\xE9l come\n",
         {"\xE9l|el|1", "come|come|1"},
         {".|\xE9l|el|1", "\xE9l|come|come|1"}},
        {"a blank suggestion key", "hola 6", {"hola|hola|1"}, {".|hola|hola|1"}},
        {"extra full stops",
         "dice hola..",
         {"dice|dice|1", "hola|hola|1"},
         {".|dice|dice|1", "dice|hola|hola|1"}},
        {"a full stop after a space", "hola .", {"hola|hola|1"}, {".|hola|hola|1"}},
        {"extra spaces", "hola   ", {"hola|hola|1"}, {".|hola|hola|1"}},
        {"a space at the line start", " ", {}, {}},
        // A dead key's accent typed alone is no letter of a word.
        {"an accent typed alone inside a word", "hola\xB4 e ", {}, {}},
        {"an accent typed alone after a word", "hola \xB4  ", {"hola|hola|1"}, {".|hola|hola|1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeDesktop(pelvok_test::KeyboardHarness::defaultOptions());
        startWith(nullptr);
        for (const char ch : c.typed) {
            if (ch == '\n') {
                press(control(direct::kEnter));
            } else {
                press(plain(static_cast<unsigned char>(ch)));
            }
        }
        EXPECT_EQ(words(), c.words);
        EXPECT_EQ(pairs(), c.pairs);
    }
}

TEST_F(PredictionTest, AtALineStartTheWordIsSearchedWithoutAccentsOrOpeningMarks) {
    struct Case {
        std::string typed;
        Slots suggestions;
    };
    const Case cases[] = {
        {"\xBF"
         "co",
         {"c\xF3mo", "", "", "", "", ""}},
        {"\xA1"
         "ho",
         {"hoy", "hola", "hombre", "", "", ""}},
        {"canci\xF3", {"canci\xF3n", "cancion", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        makeDesktop(pelvok_test::KeyboardHarness::defaultOptions());
        CPelvokDlg& keyboard = startWith([](DictionaryStore& store, SqliteDatabase& database) {
            standardWords(store, database);
            store.LearnPair(".", "como", "c\xF3mo");
        });
        type(c.typed);
        EXPECT_EQ(keyboard.suggestions, c.suggestions);
    }
}

TEST_F(PredictionTest, InsideAWordSuccessorsComeFirstThenOtherWordsWithoutRepeats) {
    CPelvokDlg& keyboard = startWith(standardWords);
    struct Case {
        Slots before;  // the keys as the previous key left them
        Slots after;
    };
    const Case cases[] = {
        // casa and cama follow la; the words beginning with ca that the
        // keys do not show yet come after.
        {{"", "", "", "", "", ""}, {"casa", "cama", "canci\xF3n", "cancion", "", ""}},
        // What a key showed before this key is no duplicate: only the keys
        // already refilled count.
        {{"", "", "canci\xF3n", "", "", ""}, {"casa", "cama", "canci\xF3n", "cancion", "", ""}},
        {{"casa", "cama", "canci\xF3n", "cancion", "", ""},
         {"casa", "cama", "canci\xF3n", "cancion", "", ""}},
    };
    for (const Case& c : cases) {
        setLine("la c_");
        keyboard.sentenceStart = false;
        keyboard.suggestions = c.before;
        const Rows wordsBefore = words();
        type("a");
        EXPECT_EQ(keyboard.suggestions, c.after);
        EXPECT_EQ(words(), wordsBefore);
    }
}

TEST_F(PredictionTest, TheWordBeingTypedStaysOnItsKey) {
    // The only word: "c" shows it on key 1, and "ca" must show it again
    // there, though key 1 showed it before.
    CPelvokDlg& keyboard = startWith(
        [](DictionaryStore& store, SqliteDatabase&) { learnWord(store, "casa", "casa", 1); });
    type("c");
    EXPECT_EQ(keyboard.suggestions, (Slots{"casa", "", "", "", "", ""}));
    type("a");
    EXPECT_EQ(keyboard.suggestions, (Slots{"casa", "", "", "", "", ""}));
    type("s");
    EXPECT_EQ(keyboard.suggestions, (Slots{"casa", "", "", "", "", ""}));
}

TEST_F(PredictionTest, HyphenatedWordIsCompletedAndLearnedWithoutItsHyphen) {
    CPelvokDlg& keyboard = startWith([](DictionaryStore& store, SqliteDatabase&) {
        learnWord(store, "-terrorismo", "-terrorismo", 3);
        learnWord(store, "-terrorista", "-terrorista", 1);
        learnPair(store, "anti", "-terrorista", 1);
    });
    setLine("anti-ter_");
    keyboard.sentenceStart = false;
    type("r");
    // The current word is -terr, the previous one anti.
    EXPECT_EQ(keyboard.suggestions, (Slots{"-terrorista", "-terrorismo", "", "", "", ""}));

    const Rows wordsBefore = words();
    const Rows pairsBefore = pairs();
    type("2");
    EXPECT_EQ(keyboard.textLine, "anti-terrorismo _");
    // A word of the dictionary begins with a letter: the hyphen is the line's.
    EXPECT_EQ(added(wordsBefore, words()), (Rows{"terrorismo|terrorismo|1"}));
    EXPECT_EQ(added(pairsBefore, pairs()), (Rows{"anti|terrorismo|terrorismo|1"}));
}

TEST_F(PredictionTest, NullWordIsShownAsError) {
    CPelvokDlg& keyboard = startWith([](DictionaryStore& store, SqliteDatabase& database) {
        standardWords(store, database);
        database.executeUpdate("INSERT INTO palabras VALUES(NULL, 'hz', 9);");
    });
    type("h");
    EXPECT_EQ(keyboard.suggestions, (Slots{"hoy", "hace", "error", "hola", "hombre", ""}));
}

}  // namespace
