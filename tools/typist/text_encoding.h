// Text files as the keyboard's Windows-1252: UTF-8 is converted, anything
// else is taken as Windows-1252 already.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace typist {

struct DecodedText {
    std::string text;      // Windows-1252
    bool wasUtf8 = false;  // the bytes were UTF-8 (an ASCII file counts as UTF-8)
    // Characters of a UTF-8 text that Windows-1252 has not, left out.
    std::size_t dropped = 0;
};

// nullopt for bytes that are no text: a NUL byte, or more than one control
// character in a hundred (tab, line ends and form feed aside).
std::optional<DecodedText> DecodeText(const std::string& bytes);

// Windows-1252 text as UTF-8, for messages; bytes Windows-1252 leaves
// undefined become U+FFFD.
std::string Utf8FromCp1252(const std::string& text);

}  // namespace typist
