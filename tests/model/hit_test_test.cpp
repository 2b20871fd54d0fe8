#include <gtest/gtest.h>

#include "model/KeyboardLayout.h"
#include "model/key_codes.h"

namespace {

struct Cell {
    int row;
    int column;
};

// The QWERTY letters, with the right arrow (row 6, column 12) current.
class HitTest : public testing::Test {
protected:
    HitTest() : layout(qwertyTables()) { layout.setCurrent(6, 12); }

    Cell current() const { return {layout.getCurrentRow(), layout.getCurrentColumn()}; }

    KeyboardLayout layout;
};

constexpr Cell kUnchanged{6, 12};

struct HoverCase {
    float increment;
    int x;
    int y;
    Cell expected;
};

TEST_F(HitTest, HoverNeedsAPointStrictlyInsideAKey) {
    // clang-format off
    const HoverCase cases[] = {
        {0.0f, 3, 40, kUnchanged},   // left outline of Esc
        {0.0f, 4, 40, {0, 1}},       // inside Esc: its last column
        {0.0f, 63, 40, kUnchanged},  // right outline of Esc
        {0.0f, 62, 40, {0, 1}},
        {0.0f, 10, 33, kUnchanged},  // top outline
        {0.0f, 10, 34, {0, 1}},
        {0.0f, 10, 61, kUnchanged},  // bottom outline
        {0.0f, 10, 60, {0, 1}},
        {0.0f, 33, 70, kUnchanged},   // gap between back-tab and Tab
        {0.0f, 30, 70, {1, 0}},       // back-tab
        {0.0f, 360, 40, kUnchanged},  // dead cell
        {0.0f, 100, 10, kUnchanged},  // text strip
        {0.0f, 200, 240, {6, 9}},     // space bar: its last column
        {0.0f, 80, 140, {3, 2}},      // q
        // 1.855: Esc spans x 5.6 to 116.9 and y 61.2 to 113.2
        {0.855f, 5, 80, kUnchanged},
        {0.855f, 6, 80, {0, 1}},
        {0.855f, 116, 80, {0, 1}},
        {0.855f, 117, 80, kUnchanged},
        {0.855f, 50, 61, kUnchanged},
        {0.855f, 50, 62, {0, 1}},
        {0.855f, 50, 113, {0, 1}},
        {0.855f, 50, 114, kUnchanged},
        {0.855f, 400, 450, {6, 9}},  // space bar, 241 to 590 by 415 to 467
    };
    // clang-format on
    for (const HoverCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") at +" << c.increment);
        layout.setScale(c.increment);
        layout.setCurrent(kUnchanged.row, kUnchanged.column);
        layout.selectAt(c.x, c.y);
        EXPECT_EQ(current().row, c.expected.row);
        EXPECT_EQ(current().column, c.expected.column);
    }
}

struct ClickCase {
    float increment;
    int x;
    int y;
    int row;
    int column;
};

TEST_F(HitTest, ClickFindsTheCellWithTwoPixelsOfTolerance) {
    // clang-format off
    const ClickCase cases[] = {
        {0.0f, 33, 70, 1, 0},      // near both back-tab and Tab: the left key
        {0.0f, 10, 63, 0, 0},      // 61 + 2: still row 0
        {0.0f, 10, 64, 1, 0},      // 65 - 2 = 63: row 1
        {0.0f, 10, 10, 0, -1},     // text strip
        {0.0f, 10, 30, 0, -1},     // 33 - 2 = 31
        {0.0f, 10, 31, 0, 0},
        {0.0f, 200, 240, 6, 4},    // space bar: its first column
        {0.0f, 360, 40, 0, 11},    // a click can land on a dead cell
        {0.0f, 65, 140, 3, 0},     // Caps Lock wins over q
        {0.0f, 416, 140, 3, -1},   // right of every key
        {0.0f, -5, 40, 0, -1},
        {0.0f, 10, 254, 6, 0},     // 252 + 2
        {0.0f, 10, 255, 0, -1},    // below every row
        {0.0f, 10, -3, 0, -1},
        {0.855f, 50, 115, 0, 0},   // 61 * 1.855 + 2 = 115.2
        {0.855f, 50, 117, 0, -1},  // between rows 0 and 1
        {0.855f, 50, 119, 1, 0},   // 65 * 1.855 - 2 = 118.6
        {0.855f, 118, 250, 3, 0},  // 63 * 1.855 + 2 = 118.9
        {0.855f, 119, 250, 3, -1},
        {0.855f, 123, 250, 3, 2},  // 67 * 1.855 - 2 = 122.3
    };
    // clang-format on
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") at +" << c.increment);
        layout.setScale(c.increment);
        const std::int32_t cell = layout.cellAt(packPoint(c.x, c.y));
        EXPECT_EQ(packedHigh(cell), c.row);
        EXPECT_EQ(packedLow(cell), c.column);
        EXPECT_EQ(current().row, kUnchanged.row);  // clicking alone selects nothing
        EXPECT_EQ(current().column, kUnchanged.column);
    }
    // A miss is 0xFFFF in the low half and 0 in the high half.
    EXPECT_EQ(layout.cellAt(packPoint(10, 10)), 0x0000FFFF);
}

TEST_F(HitTest, SetCurrentIgnoresCellsOutsideTheGrid) {
    for (const Cell& outside : {Cell{-1, 0}, Cell{7, 0}, Cell{0, -1}, Cell{0, 13}}) {
        layout.setCurrent(outside.row, outside.column);
        EXPECT_EQ(current().row, kUnchanged.row);
        EXPECT_EQ(current().column, kUnchanged.column);
    }
    layout.setCurrent(6, 0);
    EXPECT_EQ(layout.currentKey().getVirtualKey(), command::kDockBottomLeft);
}

}  // namespace
