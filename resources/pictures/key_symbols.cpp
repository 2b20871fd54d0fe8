#include "resources/pictures/key_symbols.h"

#include <algorithm>
#include <cmath>

namespace pictures {

using raster::Color;
using raster::Image;
using raster::PointF;

namespace {

constexpr Color kScreenBlock{40, 80, 200};
constexpr Color kFittedWindow{150, 150, 150};

// A rectangle outline of stroke `width` along the inside of [x0, x1] × [y0, y1].
void strokeBox(Image& image, double x0, double y0, double x1, double y1, double width, Color ink) {
    raster::fillPolygon(image, {{x0, y0}, {x1, y0}, {x1, y0 + width}, {x0, y0 + width}}, ink);
    raster::fillPolygon(image, {{x0, y1 - width}, {x1, y1 - width}, {x1, y1}, {x0, y1}}, ink);
    raster::fillPolygon(image, {{x0, y0}, {x0 + width, y0}, {x0 + width, y1}, {x0, y1}}, ink);
    raster::fillPolygon(image, {{x1 - width, y0}, {x1, y0}, {x1, y1}, {x1 - width, y1}}, ink);
}

void fillBox(Image& image, double x0, double y0, double x1, double y1, Color color) {
    raster::fillPolygon(image, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, color);
}

// A small screen with the keyboard's place on it.
void drawDock(Image& image, Symbol symbol, double cx, double cy, double u, Color ink) {
    const double x0 = cx - 9 * u, x1 = cx + 9 * u, y0 = cy - 7 * u, y1 = cy + 7 * u;
    const double line = std::max(1.0, 1.5 * u);
    const double w = 8 * u, h = 4.5 * u, inset = line + 0.8 * u;
    const double left = x0 + inset, right = x1 - inset - w, centre = cx - w / 2;
    const double top = y0 + inset, bottom = y1 - inset - h;
    double bx = centre, by = bottom;
    switch (symbol) {
        case Symbol::DockTopLeft:
            bx = left;
            by = top;
            break;
        case Symbol::DockTopRight:
            bx = right;
            by = top;
            break;
        case Symbol::DockBottomLeft:
            bx = left;
            break;
        case Symbol::DockBottomRight:
            bx = right;
            break;
        case Symbol::DockBottomFitted:
            // The application squeezed into the space above the keyboard.
            fillBox(image, x0 + inset, y0 + inset, x1 - inset, bottom - 0.8 * u, kFittedWindow);
            break;
        default:
            break;
    }
    strokeBox(image, x0, y0, x1, y1, line, ink);
    fillBox(image, bx, by, bx + w, by + h, kScreenBlock);
}

void triangle(Image& image, PointF a, PointF b, PointF c, Color ink) {
    raster::fillTriangle(image, a, b, c, ink);
}

}  // namespace

Symbol symbolOf(const Key& key) {
    const int code = key.getVirtualKey();
    if (key.isCommand()) {
        switch (code) {
            case 1:
                return Symbol::DockTopLeft;
            case 2:
                return Symbol::DockTopRight;
            case 3:
                return Symbol::DockBottomLeft;
            case 4:
                return Symbol::DockBottomRight;
            case 5:
                return Symbol::Power;
            case 6:
                return Symbol::BackTab;
            case 8:
                return Symbol::DockBottomCentre;
            case 15:
                return Symbol::DockBottomFitted;
            case 20:
                return Symbol::Magnifier;
            case 21:
                return Symbol::Exchange;
            default:
                return Symbol::None;
        }
    }
    if (key.isDirect()) {
        switch (code) {
            case 2:
                return Symbol::Menu;
            case 8:
                return Symbol::Backspace;
            case 19:
                return Symbol::Undo;
            case 30:
                return Symbol::Folder;
            case 31:
                return Symbol::Home;
            case 32:
                return Symbol::End;
            case 37:
                return Symbol::Left;
            case 38:
                return Symbol::Up;
            case 39:
                return Symbol::Right;
            case 40:
                return Symbol::Down;
            default:
                return Symbol::None;
        }
    }
    return code == ' ' ? Symbol::Space : Symbol::None;
}

void drawArrow(Image& image, PointF from, PointF to, double u, Color ink) {
    const double direction = to.x >= from.x ? 1 : -1;
    const double head = 4.5 * u;
    raster::strokeLine(image, from, {to.x - direction * head * 0.8, to.y}, std::max(1.0, 1.6 * u),
                       ink);
    triangle(image, to, {to.x - direction * head, to.y - head * 0.8},
             {to.x - direction * head, to.y + head * 0.8}, ink);
}

void drawSymbol(Image& image, Symbol symbol, double cx, double cy, double u, Color ink) {
    const double stroke = std::max(1.0, 2 * u);
    switch (symbol) {
        case Symbol::None:
            return;
        case Symbol::DockTopLeft:
        case Symbol::DockTopRight:
        case Symbol::DockBottomLeft:
        case Symbol::DockBottomRight:
        case Symbol::DockBottomCentre:
        case Symbol::DockBottomFitted:
            drawDock(image, symbol, cx, cy, u, ink);
            return;
        case Symbol::Power:
            // A ring open at the top with a bar through the gap.
            raster::strokeArc(image, {cx, cy + u}, 7 * u, stroke, 125, 415, ink);
            raster::strokeLine(image, {cx, cy - 8 * u}, {cx, cy + u}, stroke, ink);
            return;
        case Symbol::BackTab:
            fillBox(image, cx - 8 * u, cy - 6 * u, cx - 6 * u, cy + 6 * u, ink);
            drawArrow(image, {cx + 8 * u, cy}, {cx - 5 * u, cy}, u, ink);
            return;
        case Symbol::Magnifier:
            raster::strokeArc(image, {cx - 2 * u, cy - 2 * u}, 5.5 * u, stroke, 0, 360, ink);
            raster::strokeLine(image, {cx + 2 * u, cy + 2 * u}, {cx + 8 * u, cy + 8 * u}, 3 * u,
                               ink);
            return;
        case Symbol::Exchange:
            drawArrow(image, {cx - 8 * u, cy - 4 * u}, {cx + 8 * u, cy - 4 * u}, u, ink);
            drawArrow(image, {cx + 8 * u, cy + 4 * u}, {cx - 8 * u, cy + 4 * u}, u, ink);
            return;
        case Symbol::Menu: {
            const double line = std::max(1.0, 1.5 * u);
            strokeBox(image, cx - 7 * u, cy - 8 * u, cx + 7 * u, cy + 8 * u, line, ink);
            for (int i = 0; i < 3; ++i) {
                const double y = cy - 4 * u + i * 4 * u;
                fillBox(image, cx - 4 * u, y - line / 2, cx + 4 * u, y + line / 2, ink);
            }
            return;
        }
        case Symbol::Backspace: {
            const double head = 8 * u;
            raster::strokeLine(image, {cx + 14 * u, cy}, {cx - 6 * u, cy}, 4 * u, ink);
            triangle(image, {cx - 14 * u, cy}, {cx - 14 * u + head, cy - head},
                     {cx - 14 * u + head, cy + head}, ink);
            return;
        }
        case Symbol::Undo: {
            // An arc over the top, its arrow head coming down on the left.
            const double r = 6 * u;
            raster::strokeArc(image, {cx + u, cy + u}, r, stroke, -40, 180, ink);
            const double x = cx + u - r;
            triangle(image, {x - 4.5 * u, cy}, {x + 4.5 * u, cy}, {x, cy + 6 * u}, ink);
            return;
        }
        case Symbol::Folder: {
            constexpr Color kFolder{250, 205, 90};
            const double line = std::max(1.0, 1.2 * u);
            const std::vector<PointF> outline = {
                {cx - 9 * u, cy - 7 * u}, {cx - 3 * u, cy - 7 * u}, {cx - 1 * u, cy - 4 * u},
                {cx + 9 * u, cy - 4 * u}, {cx + 9 * u, cy + 7 * u}, {cx - 9 * u, cy + 7 * u}};
            raster::fillPolygon(image, outline, kFolder);
            for (size_t i = 0; i < outline.size(); ++i) {
                raster::strokeLine(image, outline[i], outline[(i + 1) % outline.size()], line, ink);
            }
            return;
        }
        case Symbol::Home:
            fillBox(image, cx - 8 * u, cy - 7 * u, cx - 6 * u, cy + 7 * u, ink);
            triangle(image, {cx - 5 * u, cy}, {cx + 7 * u, cy - 7 * u}, {cx + 7 * u, cy + 7 * u},
                     ink);
            return;
        case Symbol::End:
            fillBox(image, cx + 6 * u, cy - 7 * u, cx + 8 * u, cy + 7 * u, ink);
            triangle(image, {cx + 5 * u, cy}, {cx - 7 * u, cy - 7 * u}, {cx - 7 * u, cy + 7 * u},
                     ink);
            return;
        case Symbol::Left:
            triangle(image, {cx - 7 * u, cy}, {cx + 6 * u, cy - 8 * u}, {cx + 6 * u, cy + 8 * u},
                     ink);
            return;
        case Symbol::Right:
            triangle(image, {cx + 7 * u, cy}, {cx - 6 * u, cy - 8 * u}, {cx - 6 * u, cy + 8 * u},
                     ink);
            return;
        case Symbol::Up:
            triangle(image, {cx, cy - 7 * u}, {cx - 8 * u, cy + 6 * u}, {cx + 8 * u, cy + 6 * u},
                     ink);
            return;
        case Symbol::Down:
            triangle(image, {cx, cy + 7 * u}, {cx - 8 * u, cy - 6 * u}, {cx + 8 * u, cy - 6 * u},
                     ink);
            return;
        case Symbol::Space: {
            // An open bracket lying on its back.
            const double line = std::max(1.0, 1.5 * u);
            fillBox(image, cx - 14 * u, cy + 3 * u - line, cx + 14 * u, cy + 3 * u, ink);
            fillBox(image, cx - 14 * u, cy - 3 * u, cx - 14 * u + line, cy + 3 * u, ink);
            fillBox(image, cx + 14 * u - line, cy - 3 * u, cx + 14 * u, cy + 3 * u, ink);
            return;
        }
    }
}

}  // namespace pictures
