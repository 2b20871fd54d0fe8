// The command line of pelvok-sim.
#pragma once

#include <optional>
#include <string>

namespace pelvok_sim {

struct Options {
    std::string home;      // host folder of the start directory; empty: a temporary one
    std::string registry;  // settings file kept between runs; empty: in memory
    int screenWidth = 1280;
    int screenHeight = 1024;
    std::string dictionary;  // host file of the dictionary to use
    std::string pictures;    // folder of the keyboard pictures
    std::string script;      // host file of the script; empty or "-": standard input
    bool help = false;
};

// Parses argv; nullopt after writing what is wrong to `error`.
std::optional<Options> parseOptions(int argc, char** argv, std::string& error);

extern const char* const kUsage;

}  // namespace pelvok_sim
