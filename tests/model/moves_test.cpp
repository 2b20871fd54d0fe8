#include <gtest/gtest.h>

#include "model/KeyboardLayout.h"
#include "model/key_codes.h"
#include "tests/model/table_sets.h"

namespace {

enum class Move { Up, Down, Left, Right };

Key apply(KeyboardLayout& layout, Move move) {
    switch (move) {
        case Move::Up:
            return layout.moveUp();
        case Move::Down:
            return layout.moveDown();
        case Move::Left:
            return layout.moveLeft();
        case Move::Right:
            return layout.moveRight();
    }
    return Key();
}

struct MoveCase {
    const char* what;
    TableSet set;
    int row;
    int column;
    Move move;
    // The key landed on (its code and first column), or the marker's centre.
    bool edge;
    int codeOrX;
    int columnOrY;
    int endRow;
    int endColumn;
};

class Moves : public testing::TestWithParam<MoveCase> {};

TEST_P(Moves, LandOnTheNextKeyOrReportTheEdge) {
    const MoveCase& c = GetParam();
    KeyboardLayout layout(tablesOf(c.set));
    layout.setCurrent(c.row, c.column);
    const Key result = apply(layout, c.move);
    if (c.edge) {
        EXPECT_EQ(result.getColumn(), -1);
        EXPECT_EQ(result.getSize(), -1);
        EXPECT_EQ(result.getVirtualKey(), 48);
        EXPECT_EQ(result.isCommand(), 0);
        EXPECT_EQ(result.isDirect(), 0);
        EXPECT_EQ(result.getPoint1().getX(), c.codeOrX);
        EXPECT_EQ(result.getPoint1().getY(), c.columnOrY);
        EXPECT_EQ(result.getPoint2().getX(), c.codeOrX);
        EXPECT_EQ(result.getPoint2().getY(), c.columnOrY);
    } else {
        EXPECT_EQ(result.getVirtualKey(), c.codeOrX);
        EXPECT_EQ(result.getColumn(), c.columnOrY);
        EXPECT_NE(result.getSize(), 0);
    }
    EXPECT_EQ(layout.getCurrentRow(), c.endRow);
    EXPECT_EQ(layout.getCurrentColumn(), c.endColumn);
}

// clang-format off
const MoveCase kMoves[] = {
    {"UpFromRowZero", TableSet::Qwerty, 0, 4, Move::Up, true, 144, 47, 0, 4},
    {"UpFromDelMeetsDeadCellThenEdge", TableSet::Qwerty, 1, 11, Move::Up, true, 367, 47, 0, 11},
    {"UpKeepsTheColumn", TableSet::Qwerty, 6, 9, Move::Up, false, 'm', 9, 5, 9},
    {"UpFromSpaceFirstColumn", TableSet::Qwerty, 6, 4, Move::Up, false, 'x', 4, 5, 4},
    {"DownFromAWideKey", TableSet::Qwerty, 2, 7, Move::Down, false, 'y', 7, 3, 7},
    {"DownFromLastRow", TableSet::Qwerty, 6, 9, Move::Down, true, 224, 238, 6, 9},
    {"RightPassesDeadCell", TableSet::Qwerty, 0, 10, Move::Right, false, command::kExit, 12, 0, 12},
    {"LeftPassesDeadCell", TableSet::Qwerty, 0, 12, Move::Left, false, direct::kEnd, 10, 0, 10},
    {"RightAtLastColumn", TableSet::Qwerty, 6, 12, Move::Right, true, 399, 238, 6, 12},
    {"LeftFromQ", TableSet::Qwerty, 3, 2, Move::Left, false, direct::kCapsLock, 0, 3, 1},
    {"LeftFromCapsLock", TableSet::Qwerty, 3, 1, Move::Left, true, 33, 142, 3, 0},
    {"RightFromCapsLockFirstColumn", TableSet::Qwerty, 3, 0, Move::Right, false, 'q', 2, 3, 2},
    {"RightFromCapsLockSecondColumn", TableSet::Qwerty, 3, 1, Move::Right, false, 'q', 2, 3, 2},
    {"RightOverWideKey", TableSet::Qwerty, 1, 3, Move::Right, false, suggestion_key::kFirst + 4, 5,
     1, 5},
    {"UpOverDeadCell", TableSet::Startup, 1, 2, Move::Up, true, 80, 47, 0, 2},
    {"UpOverSymbolsDeadCell", TableSet::Symbols, 5, 1, Move::Up, false, direct::kCapsLock, 0, 3, 1},
    {"DownOverSymbolsDeadCell", TableSet::Symbols, 3, 0, Move::Down, false, command::kCopy, 0, 5,
     0},
    {"LeftOverTwoDeadCells", TableSet::Symbols, 4, 2, Move::Left, true, 17, 174, 4, 0},
    {"RightIntoTrailingDeadCell", TableSet::Symbols, 4, 11, Move::Right, true, 399, 174, 4, 12},
    {"DownInOptimizedLetters", TableSet::Optimized, 3, 7, Move::Down, false, 'o', 7, 4, 7},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Navigation, Moves, testing::ValuesIn(kMoves),
                         [](const testing::TestParamInfo<MoveCase>& info) {
                             return std::string(info.param.what);
                         });

// The column stored by a hover (last) or a click (first) decides a move up.
TEST(MovesAfterSelection, HoverAndClickStoreDifferentColumns) {
    KeyboardLayout layout(qwertyTables());
    layout.selectAt(200, 240);
    EXPECT_EQ(layout.moveUp().getVirtualKey(), 'm');

    const std::int32_t cell = layout.cellAt(packPoint(200, 240));
    layout.setCurrent(packedHigh(cell), packedLow(cell));
    EXPECT_EQ(layout.moveUp().getVirtualKey(), 'x');
}

TEST(MovesAfterSelection, EmptyLayoutReportsTheMissingKey) {
    KeyboardLayout layout{LayoutTables{}};
    testing::internal::CaptureStdout();
    const Key key = layout.currentKey();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "EXCEPCION: NO SE ENCUENTRA POSICION EN EL TECLADO\n");
    EXPECT_EQ(key.getVirtualKey(), 0);
    const Key moved = layout.moveDown();
    EXPECT_EQ(moved.getColumn(), -1);
}

}  // namespace
