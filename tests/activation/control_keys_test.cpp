// Command and direct keys: their keystrokes, the page flags they change,
// docking and sizes, and the frame every activation goes through.
#include <gtest/gtest.h>

#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

struct ControlCase {
    const char* name;
    bool symbolsPage;
    bool latched;
    std::uint8_t code;
    KeyKind kind;
    std::string strokes;
    bool selectionAfter;
};

const std::string kDelete142 = "2E@142/0 2E@142/2";

const ControlCase kCases[] = {
    {"BackTab", false, false, 6, KeyKind::Command, "10/0 09/0 09/2 10/2", false},
    {"DeleteWord", false, false, 7, KeyKind::Command,
     "10/1 11/0 25/0 25/2 11/2 10/3 10/0 10/2 " + kDelete142, false},
    {"ForwardDelete", false, false, 46, KeyKind::Command, kDelete142, false},
    {"Copy", true, false, 11, KeyKind::Command, "11/0 43/0 43/2 11/2", false},
    {"Paste", true, false, 12, KeyKind::Command, "11/0 56/0 56/2 11/2", false},
    {"Cut", true, false, 33, KeyKind::Command, "11/0 58/0 58/2 11/2", false},
    {"ContextMenu", false, false, 2, KeyKind::Direct, "10/0 79/0 79/2 10/2", false},
    {"Undo", false, false, 19, KeyKind::Direct, "11/0 5A/0 5A/2 11/2", false},
    {"Backspace", false, false, 8, KeyKind::Direct, taps({0x08}), false},
    {"Tab", false, false, 9, KeyKind::Direct, taps({0x09}), false},
    {"FunctionKey", true, false, 112, KeyKind::Direct, taps({0x70}), false},
    {"Enter", false, false, 13, KeyKind::Direct, taps({0x0D}), false},
    {"Escape", false, false, 27, KeyKind::Direct, taps({0x1B}), false},
    {"Home", false, false, 31, KeyKind::Direct, taps({0x24}), false},
    {"EndLatched", false, true, 32, KeyKind::Direct, "10/1 23/0 23/2 10/3 10/0 10/2", false},
    {"Right", false, false, 39, KeyKind::Direct, taps({0x27}), false},
    {"RightLatchedSelects", false, true, 39, KeyKind::Direct, "10/1 27/0 27/2 10/3 10/0 10/2",
     true},
    {"UpLatchedSelects", false, true, 38, KeyKind::Direct, "10/1 26/0 26/2 10/3 10/0 10/2", true},
    {"FolderTypesNothing", false, false, 30, KeyKind::Direct, "", false},
    {"ShiftLatchTypesNothing", false, false, 16, KeyKind::Direct, "", false},
    {"NextSizeTypesNothing", false, false, 20, KeyKind::Command, "", false},
};

class ControlKeyTest : public KeyDriverTest, public testing::WithParamInterface<ControlCase> {};

TEST_P(ControlKeyTest, InjectsTheKeystrokes) {
    const ControlCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(14, KeyKind::Direct);
    if (c.latched) click(16, KeyKind::Direct);
    clearStrokes();

    click(c.code, c.kind);

    EXPECT_EQ(strokes(), c.strokes);
    EXPECT_EQ(keyboard.selectionActive, c.selectionAfter);
    EXPECT_EQ(keyboard.highlightState, 2);
}

INSTANTIATE_TEST_SUITE_P(Keys, ControlKeyTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ControlCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeyDriverTest, ShiftExtendedArrowsKeepTheLatchAndDeleteWordRemovesTheSelection) {
    CPelvokDlg& keyboard = startTyping();
    click(16, KeyKind::Direct);
    click(37, KeyKind::Direct);
    click(37, KeyKind::Direct);
    EXPECT_EQ(keyboard.layout->getShiftLatched(), 1);
    EXPECT_TRUE(keyboard.selectionActive);
    clearStrokes();

    click(7, KeyKind::Command);

    EXPECT_EQ(strokes(), taps({0x08}));
    EXPECT_FALSE(keyboard.selectionActive);
}

TEST_F(KeyDriverTest, EnterAndEscapeGoOnlyToTheAttachedApplication) {
    CPelvokDlg& keyboard = startTyping();
    // Another window of the editor's thread is active, not the one attached.
    const platform::WindowId other = desktop().windows().createWindow(
        "Buscar", platform::Rect{200, 200, 400, 300}, desktop().windows().window(target)->thread);
    desktop().windows().setActive(other);
    ASSERT_NE(desktop().windows().activeWindow(), keyboard.lastTarget);

    click(13, KeyKind::Direct);
    click(27, KeyKind::Direct);

    EXPECT_EQ(strokes(), "");
}

TEST_F(KeyDriverTest, KeyOfSizeZeroDoesNothing) {
    CPelvokDlg& keyboard = startTyping();
    // Row 0, column 11 is a dead cell on every letters page.
    const KeyLine& row = keyboard.layout->line(0);
    const Key dead = row.keyAtColumn(11);
    ASSERT_EQ(dead.getSize(), 0);
    setLine("hola_");

    const platform::Point point = centreOf(dead, 1.0f);
    desktop().leftClick(point.x, point.y);

    EXPECT_EQ(strokes(), "");
    EXPECT_EQ(keyboard.highlightState, 3);
    EXPECT_EQ(keyboard.textLine, "hola_");
}

TEST_F(KeyDriverTest, EveryActivationRepaintsAndSetsThePointerWhereItIs) {
    startTyping();
    desktop().framework().clearInvalidations();
    desktop().pointer().clearLogs();

    click('a');

    ASSERT_FALSE(desktop().framework().invalidations().empty());
    EXPECT_TRUE(desktop().framework().invalidations().back().whole);
    ASSERT_EQ(desktop().pointer().cursorSets().size(), 1u);
    EXPECT_EQ(desktop().pointer().cursorSets()[0].x, desktop().pointer().cursorPos().x);
    EXPECT_EQ(desktop().pointer().cursorSets()[0].y, desktop().pointer().cursorPos().y);
}

TEST_F(KeyDriverTest, PageKeysChangeTheFlags) {
    CPelvokDlg& keyboard = startTyping();
    KeyboardLayout& layout = *keyboard.layout;

    click(20, KeyKind::Direct);  // Caps Lock on
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getCapsLock(), 1);
    EXPECT_TRUE(desktop().keystrokes().capsLockToggled());

    clearStrokes();
    click(16, KeyKind::Direct);  // latch
    click(14, KeyKind::Direct);  // symbols: Caps Lock goes off in the system too
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getSymbolsPage(), 1);
    EXPECT_EQ(layout.getCapsLock(), 0);
    EXPECT_EQ(layout.getShiftLatched(), 0);
    EXPECT_FALSE(desktop().keystrokes().capsLockToggled());
    EXPECT_TRUE(findKey(layout, 112, KeyKind::Direct).has_value());  // F1

    clearStrokes();
    click(20, KeyKind::Direct);  // Caps Lock from the symbols page: the letters
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getSymbolsPage(), 0);
    EXPECT_EQ(layout.getCapsLock(), 1);
    EXPECT_TRUE(findKey(layout, 'q', KeyKind::Character).has_value());

    clearStrokes();
    click(20, KeyKind::Direct);  // and off
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getCapsLock(), 0);
}

TEST_F(KeyDriverTest, ArrangementKeySwitchesTheLetters) {
    CPelvokDlg& keyboard = startTyping();
    click(14, KeyKind::Direct);
    click(14, KeyKind::Direct);  // a page load brings the arrangement key
    ASSERT_EQ(keyboard.layout->getLetterLayout(), 2);

    click(21, KeyKind::Command);
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 1);
    // The optimized arrangement has g right after q.
    const Key q = keyOf('q');
    const Key g = keyOf('g');
    EXPECT_EQ(g.getColumn(), q.getColumn() + 1);

    click(21, KeyKind::Command);
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 2);
}

struct DockCase {
    const char* name;
    std::uint8_t command;
    int position;
};

const DockCase kDocks[] = {
    {"TopLeft", 1, 3},     {"TopRight", 2, 4},     {"BottomLeft", 3, 2},
    {"BottomRight", 4, 5}, {"BottomCentre", 8, 1}, {"BottomFitted", 15, 6},
};

class DockKeyTest : public KeyDriverTest, public testing::WithParamInterface<DockCase> {};

TEST_P(DockKeyTest, DocksTheWindow) {
    CPelvokDlg& keyboard = startTyping();
    click(GetParam().command, KeyKind::Command);
    EXPECT_EQ(keyboard.position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Positions, DockKeyTest, testing::ValuesIn(kDocks),
                         [](const testing::TestParamInfo<DockCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeyDriverTest, DockingBelowAnotherWindowThanTheAttachedOneIsBottomCentre) {
    CPelvokDlg& keyboard = startTyping();
    const platform::WindowId dialog = desktop().windows().createWindow(
        "Buscar", platform::Rect{200, 200, 400, 300}, desktop().windows().window(target)->thread);
    desktop().windows().setActive(dialog);

    click(15, KeyKind::Command);

    EXPECT_EQ(keyboard.position, 1);
}

TEST_F(KeyDriverTest, MagnifierStepsTheSize) {
    CPelvokDlg& keyboard = startTyping();
    click(20, KeyKind::Command);
    EXPECT_EQ(keyboard.zoom, 2);
    click(20, KeyKind::Command);
    EXPECT_EQ(keyboard.zoom, 3);
}

}  // namespace
}  // namespace pelvok_test
