// The keyboard's four sizes. The model's scale is 1.0 plus the increment of
// the size step; every window and picture size is the base size times it.
#pragma once

namespace sizes {

// The keyboard picture at size step 1, in pixels.
inline constexpr int kBaseWidth = 419;
inline constexpr int kBaseHeight = 256;

inline constexpr int kSteps = 4;
// The increment setScale takes for size steps 1 to 4.
inline constexpr float kIncrements[kSteps] = {0.0f, 0.11f, 0.22f, 0.855f};

// The keyboard pictures of size steps 1 to 4, in pixels (the window at a
// size step is the base size times the scale, which may differ by a pixel).
struct PictureSize {
    int width;
    int height;
};
inline constexpr PictureSize kPictureSizes[kSteps] = {
    {419, 256}, {464, 284}, {511, 312}, {776, 475}};

// Screens of more pixels per inch get the whole keyboard larger, with
// pictures drawn for it: set 0 for 96 dpi (100 %), then 150 % and 200 %.
// A picture of set n has the resource number of set 0's plus n times the offset.
inline constexpr int kDisplaySets = 3;
inline constexpr float kDisplayScales[kDisplaySets] = {1.0f, 1.5f, 2.0f};
inline constexpr int kDisplaySetOffset = 1000;
inline constexpr int kStandardDpi = 96;

// The set for a screen of `dpi`: the smallest at least as large as the
// screen's own scale, the largest beyond it.
inline constexpr int displaySet(int dpi) {
    for (int set = 0; set < kDisplaySets; ++set) {
        if (dpi <= kStandardDpi * kDisplayScales[set]) return set;
    }
    return kDisplaySets - 1;
}

// Size step 4 is offered only on screens wider than this, in pixels of
// 96 dpi (a screen's width over the scale of its picture set).
inline constexpr int kNarrowScreenWidth = 1024;
inline constexpr bool fitsLargestSize(int screenWidth, float displayScale = 1.0f) {
    return screenWidth > kNarrowScreenWidth * displayScale;
}

// The increment of `step` (1 to 4) on a screen `screenWidth` wide: a narrow
// screen gets step 3 for step 4.
inline constexpr float increment(int step, int screenWidth, float displayScale = 1.0f) {
    if (step == kSteps && !fitsLargestSize(screenWidth, displayScale))
        return kIncrements[kSteps - 2];
    return kIncrements[step - 1];
}

}  // namespace sizes
