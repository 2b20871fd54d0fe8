#include "tools/toolbox/temp_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "tools/toolbox/tool_error.h"

namespace toolbox {

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& prefix) {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) throw ToolError("no temporary directory: " + error.message());
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) {
        throw ToolError("cannot make a temporary folder in " + base.string() + ": " +
                        std::strerror(errno));
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
        found.push_back(entry.path().filename().string());
    }
    return found;
}

}  // namespace toolbox
