#include "tools/toolbox/files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "tools/toolbox/tool_error.h"

namespace toolbox {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored)) throw ToolError(path + " is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ToolError("cannot read " + path + ": " + std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw ToolError("cannot read " + path);
    return bytes;
}

DecodedText readTextFile(const std::string& path) {
    std::optional<DecodedText> text = decodeText(readFile(path));
    if (!text) throw ToolError(path + " is not a text file");
    return *text;
}

void makeFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    if (error) throw ToolError("cannot make the folder " + path + ": " + error.message());
}

}  // namespace toolbox
