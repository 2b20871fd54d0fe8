// The private messages another program drives the keyboard with, and the
// size commands of the menu.
#include "window/private_messages.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace pelvok_test {
namespace {

class PrivateMessageTest : public KeyDriverTest {
protected:
    platform::Rect windowRect() {
        return desktop().windows().windowRect(desktop().framework().keyboardWindow());
    }
    const std::vector<platform::Point>& pointerSets() { return desktop().pointer().cursorSets(); }
};

TEST_F(PrivateMessageTest, ShowAndHideAnswerWhetherTheWindowWasVisible) {
    startTyping();
    EXPECT_NE(desktop().sendPrivate(private_message::kHide, 0), 0);  // a visible window
    EXPECT_EQ(desktop().sendPrivate(private_message::kHide, 0), 0);
    EXPECT_EQ(desktop().sendPrivate(private_message::kShow, 0), 0);  // a hidden one
    EXPECT_NE(desktop().sendPrivate(private_message::kShow, 0), 0);
    EXPECT_TRUE(desktop().windows().window(desktop().framework().keyboardWindow())->visible);
}

TEST_F(PrivateMessageTest, MoveCommandsTakeThePointerToTheNewKey) {
    CPelvokDlg& keyboard = startTyping();
    // From the start key (row 0, column 4) one step down.
    desktop().sendPrivate(private_message::kDrive, 'E');
    const Key key = keyboard.layout->currentKey();
    EXPECT_EQ(keyboard.layout->getCurrentRow(), 1);
    ASSERT_EQ(pointerSets().size(), 1u);
    const platform::Rect rect = windowRect();
    const KeyPoint a = key.getPoint1();
    const KeyPoint b = key.getPoint2();
    EXPECT_EQ(pointerSets()[0].x, rect.left + a.getX() + (b.getX() - a.getX()) / 2);
    EXPECT_EQ(pointerSets()[0].y, rect.top + a.getY() + (b.getY() - a.getY()) / 2);

    desktop().sendPrivate(private_message::kDrive, 'G');
    desktop().sendPrivate(private_message::kDrive, 'C');
    EXPECT_EQ(pointerSets().size(), 3u);
}

TEST_F(PrivateMessageTest, MoveOffTheTopRowLeavesThePointer) {
    CPelvokDlg& keyboard = startTyping();

    const Key start = keyboard.layout->currentKey();
    keyboard.highlightState = 3;  // as a press on a dead cell leaves it

    desktop().sendPrivate(private_message::kDrive, 'A');

    EXPECT_TRUE(pointerSets().empty());
    // The frame stays on the key that stays current, and shows.
    EXPECT_EQ(keyboard.highlight1.getX(), start.getPoint1().getX());
    EXPECT_EQ(keyboard.highlight1.getY(), start.getPoint1().getY());
    EXPECT_EQ(keyboard.highlight2.getX(), start.getPoint2().getX());
    EXPECT_EQ(keyboard.highlight2.getY(), start.getPoint2().getY());
    EXPECT_EQ(keyboard.highlightState, 1);
}

TEST_F(PrivateMessageTest, PressActivatesTheCurrentKeyWithoutMovingThePointer) {
    CPelvokDlg& keyboard = startTyping();
    desktop().sendPrivate(private_message::kDrive, 'E');
    desktop().sendPrivate(private_message::kDrive, 'E');
    desktop().sendPrivate(private_message::kDrive, 'E');  // row 3: a letter
    const std::uint8_t letter = keyboard.layout->currentKey().getVirtualKey();
    ASSERT_TRUE(letter >= 'a' && letter <= 'z') << int(letter);
    const platform::Point before = desktop().pointer().cursorPos();
    clearStrokes();

    desktop().sendPrivate(private_message::kDrive, 'W');

    EXPECT_EQ(strokes(), taps({letter - 'a' + 'A'}));
    EXPECT_EQ(desktop().pointer().cursorPos().x, before.x);
    EXPECT_EQ(desktop().pointer().cursorPos().y, before.y);
    EXPECT_EQ(keyboard.highlightState, 2);
}

TEST_F(PrivateMessageTest, UnknownLetterDoesNothing) {
    CPelvokDlg& keyboard = startTyping();
    const int column = keyboard.layout->getCurrentColumn();
    const int row = keyboard.layout->getCurrentRow();

    desktop().sendPrivate(private_message::kDrive, 'B');

    EXPECT_EQ(keyboard.layout->getCurrentColumn(), column);
    EXPECT_EQ(keyboard.layout->getCurrentRow(), row);
    EXPECT_TRUE(pointerSets().empty());
    EXPECT_EQ(strokes(), "");
}

TEST_F(PrivateMessageTest, SnapPutsThePointerOnTheCentreOfTheKey) {
    setSetting(settings::kZoom, "4");
    CPelvokDlg& keyboard = startTyping();
    keyboard.highlightState = 1;
    const platform::Rect rect = windowRect();
    // Over q, corners (67, 129) and (94, 156), at size step 4.
    desktop().pointer().moveTo(platform::Point{rect.left + 130, rect.top + 250});
    desktop().framework().clearInvalidations();

    desktop().sendPrivate(private_message::kSnap, 0);

    ASSERT_EQ(pointerSets().size(), 1u);
    EXPECT_EQ(pointerSets()[0].x, rect.left + 148);
    EXPECT_EQ(pointerSets()[0].y, rect.top + 263);
    EXPECT_EQ(keyboard.highlight1.getX(), 67);
    EXPECT_EQ(keyboard.highlight2.getY(), 156);
    EXPECT_EQ(keyboard.highlightState, 1);
    ASSERT_FALSE(desktop().framework().invalidations().empty());
    EXPECT_TRUE(desktop().framework().invalidations()[0].whole);
}

TEST_F(PrivateMessageTest, ResetClearsTheLineAndRepaintsTheStrip) {
    setSetting(settings::kZoom, "2");
    CPelvokDlg& keyboard = startTyping();
    click('s');
    click('i');
    keyboard.suggestions[2] = "sitio";
    desktop().framework().clearInvalidations();

    desktop().sendPrivate(private_message::kResetLine, 0);

    EXPECT_EQ(keyboard.textLine, "_");
    EXPECT_EQ(keyboard.cursorPos, 0);
    EXPECT_EQ(keyboard.suggestions[2], "sitio");
    ASSERT_EQ(desktop().framework().invalidations().size(), 1u);
    const sim::Invalidation& strip = desktop().framework().invalidations()[0];
    EXPECT_FALSE(strip.whole);
    EXPECT_EQ(strip.rect.top, 0);
    EXPECT_EQ(strip.rect.bottom, 33);  // 30 × 1.11
    EXPECT_GT(strip.rect.right, 0);
}

TEST_F(PrivateMessageTest, SizeCommandsSetTheStep) {
    CPelvokDlg& keyboard = startTyping();
    for (int step = 1; step <= 4; ++step) {
        desktop().command(ID_SIZE_SMALL + step - 1);
        EXPECT_EQ(keyboard.zoom, step);
    }
    desktop().command(ID_SIZE_EXTRA_BIG + 1);  // not a menu item
    EXPECT_EQ(keyboard.zoom, 4);
}

}  // namespace
}  // namespace pelvok_test
