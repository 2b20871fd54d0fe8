// The typing engine when the dictionary fails under it, or is missing.
#include <gtest/gtest.h>

#include <string>

#include "dictionary/SqliteException.h"
#include "model/key_codes.h"
#include "tests/typing/typing_fixture.h"

namespace {

using typing_test::Rows;
using typing_test::Slots;
using typing_test::standardWords;
using typing_test::TypingTest;

using DictionaryFailureTest = TypingTest;

const Slots kOldKeys = {"k1", "k2", "k3", "k4", "k5", "k6"};

TEST_F(DictionaryFailureTest, EchoIsCommittedWhenATableGoesMissingMidUpdate) {
    struct Case {
        const char* droppedTable;
        const char* lineBefore;
        bool sentenceStart;
        const char* typed;
        const char* lineAfter;
        Slots keysAfter;
        Rows words;  // the words table afterwards, when it still exists
    };
    const Case cases[] = {
        // The sentence starters fill two keys before the words are asked.
        {"palabras", "_", true, "h", "h_", {"hoy", "hace", "k3", "k4", "k5", "k6"}, {}},
        // hola and its pair are learned together: the pair fails, so hola
        // keeps its count; no key is refilled.
        {"siguientes",
         "hola_",
         false,
         " ",
         "hola _",
         kOldKeys,
         {"cama|cama|1", "canci\xF3n|cancion|2", "cancion|cancion|1", "casa|casa|4", "hola|hola|3",
          "hombre|hombre|1", "hoy|hoy|5", "mesa|mesa|1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.droppedTable);
        makeDesktop(pelvok_test::KeyboardHarness::defaultOptions());
        CPelvokDlg& keyboard = startWith(standardWords);
        {
            SqliteDatabase other;
            other.open(desktop().files().sqlitePath(pelvok_test::kDefaultDictionary));
            other.executeUpdate(std::string("DROP TABLE ") + c.droppedTable + ";");
        }
        setLine(c.lineBefore);
        keyboard.sentenceStart = c.sentenceStart;
        keyboard.suggestions = kOldKeys;

        EXPECT_THROW(type(c.typed), SqliteException);

        EXPECT_EQ(keyboard.textLine, c.lineAfter);
        EXPECT_EQ(keyboard.cursorPos, static_cast<int>(std::string(c.lineAfter).find('_')));
        EXPECT_EQ(keyboard.suggestions, c.keysAfter);
        if (!c.words.empty()) {
            EXPECT_EQ(words(), c.words);
        }
    }
}

TEST_F(DictionaryFailureTest, WithoutADictionaryTheEchoWorksAndTheKeysStayBlank) {
    harness().writeFile(pelvok_test::kDefaultDictionary, std::string(4096, 'x'));
    CPelvokDlg& keyboard = start();
    ASSERT_FALSE(keyboard.dictionaryAvailable());

    const Slots blank = {"", "", "", "", "", ""};
    type("hola. la");
    EXPECT_EQ(keyboard.textLine, "hola. la_");
    EXPECT_FALSE(keyboard.sentenceStart);
    EXPECT_EQ(keyboard.suggestions, blank);

    type("1 ");  // a blank suggestion key types nothing
    EXPECT_EQ(keyboard.textLine, "hola. la _");
    keyboard.UpdateComposition(direct::kEnter, false, true);
    EXPECT_EQ(keyboard.textLine, "_");
    EXPECT_TRUE(keyboard.sentenceStart);
    EXPECT_EQ(keyboard.suggestions, blank);

    keyboard.DeleteSuggestedWord();
    keyboard.LoadFrequentWords();
    keyboard.LoadSentenceStarters();
    EXPECT_EQ(keyboard.suggestions, blank);
}

}  // namespace
