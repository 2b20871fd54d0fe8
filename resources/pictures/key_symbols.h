// The drawn symbols of the keys that show a picture rather than a text.
#pragma once

#include "model/Key.h"
#include "platform/raster/draw.h"
#include "platform/raster/image.h"

namespace pictures {

enum class Symbol {
    None,
    DockTopLeft,
    DockTopRight,
    DockBottomLeft,
    DockBottomRight,
    DockBottomCentre,
    DockBottomFitted,
    Power,
    BackTab,
    Magnifier,
    Exchange,
    Menu,
    Backspace,
    Undo,
    Folder,
    Home,
    End,
    Left,
    Up,
    Right,
    Down,
    Space,
};

// None for the keys that carry a text label.
Symbol symbolOf(const Key& key);

// Draws the symbol centred on (cx, cy); `unit` is one base-size pixel.
void drawSymbol(raster::Image& image, Symbol symbol, double cx, double cy, double unit,
                raster::Color ink);

// A horizontal arrow from `from` to the tip `to`, for composite labels.
void drawArrow(raster::Image& image, raster::PointF from, raster::PointF to, double unit,
               raster::Color ink);

}  // namespace pictures
