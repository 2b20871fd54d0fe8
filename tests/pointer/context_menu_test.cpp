// The right button: the delete-word menu on a suggestion key showing a word,
// the size menu on the keys whose code is Control+T, the export on w.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

class ContextMenuTest : public KeyDriverTest {
protected:
    void rightClick(std::uint8_t code, KeyKind kind = KeyKind::Character) {
        const platform::Point point = pointOf(code, kind);
        desktop().rightClick(point.x, point.y);
    }
    const std::vector<sim::MenuRecord>& menus() { return desktop().dialogs().menus(); }
    int countRows(const std::string& sql) {
        SqliteDatabase reader;
        reader.open(desktop().files().sqlitePath(kDefaultDictionary));
        return reader.queryInt(sql);
    }
};

struct MenuCase {
    const char* name;
    bool symbolsPage;
    const char* suggestion;  // of key 1
    std::uint8_t code;
    KeyKind kind;
    int menu;  // 0: none
};

const MenuCase kCases[] = {
    {"SuggestionWithWord", false, "casa", suggestion_key::kFirst, KeyKind::Character,
     IDR_MENU_SUGGESTION},
    {"BlankSuggestion", false, "", suggestion_key::kFirst, KeyKind::Character, 0},
    {"DigitOnSymbolsPage", true, "casa", '1', KeyKind::Character, 0},
    {"Letter", false, "casa", 'q', KeyKind::Character, 0},
    {"Magnifier", false, "", command::kNextSize, KeyKind::Command, IDR_MENU_SIZE},
    {"CapsLockKey", false, "", direct::kCapsLock, KeyKind::Direct, IDR_MENU_SIZE},
    {"DockKey", false, "", command::kDockBottomCentre, KeyKind::Command, 0},
    {"ShiftedCharacter", false, "", cp1252::kDiaeresis, KeyKind::Character, 0},
};

class MenuChoiceTest : public ContextMenuTest, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuChoiceTest, ShowsTheMenuOfTheKey) {
    const MenuCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(direct::kSymbols, KeyKind::Direct);
    keyboard.suggestions[0] = c.suggestion;
    desktop().framework().clearInvalidations();
    desktop().windows().clearCalls();

    rightClick(c.code, c.kind);

    if (c.menu == 0) {
        EXPECT_TRUE(menus().empty());
    } else {
        ASSERT_EQ(menus().size(), 1u);
        EXPECT_EQ(menus()[0].menuId, c.menu);
        EXPECT_EQ(menus()[0].screen.x, desktop().pointer().cursorPos().x);
        EXPECT_EQ(menus()[0].screen.y, desktop().pointer().cursorPos().y);
        EXPECT_TRUE(menus()[0].disabledItems.empty());  // a 1280-pixel screen
    }
    EXPECT_EQ(strokes(), "");
    EXPECT_EQ(keyboard.highlightState, 3);
    // The application's window is made active again, and all is repainted.
    const auto active = desktop().windows().callsOf(sim::WindowCall::Kind::SetActive);
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0].window, target);
    ASSERT_FALSE(desktop().framework().invalidations().empty());
    EXPECT_TRUE(desktop().framework().invalidations().back().whole);
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuChoiceTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MenuCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ContextMenuTest, RightClickOutsideEveryKeyOnlyDropsTheFrame) {
    CPelvokDlg& keyboard = startTyping();
    desktop().framework().clearInvalidations();

    desktop().rightClick(60, 10);

    EXPECT_EQ(keyboard.highlightState, 3);
    EXPECT_TRUE(menus().empty());
    EXPECT_TRUE(desktop().framework().invalidations().empty());
}

TEST_F(ContextMenuTest, SizeMenuChoosesTheSize) {
    CPelvokDlg& keyboard = startTyping();
    desktop().queueMenuAnswer(ID_SIZE_EXTRA_BIG);

    rightClick(command::kNextSize, KeyKind::Command);

    EXPECT_EQ(keyboard.zoom, 4);
    EXPECT_FLOAT_EQ(keyboard.layout->getScale(), 1.855f);
}

TEST_F(ContextMenuTest, ExtraBigIsGreyedOnANarrowScreen) {
    makeScreen(1024, 768);
    startTyping();

    rightClick(command::kNextSize, KeyKind::Command);

    ASSERT_EQ(menus().size(), 1u);
    EXPECT_EQ(menus()[0].disabledItems, std::vector<int>{ID_SIZE_EXTRA_BIG});
}

TEST_F(ContextMenuTest, DeleteWordMenuDeletesTheSuggestedWord) {
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
        store.LearnWord("casa", "casa");
        store.LearnPair(".", "casa", "casa");
        store.LearnWord("mesa", "mesa");
    });
    CPelvokDlg& keyboard = startTyping();
    ASSERT_EQ(keyboard.suggestions[0], "casa");
    desktop().queueMenuAnswer(ID_DELETE_WORD);

    rightClick(suggestion_key::kFirst);

    EXPECT_EQ(countRows("SELECT count(*) FROM palabras WHERE palabra = 'casa'"), 0);
    EXPECT_EQ(countRows("SELECT count(*) FROM siguientes WHERE siguiente = 'casa'"), 0);
    EXPECT_EQ(countRows("SELECT count(*) FROM palabras WHERE palabra = 'mesa'"), 1);
}

TEST_F(ContextMenuTest, RightClickOnWExportsTheDictionary) {
    prepareDefaultDictionary(
        [](DictionaryStore& store, SqliteDatabase&) { store.LearnWord("casa", "casa"); });
    startTyping();

    rightClick('w');

    EXPECT_EQ(desktop().pointer().beeps(),
              (std::vector<sim::Beep>{{800, 50}, {800, 20}, {800, 100}}));
    EXPECT_TRUE(std::filesystem::exists(harness().hostPath("C:\\Pelvok\\resultados1.txt")));
    EXPECT_TRUE(std::filesystem::exists(harness().hostPath("C:\\Pelvok\\resultados2.txt")));
    EXPECT_TRUE(menus().empty());
}

}  // namespace
}  // namespace pelvok_test
