// A fresh folder under the system's temporary directory, removed with all it
// holds when the test ends; and whole-file reads and writes.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "tools/toolbox/temp_folder.h"

using toolbox::TempFolder;

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
