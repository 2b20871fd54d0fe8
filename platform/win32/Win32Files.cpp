#include "platform/win32/Win32Files.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

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

bool Win32Files::isNetworkPath(const std::string& path) {
    if (path.rfind("\\\\", 0) == 0 || path.rfind("//", 0) == 0) return true;
    if (path.size() < 2 || path[1] != ':') return false;
    const char root[] = {path[0], ':', '\\', '\0'};
    return GetDriveTypeA(root) == DRIVE_REMOTE;
}

void Win32Files::writeLog(const std::string& line) {
    OutputDebugStringA(("Pelvok: " + line + "\n").c_str());
    const char* local = std::getenv("LOCALAPPDATA");
    if (local == nullptr) return;
    const std::string folder = std::string(local) + "\\Pelvok";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* log = std::fopen((folder + "\\pelvok.log").c_str(), "a");
    if (log == nullptr) return;
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local_time = std::localtime(&now))
        std::strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", local_time);
    std::fprintf(log, "%s %s\n", stamp, line.c_str());
    std::fclose(log);
}

}  // namespace win32
