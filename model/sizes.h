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

// Size step 4 is offered only on screens wider than this.
inline constexpr int kNarrowScreenWidth = 1024;
inline constexpr bool fitsLargestSize(int screenWidth) { return screenWidth > kNarrowScreenWidth; }

// The increment of `step` (1 to 4) on a screen `screenWidth` wide: a narrow
// screen gets step 3 for step 4.
inline constexpr float increment(int step, int screenWidth) {
    if (step == kSteps && !fitsLargestSize(screenWidth)) return kIncrements[kSteps - 2];
    return kIncrements[step - 1];
}

}  // namespace sizes
