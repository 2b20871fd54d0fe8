// The command line of pelvok-sim.
#pragma once

#include <string>

#include "tools/toolbox/command_line.h"

namespace pelvok_sim {

struct Options {
    std::string home;      // host folder of the start directory; empty: a temporary one
    std::string registry;  // settings file kept between runs; empty: in memory
    int screenWidth = 1280;
    int screenHeight = 1024;
    std::string dictionary;  // host file of the dictionary to use
    std::string pictures;    // folder of the keyboard pictures
    std::string script;      // host file of the script; empty or "-": standard input
};

// The options and the operand pelvok-sim takes.
void declareOptions(toolbox::CommandLine& line);

// The options of a parsed command line; throws toolbox::UsageError for a
// bad screen size.
Options readOptions(const toolbox::CommandLine& line);

}  // namespace pelvok_sim
