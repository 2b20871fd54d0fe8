#include "platform/win32/Win32Files.h"

#include "platform/win32/TextCodec.h"
#include "platform/win32/win32.h"

namespace win32 {

std::string Win32Files::currentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetCurrentDirectoryA(sizeof(buffer), buffer);
    if (length == 0 || length >= sizeof(buffer)) return {};
    return std::string(buffer, length);
}

void Win32Files::createDirectory(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}

std::string Win32Files::hostPath(const std::string& path) { return path; }

std::string Win32Files::sqlitePath(const std::string& path) { return utf8FromAnsi(path); }

}  // namespace win32
