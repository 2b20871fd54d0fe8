#include "resources/pictures/keyboard_picture.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/KeyboardLayout.h"
#include "model/key_label.h"
#include "platform/raster/draw.h"
#include "platform/raster/font.h"
#include "resources/pictures/key_symbols.h"

namespace pictures {

using raster::Font;
using raster::Image;
using raster::Rect;

namespace {

int scaled(int value, float scale) { return static_cast<int>(value * scale); }

raster::FontSpec labelFont(int height, int weight = 700) {
    raster::FontSpec entry;
    entry.height = height;
    entry.weight = weight;
    entry.antialiased = true;
    return entry;
}

// Accent marks and the apostrophe: tiny glyphs high in the cell, drawn
// large, in the regular weight, and centred by their ink.
bool isAccentMark(unsigned char c) {
    return c == '\'' || c == '`' || c == 0xA8 || c == 0xB4 || c == 0xB7;
}

// Marks that read well at the size of letters once centred by their ink.
bool isRaisedMark(unsigned char c) { return c == '"' || c == '^' || c == '~'; }

// Punctuation that sits on the baseline and would be hard to see small.
bool isSmallPunctuation(unsigned char c) {
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '-';
}

struct Fonts {
    explicit Fonts(float s)
        : words(labelFont(scaled(12, s))),
          character(labelFont(scaled(18, s))),
          punctuation(labelFont(scaled(24, s))),
          accent(labelFont(scaled(52, s), 400)),
          raised(labelFont(scaled(20, s))),
          composite(labelFont(scaled(15, s))) {}
    Font words;        // Esc, ENTER, F1 ...
    Font character;    // letters, digits, symbols
    Font punctuation;  // . , ; : -
    Font accent;       // accents and the apostrophe
    Font raised;       // " ^ ~
    Font composite;    // the two sides of "a->A"
};

// Text in a font's cell, centred on (cx, cy), with no background box so
// that coloured keys keep their colour.
void drawCentred(Image& image, const Font& font, const std::string& text, double cx, double cy,
                 const Rect& clip) {
    const int x = static_cast<int>(std::lround(cx - font.measure(text) / 2.0));
    const int y = static_cast<int>(std::lround(cy - font.height() / 2.0));
    font.textOut(image, x, y, text, kInk, std::nullopt, &clip);
}

// Text centred on (cx, cy) by its ink rather than by its cell.
void drawInkCentred(Image& image, const Font& font, const std::string& text, double cx, double cy) {
    Image scratch(font.measure(text) + 4, font.height() + 4, raster::kWhite);
    font.textOut(scratch, 2, 2, text, kInk, std::nullopt);
    int x0 = scratch.width(), y0 = scratch.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (scratch.pixel(x, y).red < 255) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        return;
    }
    const int left = static_cast<int>(std::lround(cx - (x1 - x0 + 1) / 2.0));
    const int top = static_cast<int>(std::lround(cy - (y1 - y0 + 1) / 2.0));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            image.blendPixel(left + x - x0, top + y - y0, kInk, 255 - scratch.pixel(x, y).red);
        }
    }
}

// "a->A": the two sides with a drawn arrow between them.
void drawComposite(Image& image, const Font& font, const std::string& left,
                   const std::string& right, double cx, double cy, float s, const Rect& clip) {
    const double gap = 2.5 * s;
    const double arrow = 11 * s;
    const double total = font.measure(left) + gap + arrow + gap + font.measure(right);
    double x = cx - total / 2;
    const int y = static_cast<int>(std::lround(cy - font.height() / 2.0));
    font.textOut(image, static_cast<int>(std::lround(x)), y, left, kInk, std::nullopt, &clip);
    x += font.measure(left) + gap;
    drawArrow(image, {x, cy}, {x + arrow, cy}, s, kInk);
    x += arrow + gap;
    font.textOut(image, static_cast<int>(std::lround(x)), y, right, kInk, std::nullopt, &clip);
}

void drawFace(Image& image, const Key& key, const PictureSpec& entry, const Rect& box,
              const Fonts& fonts, float s) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const Rect inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    const Symbol symbol = symbolOf(key);
    if (symbol == Symbol::Space) {
        // High on the bar: the window writes the dictionary name along its bottom.
        drawSymbol(image, symbol, cx, box.top + 8 * s, s, kInk);
        return;
    }
    if (symbol != Symbol::None) {
        drawSymbol(image, symbol, cx, cy, s, kInk);
        return;
    }
    if (key.isCommand() && key.getVirtualKey() == 7) {
        // Delete the previous word: an arrow pointing back at "Word".
        const std::string word = "Word";
        const double arrow = 10 * s;
        const double gap = 3 * s;
        const double total = arrow + gap + fonts.words.measure(word);
        const double x = cx - total / 2;
        drawArrow(image, {x + arrow, cy}, {x, cy}, s, kInk);
        drawCentred(image, fonts.words, word, x + arrow + gap + fonts.words.measure(word) / 2.0, cy,
                    inside);
        return;
    }
    const std::string label = keyLabel(key, showsUpperCase(entry.page), entry.page == Page::Symbols);
    const size_t arrow = label.find("->");
    if (arrow != std::string::npos) {
        drawComposite(image, fonts.composite, label.substr(0, arrow), label.substr(arrow + 2), cx,
                      cy, s, inside);
    } else if (label.size() == 1 && isAccentMark(static_cast<unsigned char>(label[0]))) {
        drawInkCentred(image, fonts.accent, label, cx, cy);
    } else if (label.size() == 1 && isRaisedMark(static_cast<unsigned char>(label[0]))) {
        drawInkCentred(image, fonts.raised, label, cx, cy);
    } else if (label.size() == 1 && isSmallPunctuation(static_cast<unsigned char>(label[0]))) {
        drawCentred(image, fonts.punctuation, label, cx, cy - 2 * s, inside);
    } else if (label.size() == 1) {
        drawCentred(image, fonts.character, label, cx, cy, inside);
    } else {
        drawCentred(image, fonts.words, label, cx, cy, inside);
    }
}

}  // namespace

Rect keyBox(const Key& key, float scale) {
    return Rect{scaled(key.getPoint1().getX(), scale), scaled(key.getPoint1().getY(), scale),
                scaled(key.getPoint2().getX(), scale) + 1,
                scaled(key.getPoint2().getY(), scale) + 1};
}

Rect textStripInside(float scale) {
    return Rect{scaled(5, scale), scaled(6, scale), scaled(413, scale) + 1, scaled(26, scale) + 1};
}

raster::Color keyFill(const Key& key, Page page) {
    const int code = key.getVirtualKey();
    if (key.isCommand()) {
        switch (code) {
            case 5:
                return kPowerFill;
            case 46:
                return kEditFill;
            case 11:
            case 12:
            case 33:
                return kClipboardFill;
            default:
                return kKeyFill;
        }
    }
    if (key.isDirect()) {
        if (code == 31 || code == 32) {
            return kEditFill;
        }
        if (code == 16 && showsShiftLit(page)) {
            return kShiftLitFill;
        }
    }
    return kKeyFill;
}

bool isSuggestionKey(const Key& key, Page page) {
    const int code = key.getVirtualKey();
    return page != Page::Symbols && !key.isCommand() && !key.isDirect() && code >= '1' &&
           code <= '6';
}

Image renderPicture(const PictureSpec& entry) {
    const PictureSize size = pictureSize(entry.sizeStep, entry.displaySet);
    const float s = size.scale;
    Image image(size.width, size.height, kBackground);
    image.frameRect(image.bounds(), kInk);

    const Rect strip = textStripInside(s);
    image.fillRect(strip, raster::kWhite);
    image.frameRect(Rect{strip.left - 1, strip.top - 1, strip.right + 1, strip.bottom + 1}, kInk);

    const Fonts fonts(s);
    const int radius = std::max(2, scaled(4, s));
    const KeyboardLayout layout(pageTables(entry));
    for (int r = 0; r < layout.lineCount(); ++r) {
        const KeyLine& line = layout.line(r);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() == 0) {
                continue;  // dead cell
            }
            const Rect box = keyBox(key, s);
            raster::fillRoundBox(image, box, radius, keyFill(key, entry.page), kKeyOutline);
            if (!isSuggestionKey(key, entry.page)) {
                drawFace(image, key, entry, box, fonts, s);
            }
        }
    }
    return image;
}

}  // namespace pictures
