// Hover frames the key under the pointer; releasing the left button over a
// key activates it.
#include <gtest/gtest.h>

#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace pelvok_test {
namespace {

class HoverTest : public KeyDriverTest {
protected:
    const std::vector<sim::Invalidation>& invalidations() {
        return desktop().framework().invalidations();
    }
};

TEST_F(HoverTest, MovingOntoAnotherKeyRepaintsBelowTheStrip) {
    setSetting(settings::kZoom, "3");
    CPelvokDlg& keyboard = startTyping();
    const Key q = keyOf('q');
    const platform::Point onQ = pointOf('q');
    desktop().framework().clearInvalidations();

    desktop().mouseMove(onQ.x, onQ.y);

    EXPECT_EQ(keyboard.highlightState, 1);
    EXPECT_EQ(keyboard.highlight1.getX(), q.getPoint1().getX());
    EXPECT_EQ(keyboard.highlight1.getY(), q.getPoint1().getY());
    EXPECT_EQ(keyboard.highlight2.getX(), q.getPoint2().getX());
    EXPECT_EQ(keyboard.highlight2.getY(), q.getPoint2().getY());
    ASSERT_EQ(invalidations().size(), 1u);
    const sim::Invalidation& below = invalidations()[0];
    EXPECT_FALSE(below.whole);
    EXPECT_EQ(below.rect.top, 36);  // 30 × 1.22
    EXPECT_EQ(below.rect.left, 0);
    EXPECT_EQ(below.rect.right, desktop().framework().clientRect().right);
    EXPECT_EQ(below.rect.bottom, desktop().framework().clientRect().bottom);

    // Within the same key, and over the gap beside it: nothing.
    desktop().framework().clearInvalidations();
    desktop().mouseMove(onQ.x + 3, onQ.y + 2);
    const int gapX = static_cast<int>((q.getPoint2().getX() + 2) * 1.22f);
    desktop().mouseMove(gapX, onQ.y);
    EXPECT_TRUE(invalidations().empty());
    EXPECT_EQ(keyboard.highlight1.getX(), q.getPoint1().getX());
}

TEST_F(HoverTest, LeftClickActivatesTheKeyUnderThePointer) {
    CPelvokDlg& keyboard = startTyping();

    click('w');

    EXPECT_EQ(strokes(), taps({0x57}));
    EXPECT_EQ(keyboard.layout->currentKey().getVirtualKey(), 'w');
    EXPECT_EQ(keyboard.highlightState, 2);
}

TEST_F(HoverTest, LeftClickOnTheTextStripDoesNothing) {
    CPelvokDlg& keyboard = startTyping();
    const int column = keyboard.layout->getCurrentColumn();
    desktop().framework().clearInvalidations();

    desktop().leftClick(60, 10);

    EXPECT_EQ(strokes(), "");
    EXPECT_EQ(keyboard.layout->getCurrentColumn(), column);
    EXPECT_TRUE(invalidations().empty());
}

}  // namespace
}  // namespace pelvok_test
