// The script's UTF-8 and the keyboard's Windows-1252.
#pragma once

#include <optional>
#include <string>

namespace pelvok_sim {

// Windows-1252 bytes as UTF-8.
std::string utf8FromCp1252(const std::string& text);

// UTF-8 as Windows-1252 bytes; nullopt when the text is not UTF-8 or holds a
// character Windows-1252 has not.
std::optional<std::string> cp1252FromUtf8(const std::string& text);

}  // namespace pelvok_sim
