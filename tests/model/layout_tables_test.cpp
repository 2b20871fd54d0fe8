#include <gtest/gtest.h>

#include "model/KeyboardLayout.h"
#include "model/key_codes.h"
#include "tests/model/table_sets.h"

namespace {

class EveryTableSet : public testing::TestWithParam<TableSet> {};

TEST_P(EveryTableSet, RowsFillThirteenColumnsOnTheSharedGrid) {
    const LayoutTables& tables = tablesOf(GetParam());
    const KeyboardLayout layout(tables);
    ASSERT_EQ(layout.getRowCount(), 7);
    ASSERT_EQ(layout.getColumnCount(), 13);
    ASSERT_EQ(layout.lineCount(), 7);

    std::size_t keys = 0;
    for (int r = 0; r < 7; ++r) {
        const KeyLine& row = layout.line(r);
        int sum = 0;
        for (int i = 0; i < row.keyCount(); ++i) {
            const Key key = row.keyAt(i);
            const int width = key.getSize() == 0 ? 1 : key.getSize();
            EXPECT_EQ(key.getColumn(), sum) << "row " << r << " key " << i;
            EXPECT_EQ(key.getPoint1().getX(), tables.leftEdges[sum]);
            EXPECT_EQ(key.getPoint2().getX(), tables.rightEdges[sum + width - 1]);
            EXPECT_EQ(key.getPoint1().getY(), tables.topEdges[r]);
            EXPECT_EQ(key.getPoint2().getY(), tables.bottomEdges[r]);
            EXPECT_FALSE(key.isCommand() && key.isDirect());
            EXPECT_EQ(key.getSize() == 0, key.getVirtualKey() == 0) << "row " << r << " key " << i;
            sum += width;
        }
        EXPECT_EQ(sum, 13) << "row " << r;
        keys += static_cast<std::size_t>(row.keyCount());
    }
    // The per-key tables hold exactly the keys of the rows.
    EXPECT_EQ(tables.sizes.size(), keys);
    EXPECT_EQ(tables.codes.size(), keys);
    EXPECT_EQ(tables.commandFlags.size(), keys);
    EXPECT_EQ(tables.directFlags.size(), keys);
}

TEST_P(EveryTableSet, SpaceBarSpansTheMiddleOfTheBottomRow) {
    const KeyboardLayout layout(tablesOf(GetParam()));
    const Key space = layout.line(6).keyAtColumn(4);
    EXPECT_EQ(space.getVirtualKey(), ' ');
    EXPECT_EQ(space.getColumn(), 4);
    EXPECT_EQ(space.getSize(), 6);
    EXPECT_EQ(space.getPoint1().getX(), 130);
    EXPECT_EQ(space.getPoint2().getX(), 318);
    EXPECT_EQ(space.getPoint1().getY(), 224);
    EXPECT_EQ(space.getPoint2().getY(), 252);
    EXPECT_EQ(layout.line(6).keyAtColumn(9).getColumn(), 4);
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryTableSet,
                         testing::Values(TableSet::Startup, TableSet::Qwerty, TableSet::Optimized,
                                         TableSet::Symbols),
                         [](const testing::TestParamInfo<TableSet>& info) {
                             return std::string(nameOf(info.param));
                         });

TEST(TableSets, KeyCounts) {
    EXPECT_EQ(startupTables().sizes.size(), 73u);
    EXPECT_EQ(qwertyTables().sizes.size(), 73u);
    EXPECT_EQ(optimizedTables().sizes.size(), 73u);
    EXPECT_EQ(symbolsTables().sizes.size(), 77u);
}

// Keys picked from every set: code, kind (n, c, d), size and rectangle.
TEST(TableSets, SampleKeysMatchTheKeyboard) {
    struct Case {
        TableSet set;
        int row;
        int column;
        int code;
        char kind;
        int size;
        int x1, y1, x2, y2;
    };
    // clang-format off
    const Case cases[] = {
        {TableSet::Qwerty, 0, 1, direct::kEscape, 'd', 2, 3, 33, 63, 61},
        {TableSet::Qwerty, 0, 2, command::kArrangement, 'c', 1, 67, 33, 94, 61},
        {TableSet::Startup, 0, 2, 0, 'n', 0, 67, 33, 94, 61},           // dead cell instead
        {TableSet::Qwerty, 0, 3, cp1252::kInvertedQuestion, 'n', 1, 98, 33, 126, 61},
        {TableSet::Qwerty, 0, 11, 0, 'n', 0, 354, 33, 381, 61},         // dead cell
        {TableSet::Qwerty, 0, 12, command::kExit, 'c', 1, 385, 33, 413, 61},
        {TableSet::Qwerty, 1, 4, suggestion_key::kFirst + 3, 'n', 2, 98, 65, 158, 93},
        {TableSet::Qwerty, 1, 9, command::kDeleteWord, 'c', 2, 290, 65, 350, 93},
        {TableSet::Qwerty, 1, 11, command::kForwardDelete, 'c', 1, 354, 65, 381, 93},
        {TableSet::Qwerty, 2, 12, direct::kEnter, 'd', 2, 354, 97, 413, 125},
        {TableSet::Qwerty, 3, 2, 113, 'n', 1, 67, 129, 94, 156},        // q
        {TableSet::Qwerty, 4, 11, cp1252::kSmallNTilde, 'n', 1, 354, 160, 381, 188},
        {TableSet::Qwerty, 5, 10, cp1252::kSmallCCedilla, 'n', 1, 322, 193, 350, 220},
        {TableSet::Qwerty, 5, 11, direct::kUp, 'd', 1, 354, 193, 381, 220},
        {TableSet::Qwerty, 5, 12, direct::kContextMenu, 'd', 1, 385, 193, 413, 220},
        {TableSet::Qwerty, 6, 1, command::kDockBottom, 'c', 1, 35, 224, 63, 252},
        {TableSet::Optimized, 0, 3, direct::kOpenDictionary, 'd', 1, 98, 33, 126, 61},
        {TableSet::Optimized, 0, 9, suggestion_key::kLast, 'n', 2, 258, 33, 318, 61},
        {TableSet::Optimized, 1, 4, suggestion_key::kFirst, 'n', 2, 130, 65, 190, 93},
        {TableSet::Optimized, 1, 12, command::kDeleteWord, 'c', 2, 354, 65, 413, 93},
        {TableSet::Optimized, 2, 4, 113, 'n', 1, 130, 97, 158, 125},    // q
        {TableSet::Optimized, 3, 12, direct::kEnter, 'd', 2, 354, 129, 413, 156},
        {TableSet::Optimized, 4, 12, 46, 'n', 1, 385, 160, 413, 188},   // .
        {TableSet::Optimized, 5, 10, 120, 'n', 1, 322, 193, 350, 220},  // x
        {TableSet::Symbols, 0, 2, direct::kF1, 'd', 1, 67, 33, 94, 61},
        {TableSet::Symbols, 0, 10, direct::kF9, 'd', 1, 322, 33, 350, 61},
        {TableSet::Symbols, 1, 9, 128, 'n', 1, 290, 65, 318, 93},       // €
        {TableSet::Symbols, 1, 10, 37, 'n', 1, 322, 65, 350, 93},       // %
        {TableSet::Symbols, 2, 11, direct::kBackspace, 'd', 2, 354, 97, 413, 125},
        {TableSet::Symbols, 4, 0, 0, 'n', 0, 3, 160, 31, 188},          // dead cell
        {TableSet::Symbols, 4, 1, 0, 'n', 0, 35, 160, 63, 188},         // dead cell
        {TableSet::Symbols, 4, 11, 61, 'n', 1, 354, 160, 381, 188},     // =
        {TableSet::Symbols, 4, 12, 0, 'n', 0, 385, 160, 413, 188},      // dead cell
        {TableSet::Symbols, 5, 0, command::kCopy, 'c', 2, 3, 193, 63, 220},
        {TableSet::Symbols, 5, 9, 48, 'n', 1, 290, 193, 318, 220},      // 0
        {TableSet::Symbols, 6, 3, command::kCut, 'c', 2, 67, 224, 126, 252},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.set << " row " << c.row << " column " << c.column);
        const Key key = KeyboardLayout(tablesOf(c.set)).line(c.row).keyAtColumn(c.column);
        EXPECT_EQ(key.getVirtualKey(), c.code);
        EXPECT_EQ(key.isCommand(), c.kind == 'c' ? 1 : 0);
        EXPECT_EQ(key.isDirect(), c.kind == 'd' ? 1 : 0);
        EXPECT_EQ(key.getSize(), c.size);
        EXPECT_EQ(key.getPoint1().getX(), c.x1);
        EXPECT_EQ(key.getPoint1().getY(), c.y1);
        EXPECT_EQ(key.getPoint2().getX(), c.x2);
        EXPECT_EQ(key.getPoint2().getY(), c.y2);
    }
}

TEST(TableSets, StartupDiffersFromQwertyOnlyAtTheArrangementKey) {
    const LayoutTables& startup = startupTables();
    const LayoutTables& qwerty = qwertyTables();
    ASSERT_EQ(startup.codes.size(), qwerty.codes.size());
    for (std::size_t k = 0; k < startup.codes.size(); ++k) {
        if (k == 1) {  // row 0, second key
            continue;
        }
        EXPECT_EQ(startup.codes[k], qwerty.codes[k]) << "key " << k;
        EXPECT_EQ(startup.sizes[k], qwerty.sizes[k]) << "key " << k;
        EXPECT_EQ(startup.commandFlags[k], qwerty.commandFlags[k]) << "key " << k;
        EXPECT_EQ(startup.directFlags[k], qwerty.directFlags[k]) << "key " << k;
    }
}

}  // namespace
