// Deleting the word of a suggestion key from the dictionary.
#include <gtest/gtest.h>

#include <string>

#include "model/key_codes.h"
#include "tests/typing/typing_fixture.h"

namespace {

using typing_test::learnPair;
using typing_test::learnWord;
using typing_test::Rows;
using typing_test::Slots;
using typing_test::standardWords;
using typing_test::TypingTest;
using typing_test::withShift;

using DeleteWordTest = TypingTest;

// Makes the key with this code current on the page on show.
void makeCurrent(CPelvokDlg& keyboard, unsigned char code) {
    KeyboardLayout& layout = *keyboard.layout;
    for (int row = 0; row < layout.getRowCount(); ++row) {
        for (int column = 0; column < layout.getColumnCount(); ++column) {
            layout.setCurrent(row, column);
            if (layout.currentKey().getVirtualKey() == code) return;
        }
    }
    FAIL() << "no key with code " << int(code);
}

TEST_F(DeleteWordTest, RemovesEveryAccentVariantAndThePairsItEnds) {
    const Slots shown = {"canci\xF3n", "l'home", "", "hoy", "", ""};
    struct Case {
        unsigned char key;
        Rows wordsGone;
        Rows pairsGone;
        Slots keysAfter;
    };
    const Case cases[] = {
        {suggestion_key::kFirst,
         {"canci\xF3n|cancion|2", "cancion|cancion|1"},
         {"la|canci\xF3n|cancion|1"},
         {"hoy", "casa", "hola", "l'home", "cama", "hombre"}},
        // The key shows the apostrophe; the dictionary holds '!'.
        {suggestion_key::kFirst + 1,
         {"l!home|l!home|2"},
         {},
         {"hoy", "casa", "hola", "canci\xF3n", "cama", "cancion"}},
        // A blank key, or a key that is no suggestion key, changes nothing.
        {suggestion_key::kFirst + 2, {}, {}, shown},
        {'a', {}, {}, shown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("key ") + static_cast<char>(c.key));
        makeDesktop(pelvok_test::KeyboardHarness::defaultOptions());
        CPelvokDlg& keyboard = startWith([](DictionaryStore& store, SqliteDatabase& database) {
            standardWords(store, database);
            learnWord(store, "l!home", "l!home", 2);
            store.LearnPair("la", "cancion", "canci\xF3n");
            store.LearnPair("canci\xF3n", "hoy", "hoy");
        });
        keyboard.suggestions = shown;
        makeCurrent(keyboard, c.key);
        const Rows wordsBefore = words();
        const Rows pairsBefore = pairs();

        keyboard.DeleteSuggestedWord();

        EXPECT_EQ(added(words(), wordsBefore), c.wordsGone);
        EXPECT_EQ(added(pairs(), pairsBefore), c.pairsGone);
        EXPECT_EQ(words().size() + c.wordsGone.size(), wordsBefore.size());
        EXPECT_EQ(keyboard.suggestions, c.keysAfter);
    }
}

TEST_F(DeleteWordTest, AWordTypedInCapitalsWithNTildeIsOneWordAndGoesWhole) {
    const std::string spain = std::string("espa") + '\xF1' + 'a';
    CPelvokDlg& keyboard = startWith(nullptr);
    for (const char c : spain) press(withShift(static_cast<unsigned char>(c)));
    type(" " + spain + " ");
    EXPECT_EQ(words(), (Rows{spain + "|" + spain + "|2"}));

    type("esp");
    EXPECT_EQ(keyboard.suggestions, (Slots{spain, "", "", "", "", ""}));
    makeCurrent(keyboard, suggestion_key::kFirst);
    keyboard.DeleteSuggestedWord();
    EXPECT_EQ(words(), Rows{});
}

}  // namespace
