// Windows-1252 bytes as Unicode code points.
#pragma once

#include <cstdint>

namespace raster {

// 0x80-0x9F follow the Windows-1252 table; the five bytes it leaves
// undefined, and every other byte, map to the code point of the same value.
char32_t cp1252ToUnicode(std::uint8_t byte);

}  // namespace raster
