#include "tools/toolbox/text_codec.h"

#include <cstdint>

#include "platform/raster/cp1252.h"

namespace toolbox {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        // Windows-1252 reaches no further than the Basic Multilingual Plane.
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
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return code;
}

bool isUndefined(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
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

std::string utf8FromCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) appendUtf8(out, raster::cp1252ToUnicode(c));
    return out;
}

std::optional<std::string> cp1252FromUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::optional<char32_t> code = nextCodePoint(text, at);
        if (!code) return std::nullopt;
        const std::optional<std::uint8_t> byte = raster::cp1252FromUnicode(*code);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string utf8ForMessages(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        appendUtf8(out, isUndefined(c) ? 0xFFFD : raster::cp1252ToUnicode(c));
    return out;
}

std::optional<DecodedText> decodeText(const std::string& bytes) {
    if (looksBinary(bytes)) return std::nullopt;
    DecodedText result;
    result.wasUtf8 = true;
    result.text.reserve(bytes.size());
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size()) {
        const std::optional<char32_t> code = nextCodePoint(bytes, at);
        if (!code) {
            result.text = bytes;
            result.wasUtf8 = false;
            result.dropped = 0;
            return result;
        }
        if (const std::optional<std::uint8_t> byte = raster::cp1252FromUnicode(*code)) {
            result.text += static_cast<char>(*byte);
        } else {
            ++result.dropped;
        }
    }
    return result;
}

}  // namespace toolbox
