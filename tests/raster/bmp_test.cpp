#include "platform/raster/bmp.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/raster/png.h"

namespace {

using raster::Color;
using raster::Image;

// A picture whose every pixel differs, with a width that needs row padding.
Image pattern(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(
                x, y,
                Color{static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60),
                      static_cast<std::uint8_t>(x + y)});
        }
    }
    return image;
}

std::string tempPath(const char* name) {
    return testing::TempDir() + "/" + std::to_string(getpid()) + "_" + name;
}

TEST(BmpTest, EncodesBottomUpRowsPaddedToFourBytes) {
    const Image image = pattern(5, 3);
    const std::vector<std::uint8_t> bytes = raster::encodeBmp(image);
    const size_t stride = 16;  // 5 × 3 = 15, padded
    ASSERT_EQ(bytes.size(), 54 + stride * 3);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    // The first stored row is the bottom one, blue first.
    const Color bottomLeft = image.pixel(0, 2);
    EXPECT_EQ(bytes[54], bottomLeft.blue);
    EXPECT_EQ(bytes[55], bottomLeft.green);
    EXPECT_EQ(bytes[56], bottomLeft.red);
    EXPECT_EQ(bytes[54 + 15], 0);  // padding

    const auto decoded = raster::decodeBmp(bytes.data(), bytes.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, image);
}

TEST(BmpTest, ReadsTopDownBitmaps) {
    const Image image = pattern(4, 2);
    std::vector<std::uint8_t> bytes = raster::encodeBmp(image);
    // Flip the stored rows and negate the height.
    std::vector<std::uint8_t> flipped(bytes.begin(), bytes.begin() + 54);
    flipped.insert(flipped.end(), bytes.begin() + 54 + 12, bytes.end());
    flipped.insert(flipped.end(), bytes.begin() + 54, bytes.begin() + 54 + 12);
    const std::int32_t negative = -2;
    for (int i = 0; i < 4; ++i) {
        flipped[22 + i] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(negative) >> (8 * i));
    }
    const auto decoded = raster::decodeBmp(flipped.data(), flipped.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, image);
}

TEST(BmpTest, RefusesDamagedFiles) {
    const std::vector<std::uint8_t> good = raster::encodeBmp(pattern(5, 3));
    struct Case {
        const char* what;
        size_t offset;  // byte to change, or the size to cut to when value < 0
        int value;
    } cases[] = {
        {"truncated pixel data", good.size() - 1, -1},
        {"truncated header", 30, -1},
        {"wrong magic", 0, 'X'},
        {"8 bits per pixel", 28, 8},
        {"compressed", 30, 1},
        {"zero width", 18, 0},
        {"huge width", 21, 0x7F},
        {"data offset past the end", 13, 0x10},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        if (c.value < 0) {
            bytes.resize(c.offset);
        } else {
            bytes[c.offset] = static_cast<std::uint8_t>(c.value);
            if (std::string(c.what) == "zero width") {
                bytes[19] = bytes[20] = bytes[21] = 0;
            }
        }
        EXPECT_FALSE(raster::decodeBmp(bytes.data(), bytes.size())) << c.what;
    }
    EXPECT_FALSE(raster::decodeBmp(nullptr, 0));
}

TEST(BmpTest, FileRoundTripAndPng) {
    const Image image = pattern(7, 4);
    const std::string bmp = tempPath("round.bmp");
    ASSERT_TRUE(raster::writeBmp(image, bmp));
    const auto read = raster::readBmp(bmp);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, image);
    std::remove(bmp.c_str());
    EXPECT_FALSE(raster::readBmp(bmp));
    EXPECT_FALSE(raster::writeBmp(image, "/nonexistent-folder/x.bmp"));

    const std::string png = tempPath("round.png");
    ASSERT_TRUE(raster::writePng(image, png));
    std::ifstream in(png, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    std::remove(png.c_str());
    EXPECT_FALSE(raster::writePng(image, "/nonexistent-folder/x.png"));
}

}  // namespace
