// Another program run to its end, its output and errors gathered: the
// benchmark's runs of itself, and the tests of the tools' programs.
#pragma once

#include <string>
#include <vector>

namespace toolbox {

struct ProgramRun {
    int code = -1;  // the exit code; -1 when a signal ended the program
    std::string out;
    std::string err;
};

// Runs `argv` (argv[0] the program's path) with an empty standard input and
// waits for its end. Throws ToolError when it cannot start.
ProgramRun runProgram(const std::vector<std::string>& argv);

}  // namespace toolbox
