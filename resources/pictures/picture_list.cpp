#include "resources/pictures/picture_list.h"

#include <stdexcept>

#include "model/sizes.h"
#include "resources/resource_ids.h"

namespace pictures {

PictureSize pictureSize(int sizeStep, int displaySet) {
    if (sizeStep < 1 || sizeStep > sizes::kSteps) {
        throw std::out_of_range("size step outside 1 to 4");
    }
    if (displaySet < 0 || displaySet >= sizes::kDisplaySets) {
        throw std::out_of_range("no such display set");
    }
    // The model stores 1.0 + the increment given to setScale and multiplies
    // it by the display scale; the same float arithmetic here keeps every
    // truncated coordinate equal to the window's.
    const int i = sizeStep - 1;
    const float stepScale = sizes::kIncrements[i] + 1.0f;
    if (displaySet == 0) {
        return PictureSize{sizes::kPictureSizes[i].width, sizes::kPictureSizes[i].height,
                           stepScale};
    }
    const float scale = stepScale * sizes::kDisplayScales[displaySet];
    return PictureSize{static_cast<int>(sizes::kBaseWidth * scale),
                       static_cast<int>(sizes::kBaseHeight * scale), scale};
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

const std::vector<PictureSpec>& largerDisplayPictures() {
    static const std::vector<PictureSpec> list = [] {
        std::vector<PictureSpec> specs;
        for (int set = 1; set < sizes::kDisplaySets; ++set) {
            for (PictureSpec entry : allPictures()) {
                entry.resourceId += set * sizes::kDisplaySetOffset;
                entry.displaySet = set;
                specs.push_back(entry);
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
