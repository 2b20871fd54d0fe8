#include <gtest/gtest.h>

#include "model/KeyLine.h"
#include "model/KeyboardLayout.h"
#include "model/ModelExceptions.h"
#include "model/key_codes.h"

namespace {

// QWERTY row 3: Caps Lock (size 2), q w e r t y u i o p .
KeyLine capsRow() { return KeyboardLayout(qwertyTables()).line(3); }

TEST(KeyAtColumn, FindsTheKeyCoveringEachColumn) {
    const KeyLine row = capsRow();
    struct Case {
        int column;
        int code;
    };
    for (const Case& c : {Case{-1, direct::kCapsLock}, Case{0, direct::kCapsLock},
                          Case{1, direct::kCapsLock}, Case{2, 'q'}, Case{3, 'w'}, Case{12, '.'}}) {
        EXPECT_EQ(row.keyAtColumn(c.column).getVirtualKey(), c.code) << "column " << c.column;
    }
    EXPECT_THROW(row.keyAtColumn(13), keyNotExistInLine);
}

TEST(KeyAtColumn, DeadCellTakesOneColumnAndKeepsSizeZero) {
    const KeyLine row = KeyboardLayout(startupTables()).line(0);
    for (int column : {2, 11}) {
        const Key dead = row.keyAtColumn(column);
        EXPECT_EQ(dead.getVirtualKey(), 0);
        EXPECT_EQ(dead.getSize(), 0);
        EXPECT_EQ(dead.getColumn(), column);
    }
    EXPECT_EQ(row.keyAtColumn(3).getVirtualKey(), cp1252::kInvertedQuestion);
    EXPECT_EQ(row.keyAtColumn(12).getVirtualKey(), command::kExit);
}

TEST(KeyAtColumn, EmptyRowHasNoKey) { EXPECT_THROW(KeyLine().keyAtColumn(0), keyNotExistInLine); }

TEST(KeyAt, RefusesIndicesOutsideTheRow) {
    const KeyLine row = capsRow();
    ASSERT_EQ(row.keyCount(), 12);
    EXPECT_EQ(row.keyAt(11).getVirtualKey(), '.');
    EXPECT_THROW(row.keyAt(row.keyCount()), ArrayIndexOutRange);
    EXPECT_THROW(row.keyAt(-1), ArrayIndexOutRange);
    EXPECT_EQ(KeyLine().keyCount(), 0);
    EXPECT_THROW(KeyLine().keyAt(0), ArrayIndexOutRange);
}

TEST(ColumnAtX, TwoPixelToleranceLeftKeyWins) {
    const KeyLine row = capsRow();
    struct Case {
        float scale;
        int x;
        int column;
    };
    // clang-format off
    const Case cases[] = {
        {1.0f, 0, -1},     {1.0f, 1, 0},       // Caps Lock starts at 3
        {1.0f, 65, 0},                          // 63 + 2 and 67 - 2 meet
        {1.0f, 66, 2},     {1.0f, 415, 12},    {1.0f, 416, -1},
        {1.0f, -5, -1},
        {1.855f, 118, 0},  {1.855f, 119, -1},  // 63 * 1.855 + 2 = 118.9
        {1.855f, 122, -1}, {1.855f, 123, 2},   // 67 * 1.855 - 2 = 122.3
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(row.columnAtX(static_cast<std::int16_t>(c.x), c.scale), c.column)
            << "x " << c.x << " at scale " << c.scale;
    }
}

}  // namespace
