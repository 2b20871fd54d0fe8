#include "platform/raster/font.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/raster/cp1252.h"

namespace {

using raster::Font;
using raster::Image;
using raster::Rect;

raster::FontSpec fontSpec(int height, int weight, bool antialiased) {
    raster::FontSpec s;
    s.height = height;
    s.weight = weight;
    s.antialiased = antialiased;
    return s;
}

// Columns holding a pixel darker than mid-grey.
std::set<int> inkColumns(const Image& image) {
    std::set<int> columns;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y).red < 128) {
                columns.insert(x);
            }
        }
    }
    return columns;
}

TEST(Cp1252Test, MapsTheHighControlRangeByTheTable) {
    struct Case {
        std::uint8_t byte;
        char32_t unicode;
    } cases[] = {{'A', U'A'},    {0x80, 0x20AC}, {0x85, 0x2026}, {0x81, 0x81},
                 {0x9F, 0x0178}, {0xA0, 0xA0},   {0xF1, 0xF1},   {0xFF, 0xFF}};
    for (const Case& c : cases) {
        EXPECT_EQ(raster::cp1252ToUnicode(c.byte), c.unicode) << int(c.byte);
    }
}

TEST(FontTest, CellHeightIsSplitByTheWindowsAscentAndDescent) {
    // Liberation Sans: winAscent 1854, winDescent 434 of 2048 units, as Arial.
    const Font font(fontSpec(16, 400, false));
    EXPECT_EQ(font.height(), 16);
    EXPECT_EQ(font.ascent(), 13);
    EXPECT_EQ(font.descent(), 3);
    const Font large(fontSpec(33, 900, true));
    EXPECT_EQ(large.height(), 33);
    EXPECT_EQ(large.ascent() + large.descent(), 33);
}

TEST(FontTest, MeasureIsTheSumOfWholePixelAdvances) {
    const Font font(fontSpec(13, 900, false));
    const std::string text =
        "ma\xF1"
        "ana \x80";  // ñ and the euro sign
    int sum = 0;
    for (char c : text) {
        EXPECT_GT(font.advance(static_cast<std::uint8_t>(c)), 0);
        sum += font.advance(static_cast<std::uint8_t>(c));
    }
    EXPECT_EQ(font.measure(text), sum);
    EXPECT_EQ(font.measure(""), 0);
    // Bold is wider, and quality does not change widths.
    EXPECT_GT(font.measure("rtrt"), Font(fontSpec(13, 400, false)).measure("rtrt"));
    EXPECT_EQ(font.measure(text), Font(fontSpec(13, 900, true)).measure(text));
    EXPECT_EQ(raster::systemFontSpec().height, 16);
    EXPECT_GE(raster::systemFontSpec().weight, 600);
}

TEST(FontTest, EllipsisKeepsTheLongestBeginningThatFits) {
    const Font font(fontSpec(13, 900, false));
    const std::string word = "extraordinario";
    const int full = font.measure(word);
    EXPECT_EQ(font.fitWithEllipsis(word, full), word);
    EXPECT_EQ(font.fitWithEllipsis("", 0), "");

    const std::string cut = font.fitWithEllipsis(word, full - 1);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(font.measure(cut), full - 1);
    const std::string kept = cut.substr(0, cut.size() - 3);
    EXPECT_EQ(word.compare(0, kept.size(), kept), 0);
    // One more character would not fit.
    EXPECT_GT(font.measure(word.substr(0, kept.size() + 1) + "..."), full - 1);

    EXPECT_EQ(font.fitWithEllipsis(word, 1), "...");
}

TEST(FontTest, TextOutFillsTheCellBoxWhenOpaqueOnly) {
    const Font font(fontSpec(16, 700, false));
    constexpr raster::Color kGrey{90, 90, 90};
    Image opaque(80, 30, kGrey);
    font.textOut(opaque, 5, 4, "Il", raster::kBlack);
    const int width = font.measure("Il");
    EXPECT_EQ(opaque.pixel(5, 4), raster::kWhite);  // cell corner above the glyphs
    EXPECT_EQ(opaque.pixel(5 + width - 1, 4), raster::kWhite);
    EXPECT_EQ(opaque.pixel(5 + width, 4), kGrey);
    EXPECT_EQ(opaque.pixel(5, 4 + 16), kGrey);

    Image transparent(80, 30, kGrey);
    font.textOut(transparent, 5, 4, "Il", raster::kBlack, std::nullopt);
    EXPECT_EQ(transparent.pixel(5, 4), kGrey);
    // Monochrome text has only the two colours.
    for (const raster::Color& c : transparent.pixels()) {
        EXPECT_TRUE(c == kGrey || c == raster::kBlack);
    }
    Image smooth(80, 30, raster::kWhite);
    Font(fontSpec(16, 700, true)).textOut(smooth, 5, 4, "Ow", raster::kBlack);
    bool mixed = false;
    for (const raster::Color& c : smooth.pixels()) {
        mixed = mixed || (c.red > 0 && c.red < 255);
    }
    EXPECT_TRUE(mixed);
}

TEST(FontTest, DrawTextAlignsAndClipsToTheBox) {
    const Font font(fontSpec(13, 900, false));
    const Rect box{20, 5, 80, 21};
    const std::string text = "hola";
    const int width = font.measure(text);

    Image centred(100, 30, raster::kWhite);
    font.drawText(centred, text, box, raster::Align::Centre, false, raster::kBlack);
    const std::set<int> c = inkColumns(centred);
    ASSERT_FALSE(c.empty());
    const int left = box.left + (box.width() - width) / 2;
    EXPECT_GE(*c.begin(), left);
    EXPECT_LT(*c.rbegin(), left + width);

    Image right(100, 30, raster::kWhite);
    font.drawText(right, text, box, raster::Align::Right, false, raster::kBlack);
    const std::set<int> r = inkColumns(right);
    ASSERT_FALSE(r.empty());
    EXPECT_GE(*r.begin(), box.right - width);
    EXPECT_LT(*r.rbegin(), box.right);
    EXPECT_GT(*r.rbegin(), box.right - 4);

    // Too wide without ellipsis: clipped on both sides, nothing outside.
    Image clipped(100, 30, raster::kWhite);
    font.drawText(clipped, "abcdefghijklmnopqrstuvwxyz", box, raster::Align::Centre, false,
                  raster::kBlack);
    const std::set<int> k = inkColumns(clipped);
    ASSERT_FALSE(k.empty());
    EXPECT_GE(*k.begin(), box.left);
    EXPECT_LT(*k.rbegin(), box.right);
    for (int x = 0; x < clipped.width(); ++x) {
        EXPECT_EQ(clipped.pixel(x, box.top - 1), raster::kWhite);
        EXPECT_EQ(clipped.pixel(x, box.bottom), raster::kWhite);
    }
}

TEST(FontTest, DrawTextWithEllipsisShowsTheFittedText) {
    const Font font(fontSpec(13, 900, false));
    const Rect box{0, 0, 50, 16};
    const std::string text = "abcdefghijklmnopqrstuvwxyz";
    const std::string fitted = font.fitWithEllipsis(text, box.width());
    Image expected(60, 16, raster::kWhite);
    font.drawText(expected, fitted, box, raster::Align::Centre, false, raster::kBlack);
    Image drawn(60, 16, raster::kWhite);
    font.drawText(drawn, text, box, raster::Align::Centre, true, raster::kBlack);
    EXPECT_EQ(drawn, expected);
}

}  // namespace
