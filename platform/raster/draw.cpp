#include "platform/raster/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace raster {

namespace {

constexpr int kSamples = 4;
constexpr double kPi = 3.14159265358979323846;

// Covers every pixel of the box [x0, x1) × [y0, y1) with `inside` sampled
// kSamples × kSamples times per pixel.
template <typename Inside>
void coverBox(Image& image, double x0, double y0, double x1, double y1, Color color,
              Inside inside) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(image.width(), static_cast<int>(std::ceil(x1)));
    const int bottom = std::min(image.height(), static_cast<int>(std::ceil(y1)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) {
                        ++hits;
                    }
                }
            }
            image.blendPixel(x, y, color, hits * 255 / (kSamples * kSamples));
        }
    }
}

bool insidePolygon(const std::vector<PointF>& points, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const PointF& a = points[i];
        const PointF& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

}  // namespace

void drawLine(Image& image, int x0, int y0, int x1, int y1, Color color) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        image.setPixel(x0, y0, color);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void strokeLine(Image& image, PointF from, PointF to, double width, Color color) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length == 0 || width <= 0) {
        return;
    }
    const double nx = -(to.y - from.y) / length * width / 2;
    const double ny = (to.x - from.x) / length * width / 2;
    fillPolygon(image,
                {{from.x + nx, from.y + ny},
                 {to.x + nx, to.y + ny},
                 {to.x - nx, to.y - ny},
                 {from.x - nx, from.y - ny}},
                color);
}

void fillPolygon(Image& image, const std::vector<PointF>& points, Color color) {
    if (points.size() < 3) {
        return;
    }
    double x0 = points[0].x, x1 = points[0].x, y0 = points[0].y, y1 = points[0].y;
    for (const PointF& p : points) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    coverBox(image, x0, y0, x1, y1, color,
             [&points](double x, double y) { return insidePolygon(points, x, y); });
}

void strokeArc(Image& image, PointF centre, double radius, double width, double fromDegrees,
               double toDegrees, Color color) {
    const double inner = std::max(0.0, radius - width / 2);
    const double outer = radius + width / 2;
    const double span = toDegrees - fromDegrees;
    const bool full = span >= 360;
    const double start = std::fmod(std::fmod(fromDegrees, 360) + 360, 360);
    coverBox(image, centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, color,
             [&](double x, double y) {
                 const double dx = x - centre.x;
                 const double dy = centre.y - y;  // up is positive on the screen
                 const double d = std::hypot(dx, dy);
                 if (d < inner || d > outer) {
                     return false;
                 }
                 if (full) {
                     return true;
                 }
                 double angle = std::atan2(dy, dx) * 180 / kPi - start;
                 angle = std::fmod(angle + 720, 360);
                 return angle <= span;
             });
}

void fillCircle(Image& image, PointF centre, double radius, Color color) {
    coverBox(image, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
             color,
             [&](double x, double y) { return std::hypot(x - centre.x, y - centre.y) <= radius; });
}

void fillRoundBox(Image& image, const Rect& rect, int radius, Color fill, Color outline) {
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 0 || h <= 0) {
        return;
    }
    radius = std::max(0, std::min(radius, std::min(w, h) / 2));
    // Whether the centre of pixel (x, y), relative to the box, lies in the
    // box: outside the corner squares, or within the quarter circle there.
    const double r = radius;
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return false;
        }
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double cx = px < r ? r : (px > w - r ? w - r : px);
        const double cy = py < r ? r : (py > h - r ? h - r : py);
        return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            image.setPixel(rect.left + x, rect.top + y, edge ? outline : fill);
        }
    }
}

}  // namespace raster
