// A 24-bit RGB picture in memory, top row first, with the few fills and
// copies the keyboard's pictures and the simulated desktop need.
#pragma once

#include <vector>

#include "platform/platform.h"

namespace raster {

using Color = platform::Color;
// GDI convention: right and bottom are exclusive.
using Rect = platform::Rect;

constexpr Color kBlack{0, 0, 0};
constexpr Color kWhite{255, 255, 255};

// The part of `a` that lies in `b`; empty (width or height <= 0) when none.
Rect intersect(const Rect& a, const Rect& b);

class Image {
public:
    Image() = default;
    // Negative sizes are taken as 0.
    Image(int width, int height, Color fill = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    Rect bounds() const { return Rect{0, 0, width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Black outside the picture.
    Color pixel(int x, int y) const;
    // Points outside the picture are ignored, here and in every drawing call.
    void setPixel(int x, int y, Color color);
    // Mixes `color` over the pixel by coverage / 255.
    void blendPixel(int x, int y, Color color, int coverage);

    void fill(Color color);
    void fillRect(const Rect& rect, Color color);
    // FrameRect: a frame one pixel wide along the inside of the rectangle.
    void frameRect(const Rect& rect, Color color);
    // Copies the part `from` of `source` with its top-left corner at (x, y).
    void blit(const Image& source, const Rect& from, int x, int y);
    void blit(const Image& source, int x, int y) { blit(source, source.bounds(), x, y); }

    // Row-major, top row first, three bytes (red, green, blue) per pixel.
    const std::vector<Color>& pixels() const { return pixels_; }
    const Color* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    Color* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }

    bool operator==(const Image& other) const;
    bool operator!=(const Image& other) const { return !(*this == other); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

static_assert(sizeof(Color) == 3, "pixels are stored as packed RGB triples");

}  // namespace raster
