#include "resources/pictures/picture_list.h"

#include <stdexcept>

#include "model/sizes.h"
#include "resources/resource_ids.h"

namespace pictures {

PictureSize pictureSize(int sizeStep) {
    if (sizeStep < 1 || sizeStep > sizes::kSteps) {
        throw std::out_of_range("size step outside 1 to 4");
    }
    // The model stores 1.0 + the increment given to setScale; the same float
    // sum here keeps every truncated coordinate equal to the window's.
    const int i = sizeStep - 1;
    return PictureSize{sizes::kPictureSizes[i].width, sizes::kPictureSizes[i].height,
                       sizes::kIncrements[i] + 1.0f};
}

const std::vector<PictureSpec>& allPictures() {
    static const std::vector<PictureSpec> list = [] {
        struct Row {
            Page page;
            Arrangement arrangement;
            int ids[4];
        };
        const Row rows[] = {
            {Page::Symbols,
             Arrangement::Qwerty,
             {IDB_SYMBOLS_1, IDB_SYMBOLS_2, IDB_SYMBOLS_3, IDB_SYMBOLS_4}},
            {Page::Lower,
             Arrangement::Qwerty,
             {IDB_LOWER_1, IDB_LOWER_2, IDB_LOWER_3, IDB_LOWER_4}},
            {Page::Upper,
             Arrangement::Qwerty,
             {IDB_UPPER_1, IDB_UPPER_2, IDB_UPPER_3, IDB_UPPER_4}},
            {Page::LowerShiftLit,
             Arrangement::Qwerty,
             {IDB_LOWER_SHIFT_1, IDB_LOWER_SHIFT_2, IDB_LOWER_SHIFT_3, IDB_LOWER_SHIFT_4}},
            {Page::UpperShiftLit,
             Arrangement::Qwerty,
             {IDB_UPPER_SHIFT_1, IDB_UPPER_SHIFT_2, IDB_UPPER_SHIFT_3, IDB_UPPER_SHIFT_4}},
            {Page::Lower,
             Arrangement::Optimized,
             {IDB_OPT_LOWER_1, IDB_OPT_LOWER_2, IDB_OPT_LOWER_3, IDB_OPT_LOWER_4}},
            {Page::Upper,
             Arrangement::Optimized,
             {IDB_OPT_UPPER_1, IDB_OPT_UPPER_2, IDB_OPT_UPPER_3, IDB_OPT_UPPER_4}},
            {Page::LowerShiftLit,
             Arrangement::Optimized,
             {IDB_OPT_LOWER_SHIFT_1, IDB_OPT_LOWER_SHIFT_2, IDB_OPT_LOWER_SHIFT_3,
              IDB_OPT_LOWER_SHIFT_4}},
            {Page::UpperShiftLit,
             Arrangement::Optimized,
             {IDB_OPT_UPPER_SHIFT_1, IDB_OPT_UPPER_SHIFT_2, IDB_OPT_UPPER_SHIFT_3,
              IDB_OPT_UPPER_SHIFT_4}},
        };
        std::vector<PictureSpec> specs;
        for (const Row& row : rows) {
            for (int step = 1; step <= 4; ++step) {
                specs.push_back(PictureSpec{row.ids[step - 1], row.page, row.arrangement, step});
            }
        }
        return specs;
    }();
    return list;
}

const LayoutTables& pageTables(const PictureSpec& entry) {
    if (entry.page == Page::Symbols) {
        return symbolsTables();
    }
    return entry.arrangement == Arrangement::Optimized ? optimizedTables() : qwertyTables();
}

bool showsUpperCase(Page page) { return page == Page::Upper || page == Page::UpperShiftLit; }

bool showsShiftLit(Page page) { return page == Page::LowerShiftLit || page == Page::UpperShiftLit; }

}  // namespace pictures
