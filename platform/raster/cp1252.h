// Windows-1252 bytes as Unicode code points, and back: the one table of the
// keyboard's character set for the host (the drawing, and the tools' text
// codec in tools/toolbox/).
#pragma once

#include <cstdint>
#include <optional>

namespace raster {

// 0x80-0x9F follow the Windows-1252 table. The five bytes it leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 controls of the same
// value both ways, as Windows' MultiByteToWideChar does, so that any byte
// string survives a trip through Unicode; every other byte maps to the
// code point of the same value.
char32_t cp1252ToUnicode(std::uint8_t byte);

// The byte of a code point; nullopt when Windows-1252 has none.
std::optional<std::uint8_t> cp1252FromUnicode(char32_t code);

}  // namespace raster
