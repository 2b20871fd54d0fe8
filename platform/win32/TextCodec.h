// Conversions of the keyboard's single-byte text for the system calls that
// take other encodings.
#pragma once

#include <string>

namespace win32 {

// A character of the keyboard's Windows-1252 tables as UTF-16.
std::wstring utf16FromCp1252(const std::string& text);
// Text of the process's ANSI code page (what the ...A calls take and give,
// Windows-1252 on the Spanish systems the keyboard is made for) as UTF-8.
std::string utf8FromAnsi(const std::string& text);

}  // namespace win32
