// Every keyboard picture the keyboard loads: which page, arrangement and
// size step each resource number shows.
#pragma once

#include <vector>

#include "model/LayoutTables.h"

namespace pictures {

enum class Page { Symbols, Lower, Upper, LowerShiftLit, UpperShiftLit };
enum class Arrangement { Qwerty, Optimized };

struct PictureSpec {
    int resourceId = 0;
    Page page = Page::Lower;
    Arrangement arrangement = Arrangement::Qwerty;
    int sizeStep = 1;  // 1 to 4
    int displaySet = 0;  // model/sizes.h
};

struct PictureSize {
    int width = 0;
    int height = 0;
    float scale = 1.0f;
};

// The picture size and the model's scale of a size step (1 to 4) in a
// display set.
PictureSize pictureSize(int sizeStep, int displaySet = 0);

// The twenty QWERTY and symbols pictures, then the sixteen optimized ones.
const std::vector<PictureSpec>& allPictures();
// The same for the display sets beyond the first, set by set.
const std::vector<PictureSpec>& largerDisplayPictures();

// The key table a picture shows.
const LayoutTables& pageTables(const PictureSpec& entry);
// Letter labels in capitals.
bool showsUpperCase(Page page);
// The one-shot SHIFT drawn lit.
bool showsShiftLit(Page page);

}  // namespace pictures
