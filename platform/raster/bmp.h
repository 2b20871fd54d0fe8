// Windows bitmap files: 24 bits per pixel, uncompressed, rows bottom-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/image.h"

namespace raster {

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows, each
// padded to a multiple of four bytes.
std::vector<std::uint8_t> encodeBmp(const Image& image);
// Reads 24-bit and 32-bit uncompressed bitmaps, bottom-up or top-down;
// nullopt for anything else or a damaged file.
std::optional<Image> decodeBmp(const std::uint8_t* data, size_t size);

bool writeBmp(const Image& image, const std::string& path);
std::optional<Image> readBmp(const std::string& path);

}  // namespace raster
