// Shapes for simple drawn symbols: lines, polygons, arcs and the rounded
// boxes of the keys. Coordinates of the smooth shapes are real numbers with
// pixel (x, y) covering [x, x + 1) × [y, y + 1); they are antialiased by
// sampling each pixel 4 × 4 times.
#pragma once

#include <vector>

#include "platform/raster/image.h"

namespace raster {

struct PointF {
    double x = 0;
    double y = 0;
};

// One-pixel line, both end points drawn (Bresenham).
void drawLine(Image& image, int x0, int y0, int x1, int y1, Color color);

// A straight stroke of the given width between two points, square ends.
void strokeLine(Image& image, PointF from, PointF to, double width, Color color);

// Even-odd fill of a closed polygon.
void fillPolygon(Image& image, const std::vector<PointF>& points, Color color);
inline void fillTriangle(Image& image, PointF a, PointF b, PointF c, Color color) {
    fillPolygon(image, {a, b, c}, color);
}

// A ring of the given stroke width centred on the circle of `radius`, from
// angle `fromDegrees` to `toDegrees`, counter-clockwise as seen on the screen
// with 0 pointing right and 90 up. A full circle when the span is 360 or more.
void strokeArc(Image& image, PointF centre, double radius, double width, double fromDegrees,
               double toDegrees, Color color);
void fillCircle(Image& image, PointF centre, double radius, Color color);

// A box with rounded corners covering the pixels of `rect` (right and bottom
// exclusive), filled with `fill` inside a one-pixel `outline`.
void fillRoundBox(Image& image, const Rect& rect, int radius, Color fill, Color outline);

}  // namespace raster
