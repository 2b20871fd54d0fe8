#include "platform/raster/image.h"

#include <gtest/gtest.h>

#include "platform/raster/draw.h"

namespace {

using raster::Color;
using raster::Image;
using raster::Rect;

constexpr Color kRed{255, 0, 0};
constexpr Color kBlue{0, 0, 255};

TEST(ImageTest, FrameRectDrawsOnePixelInsideTheRectangle) {
    Image image(6, 5, raster::kWhite);
    image.frameRect(Rect{1, 1, 5, 4}, kRed);
    // Right and bottom are exclusive: the frame covers x 1-4 and y 1-3.
    EXPECT_EQ(image.pixel(1, 1), kRed);
    EXPECT_EQ(image.pixel(4, 3), kRed);
    EXPECT_EQ(image.pixel(4, 2), kRed);
    EXPECT_EQ(image.pixel(2, 2), raster::kWhite);
    EXPECT_EQ(image.pixel(5, 3), raster::kWhite);
    EXPECT_EQ(image.pixel(4, 4), raster::kWhite);
}

TEST(ImageTest, DrawingOutsideThePictureIsClipped) {
    Image image(4, 4, raster::kWhite);
    image.fillRect(Rect{-10, -10, 2, 2}, kRed);
    image.setPixel(-1, 0, kBlue);
    image.setPixel(4, 0, kBlue);
    EXPECT_EQ(image.pixel(0, 0), kRed);
    EXPECT_EQ(image.pixel(1, 1), kRed);
    EXPECT_EQ(image.pixel(2, 2), raster::kWhite);
    EXPECT_EQ(image.pixel(7, 7), raster::kBlack);  // outside reads black
}

TEST(ImageTest, BlitClipsBothSourceAndDestination) {
    Image source(3, 3, kRed);
    source.setPixel(2, 2, kBlue);
    Image target(4, 4, raster::kWhite);
    // Source part partly outside the source, destination partly outside target.
    target.blit(source, Rect{1, 1, 5, 5}, 2, 2);
    EXPECT_EQ(target.pixel(2, 2), kRed);   // source (1, 1)
    EXPECT_EQ(target.pixel(3, 3), kBlue);  // source (2, 2)
    EXPECT_EQ(target.pixel(1, 1), raster::kWhite);
    target.blit(source, -2, -2);
    EXPECT_EQ(target.pixel(0, 0), kBlue);
}

TEST(ImageTest, RoundBoxHasOutlineFillAndCutCorners) {
    Image image(20, 12, raster::kWhite);
    constexpr Color kFill{200, 200, 0};
    raster::fillRoundBox(image, Rect{2, 1, 18, 11}, 4, kFill, kBlue);
    EXPECT_EQ(image.pixel(2, 1), raster::kWhite);  // corner cut off
    EXPECT_EQ(image.pixel(17, 10), raster::kWhite);
    EXPECT_EQ(image.pixel(10, 1), kBlue);  // top edge
    EXPECT_EQ(image.pixel(2, 6), kBlue);   // left edge
    EXPECT_EQ(image.pixel(17, 6), kBlue);  // right edge, the last column
    EXPECT_EQ(image.pixel(10, 10), kBlue);
    EXPECT_EQ(image.pixel(10, 6), kFill);
    EXPECT_EQ(image.pixel(18, 6), raster::kWhite);
}

TEST(ImageTest, PolygonFillCoversItsInsideOnly) {
    Image image(10, 10, raster::kWhite);
    raster::fillTriangle(image, {0, 0}, {10, 0}, {0, 10}, kRed);
    EXPECT_EQ(image.pixel(1, 1), kRed);
    EXPECT_EQ(image.pixel(8, 8), raster::kWhite);
    // A pixel the edge crosses is mixed.
    const Color edge = image.pixel(4, 5);
    EXPECT_EQ(edge.red, 255);
    EXPECT_GT(edge.green, 0);
    EXPECT_LT(edge.green, 255);
}

}  // namespace
