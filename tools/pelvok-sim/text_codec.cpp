#include "tools/pelvok-sim/text_codec.h"

#include <cstdint>
#include <map>

#include "platform/raster/cp1252.h"

namespace pelvok_sim {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The next code point of a UTF-8 text, advancing `at`; nullopt when the
// bytes there are no well-formed UTF-8.
std::optional<char32_t> nextCodePoint(const std::string& text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = code << 6 | (next & 0x3F);
    }
    // Overlong forms and surrogates are not UTF-8.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return code;
}

}  // namespace

std::string utf8FromCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) appendUtf8(out, raster::cp1252ToUnicode(static_cast<std::uint8_t>(c)));
    return out;
}

std::optional<std::string> cp1252FromUtf8(const std::string& text) {
    static const std::map<char32_t, char> bytes = [] {
        std::map<char32_t, char> table;
        for (int byte = 0; byte < 256; ++byte) {
            table.emplace(raster::cp1252ToUnicode(static_cast<std::uint8_t>(byte)),
                          static_cast<char>(byte));
        }
        return table;
    }();
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::optional<char32_t> code = nextCodePoint(text, at);
        if (!code) return std::nullopt;
        const auto found = bytes.find(*code);
        if (found == bytes.end()) return std::nullopt;
        out += found->second;
    }
    return out;
}

}  // namespace pelvok_sim
