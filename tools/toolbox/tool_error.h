// How a host tool fails: every tool ends with the same codes for the same
// kind of fault, its message on standard error (see runTool).
#pragma once

#include <stdexcept>

namespace toolbox {

// An input or an output the tool cannot use: a missing, empty or binary
// file, a folder it cannot make, an output it cannot write.
constexpr int kFailureExit = 1;
// A command line the tool cannot run: an unknown option, a missing value,
// a bad number, a missing or extra operand.
constexpr int kUsageExit = 2;

class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace toolbox
