// The keyboard's Windows paths on the host. A home folder on the host stands
// for a Windows folder (by default "C:\Pelvok"), which is also the start
// directory; other folders can be mapped, and any other path "X:\..." lands
// under <drives root>/X/. Names match the host's without regard to ASCII case,
// as on Windows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace sim {

class SimFiles : public platform::Files {
public:
    // An empty home makes a temporary folder, removed with this object. An
    // empty drives root is <home>/drives.
    SimFiles(std::string home, std::string homeWindows, std::string drivesRoot);
    ~SimFiles() override;
    SimFiles(const SimFiles&) = delete;
    SimFiles& operator=(const SimFiles&) = delete;

    std::string currentDirectory() override { return current; }
    void createDirectory(const std::string& path) override;
    std::string hostPath(const std::string& path) override;
    bool isNetworkPath(const std::string& path) override;
    void writeLog(const std::string& line) override { log.push_back(line); }

    // Paths under these Windows folders are on a network share.
    std::vector<std::string> networkFolders;
    std::vector<std::string> log;

    // For tests and the other parts of the desktop.
    void setCurrentDirectory(const std::string& windowsPath);
    void mapFolder(const std::string& windowsFolder, const std::string& hostFolder);
    const std::string& home() const { return homeHost; }
    const std::vector<std::string>& createdDirectories() const { return created; }

    // The absolute, normalised Windows path of a path taken from base.
    static std::string resolve(const std::string& base, const std::string& path);
    // The folder of a full path, as the current directory names it ("C:\" for
    // a file at a drive root).
    static std::string folderOf(const std::string& fullPath);

private:
    std::vector<std::pair<std::string, std::string>> mappings;  // Windows folder, host folder
    std::string homeHost;
    std::string drives;
    std::string current;
    std::vector<std::string> created;
    bool ownsHome = false;
};

}  // namespace sim
