// The one codec between the keyboard's Windows-1252 and the UTF-8 of the
// host: scripts, text files, reports and messages. The byte table, and the
// treatment of the five bytes Windows-1252 leaves undefined, are those of
// platform/raster/cp1252.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace toolbox {

// Windows-1252 bytes as UTF-8; cp1252FromUtf8 gives the same bytes back.
std::string utf8FromCp1252(const std::string& text);

// UTF-8 as Windows-1252 bytes; nullopt when the text is not UTF-8 (overlong
// forms, surrogates and cut sequences included) or holds a character
// Windows-1252 has not.
std::optional<std::string> cp1252FromUtf8(const std::string& text);

// Windows-1252 text as UTF-8 for a message to the user: the undefined bytes
// show as U+FFFD, since a C1 control prints as nothing.
std::string utf8ForMessages(const std::string& text);

struct DecodedText {
    std::string text;      // Windows-1252
    bool wasUtf8 = false;  // the bytes were UTF-8 (an ASCII file counts as UTF-8)
    // Characters of a UTF-8 text that Windows-1252 has not, left out.
    std::size_t dropped = 0;
};

// The bytes of a text file as Windows-1252: UTF-8 (after an optional byte
// order mark) is converted, anything else is taken as Windows-1252 already.
// nullopt for bytes that are no text: a NUL byte, or more than one control
// character in a hundred (tab, line ends and form feed aside).
std::optional<DecodedText> decodeText(const std::string& bytes);

}  // namespace toolbox
