#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "model/KeyboardLayout.h"
#include "model/ModelExceptions.h"
#include "model/key_codes.h"
#include "tests/model/table_sets.h"

namespace {

// Every key's code, size and flags, row by row.
std::string signature(const KeyboardLayout& layout) {
    std::string out;
    for (int r = 0; r < layout.lineCount(); ++r) {
        const KeyLine& row = layout.line(r);
        for (int i = 0; i < row.keyCount(); ++i) {
            const Key key = row.keyAt(i);
            out += std::to_string(key.getVirtualKey()) + "/" + std::to_string(key.getSize()) + "/" +
                   std::to_string(key.isCommand()) + std::to_string(key.isDirect()) + " ";
        }
        out += "| ";
    }
    return out;
}

std::string signature(TableSet set) { return signature(KeyboardLayout(tablesOf(set))); }

TEST(KeyboardLayoutCreation, StartsOnTheStartupTableWithClearFlags) {
    KeyboardLayout layout(startupTables());
    EXPECT_EQ(layout.getCurrentRow(), 0);
    EXPECT_EQ(layout.getCurrentColumn(), 0);
    EXPECT_EQ(layout.getCapsLock(), 0);
    EXPECT_EQ(layout.getShiftLatched(), 0);
    EXPECT_EQ(layout.getShiftConsumed(), 0);
    EXPECT_EQ(layout.getSymbolsPage(), 0);
    EXPECT_EQ(layout.getFileDialogKind(), file_dialog::kNone);
    EXPECT_FLOAT_EQ(layout.getScale(), 1.0f);
    EXPECT_EQ(layout.line(0).keyAtColumn(2).getVirtualKey(), 0);
}

TEST(KeyboardLayoutCreation, CapsLockFollowsTheRealKeyboard) {
    EXPECT_EQ(KeyboardLayout(startupTables(), true).getCapsLock(), 1);
    EXPECT_EQ(KeyboardLayout(startupTables(), false).getCapsLock(), 0);
}

TEST(KeyboardLayoutCreation, StartupTableStaysUntilTheFirstPageLoad) {
    KeyboardLayout layout(startupTables());
    layout.setLetterLayout(1);
    EXPECT_EQ(signature(layout), signature(TableSet::Startup));
    EXPECT_FALSE(layout.showsOptimizedLetters());
    layout.loadPage();
    EXPECT_EQ(signature(layout), signature(TableSet::Optimized));
    EXPECT_TRUE(layout.showsOptimizedLetters());
}

TEST(LoadPage, ChoosesTheTableSetFromTheFlags) {
    struct Case {
        std::uint8_t symbolsPage;
        std::uint8_t capsLock;
        std::uint8_t shiftLatched;
        int letterLayout;
        TableSet expected;
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 0, 2, TableSet::Qwerty},    {0, 0, 0, 1, TableSet::Optimized},
        {0, 1, 0, 2, TableSet::Qwerty},    {0, 1, 1, 1, TableSet::Optimized},
        {0, 0, 1, 2, TableSet::Qwerty},    {1, 0, 0, 2, TableSet::Symbols},
        {1, 0, 0, 1, TableSet::Symbols},   {1, 1, 0, 2, TableSet::Qwerty},
        {1, 1, 0, 1, TableSet::Optimized}, {0, 0, 0, 0, TableSet::Qwerty},
        {0, 0, 0, 3, TableSet::Qwerty},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "symbols " << int(c.symbolsPage) << " caps " << int(c.capsLock) << " shift "
                     << int(c.shiftLatched) << " layout " << c.letterLayout);
        KeyboardLayout layout(startupTables());
        layout.setSymbolsPage(c.symbolsPage);
        layout.setCapsLock(c.capsLock);
        layout.setShiftLatched(c.shiftLatched);
        layout.setLetterLayout(c.letterLayout);
        layout.setScale(0.22f);
        layout.setCurrent(5, 7);
        layout.loadPage();
        EXPECT_EQ(signature(layout), signature(c.expected));
        EXPECT_EQ(layout.showsOptimizedLetters(), c.expected == TableSet::Optimized);
        EXPECT_EQ(layout.getCurrentRow(), 0);
        EXPECT_EQ(layout.getCurrentColumn(), 0);
        EXPECT_EQ(layout.currentKey().getVirtualKey(), direct::kEscape);
        // Loading a page changes no flag and not the size.
        EXPECT_EQ(layout.getSymbolsPage(), c.symbolsPage);
        EXPECT_EQ(layout.getCapsLock(), c.capsLock);
        EXPECT_EQ(layout.getShiftLatched(), c.shiftLatched);
        EXPECT_EQ(layout.getLetterLayout(), c.letterLayout);
        EXPECT_FLOAT_EQ(layout.getScale(), 1.22f);
    }
}

TEST(KeyboardLayoutFlags, ScaleStoresTheIncrementPlusOne) {
    KeyboardLayout layout(startupTables());
    for (float increment : {0.0f, 0.11f, 0.22f, 0.855f}) {
        layout.setScale(increment);
        EXPECT_FLOAT_EQ(layout.getScale(), 1.0f + increment);
    }
    layout.setScale(0.855f);
    EXPECT_FLOAT_EQ(layout.getScale(), 1.855f);
}

TEST(KeyboardLayoutFlags, ShiftConsumedAnswersOneOnlyForExactlyOne) {
    KeyboardLayout layout(startupTables());
    layout.setShiftConsumed(1);
    EXPECT_EQ(layout.getShiftConsumed(), 1);
    EXPECT_EQ(layout.getShiftConsumed(), 1);  // reading does not use it up
    layout.setShiftConsumed(2);
    EXPECT_EQ(layout.getShiftConsumed(), 0);
    EXPECT_EQ(layout.getShiftConsumed(), 0);
}

TEST(KeyboardLayoutRows, LineOutsideTheLayoutIsRefused) {
    const KeyboardLayout layout(startupTables());
    EXPECT_THROW(layout.line(7), ArrayIndexOutRange);
    EXPECT_THROW(layout.line(-1), ArrayIndexOutRange);
}

// Tables that would make the build read past the edge or per-key tables are
// refused, and the layout keeps its page.
TEST(KeyboardLayoutRows, MalformedTablesAreRefused) {
    LayoutTables overrun = symbolsTables();
    overrun.sizes[0] = 3;  // Esc now runs past column 12 of row 0
    LayoutTables shortCodes = symbolsTables();
    shortCodes.codes.pop_back();
    LayoutTables shortEdges = symbolsTables();
    shortEdges.rightEdges.pop_back();
    LayoutTables negative = symbolsTables();
    negative.sizes[5] = -1;

    for (const LayoutTables* bad : {&overrun, &shortCodes, &shortEdges, &negative}) {
        KeyboardLayout layout(qwertyTables());
        layout.setCurrent(3, 4);
        EXPECT_THROW(layout.loadTables(*bad), std::invalid_argument);
        EXPECT_EQ(signature(layout), signature(TableSet::Qwerty));
        EXPECT_EQ(layout.getCurrentRow(), 3);
        EXPECT_EQ(layout.getCurrentColumn(), 4);
        EXPECT_THROW(KeyboardLayout{*bad}, std::invalid_argument);
    }
}

}  // namespace
