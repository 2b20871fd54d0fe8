// The current directory and the names under which files are opened. Paths
// are in the ANSI code page, as the ...A calls give them.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Files final : public platform::Files {
public:
    std::string currentDirectory() override;
    void createDirectory(const std::string& path) override;
    // Unchanged: fopen takes ANSI names.
    std::string hostPath(const std::string& path) override;
    // UTF-8, which sqlite3_open takes on Windows.
    std::string sqlitePath(const std::string& path) override;
    bool isNetworkPath(const std::string& path) override;
    // To the debugger and to %LOCALAPPDATA%\Pelvok\pelvok.log.
    void writeLog(const std::string& line) override;
};

}  // namespace win32
