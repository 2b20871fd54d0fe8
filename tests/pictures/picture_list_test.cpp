#include "resources/pictures/picture_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/resource_ids.h"

namespace {

using pictures::Arrangement;
using pictures::Page;
using pictures::PictureSpec;

TEST(PictureListTest, CoversEveryPictureResourceOnce) {
    const std::set<int> expected = {
        IDB_SYMBOLS_1,         IDB_SYMBOLS_2,         IDB_SYMBOLS_3,         IDB_SYMBOLS_4,
        IDB_LOWER_1,           IDB_LOWER_2,           IDB_LOWER_3,           IDB_LOWER_4,
        IDB_UPPER_1,           IDB_UPPER_2,           IDB_UPPER_3,           IDB_UPPER_4,
        IDB_LOWER_SHIFT_1,     IDB_LOWER_SHIFT_2,     IDB_LOWER_SHIFT_3,     IDB_LOWER_SHIFT_4,
        IDB_UPPER_SHIFT_1,     IDB_UPPER_SHIFT_2,     IDB_UPPER_SHIFT_3,     IDB_UPPER_SHIFT_4,
        IDB_OPT_LOWER_1,       IDB_OPT_LOWER_2,       IDB_OPT_LOWER_3,       IDB_OPT_LOWER_4,
        IDB_OPT_UPPER_1,       IDB_OPT_UPPER_2,       IDB_OPT_UPPER_3,       IDB_OPT_UPPER_4,
        IDB_OPT_LOWER_SHIFT_1, IDB_OPT_LOWER_SHIFT_2, IDB_OPT_LOWER_SHIFT_3, IDB_OPT_LOWER_SHIFT_4,
        IDB_OPT_UPPER_SHIFT_1, IDB_OPT_UPPER_SHIFT_2, IDB_OPT_UPPER_SHIFT_3, IDB_OPT_UPPER_SHIFT_4,
    };
    std::set<int> listed;
    for (const PictureSpec& entry : pictures::allPictures()) {
        EXPECT_TRUE(listed.insert(entry.resourceId).second) << entry.resourceId;
    }
    EXPECT_EQ(listed, expected);
}

TEST(PictureListTest, ResourceNumbersShowTheirPageAndSize) {
    struct Case {
        int id;
        Page page;
        Arrangement arrangement;
        int step;
    } cases[] = {
        {IDB_SYMBOLS_1, Page::Symbols, Arrangement::Qwerty, 1},
        {IDB_LOWER_4, Page::Lower, Arrangement::Qwerty, 4},
        {IDB_UPPER_1, Page::Upper, Arrangement::Qwerty, 1},  // 175, out of sequence
        {IDB_UPPER_4, Page::Upper, Arrangement::Qwerty, 4},  // 177
        {IDB_LOWER_SHIFT_2, Page::LowerShiftLit, Arrangement::Qwerty, 2},
        {IDB_UPPER_SHIFT_4, Page::UpperShiftLit, Arrangement::Qwerty, 4},  // 176
        {IDB_OPT_LOWER_1, Page::Lower, Arrangement::Optimized, 1},
        {IDB_OPT_UPPER_SHIFT_3, Page::UpperShiftLit, Arrangement::Optimized, 3},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const PictureSpec& entry : pictures::allPictures()) {
            if (entry.resourceId == c.id) {
                found = true;
                EXPECT_EQ(entry.page, c.page) << c.id;
                EXPECT_EQ(entry.arrangement, c.arrangement) << c.id;
                EXPECT_EQ(entry.sizeStep, c.step) << c.id;
            }
        }
        EXPECT_TRUE(found) << c.id;
    }
}

TEST(PictureListTest, PagesUseTheTableInForce) {
    PictureSpec entry;
    entry.page = Page::Lower;
    EXPECT_EQ(&pictures::pageTables(entry), &qwertyTables());  // not the startup table
    entry.arrangement = Arrangement::Optimized;
    EXPECT_EQ(&pictures::pageTables(entry), &optimizedTables());
    entry.page = Page::Symbols;
    EXPECT_EQ(&pictures::pageTables(entry), &symbolsTables());
}

}  // namespace
