// The tools' input files and output folders, failing with a ToolError that
// names the file and what is wrong with it.
#pragma once

#include <string>

#include "tools/toolbox/text_codec.h"

namespace toolbox {

// The whole file. Throws ToolError when it is missing, a folder or unreadable.
std::string readFile(const std::string& path);

// A text file as Windows-1252 (see decodeText). Throws ToolError as
// readFile does, and when the bytes are no text.
DecodedText readTextFile(const std::string& path);

// The folder and its parents, made when missing. Throws ToolError when that
// fails (a file of that name included).
void makeFolder(const std::string& path);

}  // namespace toolbox
