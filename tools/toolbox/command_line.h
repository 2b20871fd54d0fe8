// The command line of a host tool, read with cxxopts: options that take a
// value (--name VALUE or --name=VALUE), flags (--name), the operands, and
// --help. Every
// fault is a UsageError naming it; runTool turns it into exit code 2.
//
//   toolbox::CommandLine line("pelvok-ksr", "Types TEXT on the keyboard.", "TEXT", 1, 1);
//   line.option("paragraphs", "N", "type only the first N paragraphs");
//   return toolbox::runTool(line, argc, argv, [&] {
//       const long long limit = line.number("paragraphs", 1, kMost, -1);
//       ...
//   });
#pragma once

#include <cstddef>
#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/toolbox/tool_error.h"

namespace toolbox {

class CommandLine {
public:
    // `operands` is how the usage line shows the arguments that are not
    // options ("TEXT...", "[SCRIPT | -]"); between `least` and `most` of them.
    CommandLine(std::string program, const std::string& summary, const std::string& operands,
                std::size_t least, std::size_t most);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // An option that takes a value, shown as --name VALUE in the help.
    CommandLine& option(const std::string& name, const std::string& value, const std::string& help);
    // An option that takes no value, shown as --name in the help.
    CommandLine& flag(const std::string& name, const std::string& help);

    // Reads the command line; false when it asks for --help. Throws
    // UsageError for an unknown option, an option without its value or
    // given twice, and too few or too many operands.
    bool parse(int argc, const char* const* argv);

    const std::string& program() const { return program_; }
    std::string help() const;

    bool has(const std::string& name) const;
    // Whether the flag was given.
    bool isSet(const std::string& name) const;
    // The option's value, or `fallback` when it is absent; an empty value is
    // a UsageError.
    std::string text(const std::string& name, const std::string& fallback = "") const;
    // The option's value; its absence is a UsageError.
    std::string required(const std::string& name) const;
    // The option as a whole number from `low` to `high` (decimal digits
    // only), or `fallback` when it is absent; anything else is a UsageError.
    long long number(const std::string& name, long long low, long long high,
                     long long fallback) const;
    const std::vector<std::string>& operands() const { return operands_; }

private:
    struct Parser;

    std::string program_;
    std::string operandsUsage_;
    std::size_t least_;
    std::size_t most_;
    std::unique_ptr<Parser> parser_;
    std::vector<std::string> operands_;
};

// Runs a tool's main: parses the command line, then `body`, whose result is
// the exit code. --help prints the help on `out` and gives 0. A UsageError
// prints "PROGRAM: message" and a pointer to --help on `err` and gives
// kUsageExit; a ToolError, and any other failure (a dictionary's
// included), prints "PROGRAM: message" on `err` and gives kFailureExit.
int runTool(CommandLine& line, int argc, const char* const* argv, const std::function<int()>& body,
            std::ostream& out = std::cout, std::ostream& err = std::cerr);

}  // namespace toolbox
