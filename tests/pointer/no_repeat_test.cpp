// Suggestions that do not repeat within a word: a setting, off by default,
// switched from the size menu and kept across starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace pelvok_test {
namespace {

using Keys = std::vector<std::string>;

class NoRepeatTest : public KeyDriverTest {
protected:
    // Six frequent words the keys show between words; nine words beginning
    // with "ca", more than the keys hold, "casa" the most frequent; and
    // "cosa", which "c" shows but "ca" does not.
    CPelvokDlg& startWithManyWords() {
        prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
            for (const char* word : {"de", "la", "que", "el", "en", "los"})
                for (int i = 0; i < 30; ++i) store.LearnWord(word, word);
            const char* words[] = {"casa", "cama",  "calle", "caro", "cara",
                                   "cabo", "canto", "capa",  "cazo", "cosa"};
            int times = 20;
            for (const char* word : words) {
                for (int i = 0; i < times; ++i) store.LearnWord(word, word);
                times -= 2;
            }
        });
        return startTyping();
    }
    void type(const std::string& keys) {
        for (char c : keys) {
            if (c == '\b') {
                click(direct::kBackspace, KeyKind::Direct);
            } else {
                click(static_cast<std::uint8_t>(c));
            }
        }
    }
    Keys keys(CPelvokDlg& keyboard) {
        return Keys(keyboard.suggestions.begin(), keyboard.suggestions.end());
    }
    void chooseFromSizeMenu(int item) {
        const platform::Point magnifier = pointOf(command::kNextSize, KeyKind::Command);
        desktop().dialogs().queueMenuAnswer(item);
        desktop().rightClick(magnifier.x, magnifier.y);
    }
};

TEST_F(NoRepeatTest, AWordPassedOverByTheNextLetterStaysOffTheKeysUntilTheWordEnds) {
    CPelvokDlg& keyboard = startWithManyWords();
    EXPECT_FALSE(keyboard.noRepeatedSuggestions) << "off by default";
    type("c");
    const Keys afterC = keys(keyboard);
    EXPECT_EQ(afterC, (Keys{"casa", "cama", "calle", "caro", "cara", "cabo"}));
    type("a");
    EXPECT_EQ(keys(keyboard), afterC) << "without the setting the same words come back";
    type("sa ");

    chooseFromSizeMenu(ID_NO_REPEAT);
    ASSERT_TRUE(keyboard.noRepeatedSuggestions);
    type("c");
    EXPECT_EQ(keys(keyboard), afterC);
    type("a");
    EXPECT_EQ(keys(keyboard), (Keys{"canto", "capa", "cazo", "", "", ""}))
        << "the freed keys show the next candidates";
    type("\b");
    EXPECT_EQ(keys(keyboard), (Keys{"canto", "capa", "cazo", "cosa", "", ""}))
        << "a letter taken back brings no passed-over word back";

    // A word ended: everything may be shown again.
    type("osa c");
    EXPECT_EQ(keys(keyboard), afterC);
}

TEST_F(NoRepeatTest, TheMenuItemIsCheckedAndTheSettingKeptAcrossStarts) {
    startWithManyWords();
    chooseFromSizeMenu(ID_NO_REPEAT);
    chooseFromSizeMenu(ID_NO_REPEAT);
    EXPECT_EQ(desktop().dialogs().menus().back().checkedItems, std::vector<int>{ID_NO_REPEAT});
    EXPECT_FALSE(window().noRepeatedSuggestions);
    chooseFromSizeMenu(ID_NO_REPEAT);
    click(command::kExit, KeyKind::Command);
    EXPECT_EQ(setting(settings::kNoRepeat.name), "1");

    makeDesktop(KeyboardHarness::defaultOptions());
    setSetting(settings::kNoRepeat.name, "1");
    EXPECT_TRUE(start().noRepeatedSuggestions);
}

}  // namespace
}  // namespace pelvok_test
