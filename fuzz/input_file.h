// The fuzzer's input as a file, for the targets that read one: written anew
// for each input into a folder the target keeps for its whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "tools/toolbox/temp_folder.h"

namespace fuzz {

inline std::string writeInputFile(const toolbox::TempFolder& folder, const std::string& name,
                                  const std::uint8_t* data, std::size_t size) {
    const std::string path = folder.file(name);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

}  // namespace fuzz
