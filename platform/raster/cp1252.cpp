#include "platform/raster/cp1252.h"

namespace raster {

namespace {

constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t cp1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHigh[byte - 0x80];
    }
    return byte;
}

std::optional<std::uint8_t> cp1252FromUnicode(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<std::uint8_t>(code);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == code) return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace raster
