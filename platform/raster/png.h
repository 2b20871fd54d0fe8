// PNG files, for looking at pictures and screenshots.
#pragma once

#include <string>

#include "platform/raster/image.h"

namespace raster {

// 8-bit RGB; false when the file cannot be written.
bool writePng(const Image& image, const std::string& path);

}  // namespace raster
