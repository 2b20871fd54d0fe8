// Command and direct keys: their keystrokes, the page flags they change,
// docking and sizes, and the frame every activation goes through.
#include <gtest/gtest.h>

#include "model/key_codes.h"
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
    {"BackTab", false, false, command::kBackTab, KeyKind::Command, "10/0 09/0 09/2 10/2", false},
    {"DeleteWord", false, false, command::kDeleteWord, KeyKind::Command,
     "10/1 11/0 25/0 25/2 11/2 10/3 10/0 10/2 " + kDelete142, false},
    {"ForwardDelete", false, false, command::kForwardDelete, KeyKind::Command, kDelete142, false},
    {"Copy", true, false, command::kCopy, KeyKind::Command, "11/0 43/0 43/2 11/2", false},
    {"Paste", true, false, command::kPaste, KeyKind::Command, "11/0 56/0 56/2 11/2", false},
    {"Cut", true, false, command::kCut, KeyKind::Command, "11/0 58/0 58/2 11/2", false},
    {"ContextMenu", false, false, direct::kContextMenu, KeyKind::Direct, "10/0 79/0 79/2 10/2",
     false},
    {"Undo", false, false, direct::kUndo, KeyKind::Direct, "11/0 5A/0 5A/2 11/2", false},
    {"Backspace", false, false, direct::kBackspace, KeyKind::Direct, taps({vk::kBackspace}), false},
    {"Tab", false, false, direct::kTab, KeyKind::Direct, taps({vk::kTab}), false},
    {"FunctionKey", true, false, direct::kF1, KeyKind::Direct, taps({0x70}), false},
    {"Enter", false, false, direct::kEnter, KeyKind::Direct, taps({vk::kReturn}), false},
    {"Escape", false, false, direct::kEscape, KeyKind::Direct, taps({vk::kEscape}), false},
    {"Home", false, false, direct::kHome, KeyKind::Direct, taps({vk::kHome}), false},
    {"EndLatchedSelects", false, true, direct::kEnd, KeyKind::Direct,
     "10/1 23/0 23/2 10/3 10/0 10/2", true},
    {"Right", false, false, direct::kRight, KeyKind::Direct, taps({vk::kRight}), false},
    {"RightLatchedSelects", false, true, direct::kRight, KeyKind::Direct,
     "10/1 27/0 27/2 10/3 10/0 10/2", true},
    {"UpLatchedSelects", false, true, direct::kUp, KeyKind::Direct, "10/1 26/0 26/2 10/3 10/0 10/2",
     true},
    {"FolderTypesNothing", false, false, direct::kOpenDictionary, KeyKind::Direct, "", false},
    {"ShiftLatchTypesNothing", false, false, direct::kShiftLatch, KeyKind::Direct, "", false},
    {"NextSizeTypesNothing", false, false, command::kNextSize, KeyKind::Command, "", false},
};

class ControlKeyTest : public KeyDriverTest, public testing::WithParamInterface<ControlCase> {};

TEST_P(ControlKeyTest, InjectsTheKeystrokes) {
    const ControlCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(direct::kSymbols, KeyKind::Direct);
    if (c.latched) click(direct::kShiftLatch, KeyKind::Direct);
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
    click(direct::kShiftLatch, KeyKind::Direct);
    click(direct::kLeft, KeyKind::Direct);
    click(direct::kLeft, KeyKind::Direct);
    EXPECT_EQ(keyboard.layout->getShiftLatched(), 1);
    EXPECT_TRUE(keyboard.selectionActive);
    clearStrokes();

    click(command::kDeleteWord, KeyKind::Command);

    EXPECT_EQ(strokes(), taps({vk::kBackspace}));
    EXPECT_FALSE(keyboard.selectionActive);
}

TEST_F(KeyDriverTest, EnterAndEscapeGoOnlyToTheAttachedApplication) {
    CPelvokDlg& keyboard = startTyping();
    // Another window of the editor's thread is active, not the one attached.
    const platform::WindowId other = desktop().windows().createWindow(
        "Buscar", platform::Rect{200, 200, 400, 300}, desktop().windows().window(target)->thread);
    desktop().windows().setActive(other);
    ASSERT_NE(desktop().windows().activeWindow(), keyboard.lastTarget);

    click(direct::kEnter, KeyKind::Direct);
    click(direct::kEscape, KeyKind::Direct);

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

    click(direct::kCapsLock, KeyKind::Direct);  // on
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getCapsLock(), 1);
    EXPECT_TRUE(desktop().keystrokes().capsLockToggled());

    clearStrokes();
    click(direct::kShiftLatch, KeyKind::Direct);
    click(direct::kSymbols, KeyKind::Direct);  // Caps Lock goes off in the system too
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getSymbolsPage(), 1);
    EXPECT_EQ(layout.getCapsLock(), 0);
    EXPECT_EQ(layout.getShiftLatched(), 0);
    EXPECT_FALSE(desktop().keystrokes().capsLockToggled());
    EXPECT_TRUE(findKey(layout, direct::kF1, KeyKind::Direct).has_value());

    clearStrokes();
    click(direct::kCapsLock, KeyKind::Direct);  // from the symbols page: the letters
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getSymbolsPage(), 0);
    EXPECT_EQ(layout.getCapsLock(), 1);
    EXPECT_TRUE(findKey(layout, 'q', KeyKind::Character).has_value());

    clearStrokes();
    click(direct::kCapsLock, KeyKind::Direct);  // and off
    EXPECT_EQ(strokes(), "14/1 14/3");
    EXPECT_EQ(layout.getCapsLock(), 0);
}

TEST_F(KeyDriverTest, ArrangementKeySwitchesTheLetters) {
    CPelvokDlg& keyboard = startTyping();
    click(direct::kSymbols, KeyKind::Direct);
    click(direct::kSymbols, KeyKind::Direct);  // a page load brings the arrangement key
    ASSERT_EQ(keyboard.layout->getLetterLayout(), 2);

    click(command::kArrangement, KeyKind::Command);
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 1);
    // The optimized arrangement has g right after q.
    const Key q = keyOf('q');
    const Key g = keyOf('g');
    EXPECT_EQ(g.getColumn(), q.getColumn() + 1);

    click(command::kArrangement, KeyKind::Command);
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 2);
}

struct DockCase {
    const char* name;
    std::uint8_t command;
    int position;
};

const DockCase kDocks[] = {
    {"TopLeft", command::kDockTopLeft, 3},           {"TopRight", command::kDockTopRight, 4},
    {"BottomLeft", command::kDockBottomLeft, 2},     {"BottomRight", command::kDockBottomRight, 5},
    {"BottomCentre", command::kDockBottomCentre, 1}, {"BottomFitted", command::kDockBottom, 6},
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

    click(command::kDockBottom, KeyKind::Command);

    EXPECT_EQ(keyboard.position, 1);
}

TEST_F(KeyDriverTest, MagnifierStepsTheSize) {
    CPelvokDlg& keyboard = startTyping();
    click(command::kNextSize, KeyKind::Command);
    EXPECT_EQ(keyboard.zoom, 2);
    click(command::kNextSize, KeyKind::Command);
    EXPECT_EQ(keyboard.zoom, 3);
}

}  // namespace
}  // namespace pelvok_test
