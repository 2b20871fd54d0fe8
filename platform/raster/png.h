// PNG files, for looking at pictures and screenshots.
#pragma once

#include <optional>
#include <string>

#include "platform/raster/image.h"

namespace raster {

// 8-bit RGB; false when the file cannot be written.
bool writePng(const Image& image, const std::string& path);
// Any PNG file, as 8-bit RGB; nothing when it cannot be read.
std::optional<Image> readPng(const std::string& path);

}  // namespace raster
