// Text in the keyboard's font with the semantics of GDI: "Arial" is drawn
// with its metric twin Liberation Sans, so widths match those on Windows
// closely. Texts are Windows-1252 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/platform.h"
#include "platform/raster/image.h"

namespace raster {

// height: the GDI character-cell height (positive lfHeight, ascent +
// descent); a negative height is an em height, as in GDI. weight: 600 and
// above draws the bold face. antialiased: greyscale edges, else monochrome.
using FontSpec = platform::FontSpec;
using Align = platform::Align;

// The font files cannot be loaded.
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The font a plain device context starts with. Windows' "System" font is not
// available here; Liberation Sans Bold with a cell height of 16 stands in.
FontSpec systemFontSpec();

class Font {
public:
    // Throws FontError when the face cannot be loaded. Glyphs are rendered
    // once per font and shared by every Font made with it.
    explicit Font(const FontSpec& fontSpec);

    const FontSpec& fontSpec() const { return spec_; }
    // Cell height = ascent + descent; the baseline lies `ascent` below the
    // top of the cell.
    int height() const;
    int ascent() const;
    int descent() const;

    // Advance of one byte in whole pixels.
    int advance(std::uint8_t byte) const;
    // GetTextExtentPoint32: the sum of the advances, no kerning.
    int measure(const std::string& text) const;

    // TextOut with the top-left of the text cell at (x, y). With a background
    // colour the cell box (measured width × height) is filled first, as in
    // GDI's OPAQUE mode. Nothing is drawn outside `clip` when one is given.
    void textOut(Image& image, int x, int y, const std::string& text, Color color,
                 std::optional<Color> background = kWhite, const Rect* clip = nullptr) const;

    // DrawText with DT_SINGLELINE | DT_VCENTER and DT_CENTER or DT_RIGHT,
    // clipped to the box; with `wordEllipsis` (DT_WORD_ELLIPSIS) a text wider
    // than the box is cut and ends in "..." so that it fits.
    void drawText(Image& image, const std::string& text, const Rect& box, Align align,
                  bool wordEllipsis, Color color, std::optional<Color> background = kWhite) const;

    // The text DT_WORD_ELLIPSIS shows in `width` pixels: the text itself when
    // it fits, else its longest beginning followed by "..." that fits, and
    // "..." alone when nothing else does.
    std::string fitWithEllipsis(const std::string& text, int width) const;

    struct Glyph;
    struct GlyphSet;

private:
    FontSpec spec_;
    std::shared_ptr<const GlyphSet> glyphs_;
};

}  // namespace raster
