#include "tools/typist/typeable_text.h"

#include <cstring>

#include "model/key_codes.h"
#include "typing/text_utils.h"

namespace typist {

namespace {

// Characters of the keys of the letter and symbols pages, besides the
// letters, the digits and the space.
const char kKeySymbols[] =
    "\xBF'-\xB7.,"                                       // letter pages
    "\xBA#&|\\/$\x80%\xAA@_?*()[]:+<>{};=\xA1!~\xAC\"";  // symbols page

// What a typographic character is typed as, or null.
const char* plainFor(unsigned char c) {
    switch (c) {
        case 0x93:
        case 0x94:
        case 0x84:
        case 0xAB:
        case 0xBB:
            return "\"";
        case 0x91:
        case 0x92:
        case 0x82:
            return "'";
        case 0x96:
        case 0x97:
            return "-";
        case 0x85:
            return "...";
        case 0xA0:
        case '\t':
            return " ";
        default:
            return nullptr;
    }
}

bool takesSpaceBack(unsigned char c) {
    return c == '.' || c == ',' || c == ':' || c == ';' || c == '-' || c == '\'';
}

std::string typeableParagraph(const std::string& line, TypeableText& counts) {
    std::string plain;
    for (unsigned char c : line) {
        if (const char* replacement = plainFor(c)) {
            plain += replacement;
            ++counts.replaced;
        } else if (IsTypeable(c)) {
            plain += static_cast<char>(c);
        } else {
            ++counts.removed;
        }
    }
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const unsigned char c = plain[i];
        const unsigned char before = out.empty() ? 0 : out.back();
        if (c == ' ' && (out.empty() || before == ' ')) {
            ++counts.removed;
            continue;
        }
        if (takesSpaceBack(c) && before == ' ') {
            out.pop_back();
            ++counts.removed;
        }
        // After anything but a blank, the key of '¿' types '?'.
        if (c == cp1252::kInvertedQuestion && !out.empty() && out.back() != ' ') {
            ++counts.removed;
            continue;
        }
        out += static_cast<char>(c);
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
        ++counts.removed;
    }
    return out;
}

}  // namespace

bool IsTypeable(unsigned char c) {
    if (c == ' ' || (c >= '0' && c <= '9')) return true;
    if (IsWordChar(c) || IsAccentedVowel(c)) return true;
    return c != 0 && std::memchr(kKeySymbols, c, sizeof kKeySymbols - 1) != nullptr;
}

TypeableText MakeTypeable(const std::string& text) {
    TypeableText result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.paragraphs.push_back(typeableParagraph(line, result));
        start = end + 1;
    }
    return result;
}

}  // namespace typist
