// Draws one keyboard picture from the key table of its page, at its size.
#pragma once

#include "model/Key.h"
#include "platform/raster/image.h"
#include "resources/pictures/picture_list.h"

namespace pictures {

constexpr raster::Color kBackground{156, 207, 255};
constexpr raster::Color kKeyFill{255, 255, 255};
constexpr raster::Color kKeyOutline{60, 60, 60};
constexpr raster::Color kInk{0, 0, 0};
constexpr raster::Color kPowerFill{255, 117, 123};
constexpr raster::Color kEditFill{255, 255, 189};       // Del, Home, End
constexpr raster::Color kClipboardFill{173, 239, 255};  // Copy, Paste, Cut
constexpr raster::Color kShiftLitFill{255, 223, 82};

// The pixels the key covers at `scale`, outline included (right and bottom
// exclusive): the same truncated coordinates the window's hit tests use.
raster::Rect keyBox(const Key& key, float scale);

// The inside of the text strip at `scale` (right and bottom exclusive).
raster::Rect textStripInside(float scale);

// The colour a key is filled with on the picture's page.
raster::Color keyFill(const Key& key, Page page);

// Whether the key is one of the six suggestion keys, drawn blank.
bool isSuggestionKey(const Key& key, Page page);

raster::Image renderPicture(const PictureSpec& entry);

}  // namespace pictures
