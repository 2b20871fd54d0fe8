#include "platform/raster/image.h"

#include <algorithm>

namespace raster {

Rect intersect(const Rect& a, const Rect& b) {
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

Image::Image(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Color Image::pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : kBlack; }

void Image::setPixel(int x, int y, Color color) {
    if (contains(x, y)) {
        row(y)[x] = color;
    }
}

void Image::blendPixel(int x, int y, Color color, int coverage) {
    if (!contains(x, y) || coverage <= 0) {
        return;
    }
    if (coverage >= 255) {
        row(y)[x] = color;
        return;
    }
    Color& p = row(y)[x];
    auto mix = [coverage](int under, int over) {
        return static_cast<std::uint8_t>(under + ((over - under) * coverage + 127) / 255);
    };
    p = Color{mix(p.red, color.red), mix(p.green, color.green), mix(p.blue, color.blue)};
}

void Image::fill(Color color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Image::fillRect(const Rect& rect, Color color) {
    const Rect r = intersect(rect, bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        std::fill(row(y) + r.left, row(y) + std::max(r.left, r.right), color);
    }
}

void Image::frameRect(const Rect& rect, Color color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    fillRect(Rect{rect.left, rect.top, rect.right, rect.top + 1}, color);
    fillRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    fillRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    fillRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void Image::blit(const Image& source, const Rect& from, int x, int y) {
    // Clip the source part to the source, then its destination to this picture.
    Rect src = intersect(from, source.bounds());
    x += src.left - from.left;
    y += src.top - from.top;
    const Rect dst = intersect(Rect{x, y, x + src.width(), y + src.height()}, bounds());
    src.left += dst.left - x;
    src.top += dst.top - y;
    for (int row_ = 0; row_ < dst.height(); ++row_) {
        const Color* in = source.row(src.top + row_) + src.left;
        std::copy(in, in + std::max(dst.width(), 0), row(dst.top + row_) + dst.left);
    }
}

bool Image::operator==(const Image& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

}  // namespace raster
