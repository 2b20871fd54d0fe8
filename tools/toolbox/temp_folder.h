// A fresh folder under the system's temporary directory, removed with all
// it holds when the object goes: the tools' work folders and the tests'.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace toolbox {

class TempFolder {
public:
    // The folder is named PREFIX-XXXXXX. Throws ToolError when it cannot be made.
    explicit TempFolder(const std::string& prefix = "pelvok");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // The names of what the folder holds, in no particular order.
    std::vector<std::string> names() const;

private:
    std::filesystem::path path_;
};

}  // namespace toolbox
