// The current key and the highlight rectangle of the window.
#include <gtest/gtest.h>

#include "tests/support/keyboard_fixture.h"

namespace {

using pelvok_test::KeyboardTest;

using SelectionTest = KeyboardTest;

void expectHighlight(const CPelvokDlg& keyboard, int x1, int y1, int x2, int y2) {
    EXPECT_EQ(keyboard.highlight1.getX(), x1);
    EXPECT_EQ(keyboard.highlight1.getY(), y1);
    EXPECT_EQ(keyboard.highlight2.getX(), x2);
    EXPECT_EQ(keyboard.highlight2.getY(), y2);
}

TEST_F(SelectionTest, SelectCellHighlightsTheKeyCoveringIt) {
    CPelvokDlg& keyboard = start();
    expectHighlight(keyboard, 130, 33, 158, 61);  // the start key, row 0 column 4
    keyboard.selectCell(4, 1);                    // second column of suggestion 4
    EXPECT_EQ(keyboard.layout->getCurrentColumn(), 4);
    expectHighlight(keyboard, 98, 65, 158, 93);
    // A cell outside the grid changes nothing.
    for (int column : {-1, 13}) keyboard.selectCell(column, 0);
    keyboard.selectCell(0, 7);
    EXPECT_EQ(keyboard.layout->getCurrentRow(), 1);
    expectHighlight(keyboard, 98, 65, 158, 93);
}

TEST_F(SelectionTest, MovesFrameTheKeyTheyLandOnAndRepaint) {
    struct Case {
        const char* what;
        Key (CPelvokDlg::*move)();
        int column;  // of the returned key, -1 for the edge
        int x1, y1, x2, y2;
    };
    const Case cases[] = {
        // The key that stays current keeps its frame.
        {"up from row 0 meets the edge", &CPelvokDlg::moveCurrentUp, -1, 130, 33, 158, 61},
        {"down", &CPelvokDlg::moveCurrentDown, 3, 98, 65, 158, 93},
        {"right", &CPelvokDlg::moveCurrentRight, 5, 162, 33, 190, 61},
        {"left", &CPelvokDlg::moveCurrentLeft, 3, 98, 33, 126, 61},
    };
    CPelvokDlg& keyboard = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keyboard.selectCell(4, 0);
        keyboard.highlightState = 3;  // no frame, as after a right click
        desktop().framework().clearInvalidations();
        const Key key = (keyboard.*c.move)();
        EXPECT_EQ(key.getColumn(), c.column);
        expectHighlight(keyboard, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(keyboard.highlightState, 1) << "a move shows its frame";
        ASSERT_FALSE(desktop().framework().invalidations().empty());
        EXPECT_TRUE(desktop().framework().invalidations().front().whole);
    }
}

}  // namespace
