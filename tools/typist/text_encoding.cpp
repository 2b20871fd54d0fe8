#include "tools/typist/text_encoding.h"

#include <cstdint>

namespace typist {

namespace {

// Unicode of the bytes 0x80-0x9F; 0 where Windows-1252 defines none.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte for a code point, or -1 when Windows-1252 has none.
int cp1252Of(std::uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == code) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at i; false when it is not one (overlong forms,
// surrogates and values past U+10FFFF included).
bool nextCodePoint(const std::string& s, std::size_t& i, std::uint32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return false;
    }
    if (i + length > s.size()) return false;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
    return true;
}

bool looksBinary(const std::string& bytes) {
    std::size_t controls = 0;
    for (unsigned char c : bytes) {
        if (c == 0) return true;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') ++controls;
    }
    return controls * 100 > bytes.size();
}

}  // namespace

std::optional<DecodedText> DecodeText(const std::string& bytes) {
    if (looksBinary(bytes)) return std::nullopt;
    std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    DecodedText result;
    result.wasUtf8 = true;
    result.text.reserve(bytes.size());
    for (std::size_t i = start; i < bytes.size();) {
        std::uint32_t code = 0;
        if (!nextCodePoint(bytes, i, code)) {
            result.wasUtf8 = false;
            break;
        }
        const int converted = cp1252Of(code);
        if (converted < 0) {
            ++result.dropped;
        } else {
            result.text += static_cast<char>(converted);
        }
    }
    if (!result.wasUtf8) {
        result.text = bytes;
        result.dropped = 0;
    }
    return result;
}

std::string Utf8FromCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        std::uint32_t code = c;
        if (c >= 0x80 && c < 0xA0)
            code = kHighControls[c - 0x80] ? kHighControls[c - 0x80] : 0xFFFD;
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
    return out;
}

}  // namespace typist
