#include "tools/toolbox/command_line.h"

// Operands are file names: a comma in one must not split it in two.
#define CXXOPTS_VECTOR_DELIMITER '\0'
#include <charconv>
#include <cxxopts.hpp>
#include <exception>
#include <limits>
#include <map>
#include <set>

#include "dictionary/SqliteException.h"

namespace toolbox {

namespace {

constexpr const char* kOperands = "operands";

std::string withDashes(const std::string& name) { return "--" + name; }

}  // namespace

struct CommandLine::Parser {
    Parser(const std::string& program, const std::string& summary) : options(program, summary) {}

    cxxopts::Options options;
    std::vector<std::string> names;
    std::vector<std::string> flags;
    std::map<std::string, std::string> values;
    std::set<std::string> flagsSet;
};

CommandLine::CommandLine(std::string program, const std::string& summary,
                         const std::string& operands, std::size_t least, std::size_t most)
    : program_(std::move(program)),
      operandsUsage_(operands),
      least_(least),
      most_(most),
      parser_(std::make_unique<Parser>(program_, summary)) {
    parser_->options.custom_help("[options]").positional_help(operands);
    parser_->options.add_options()("h,help", "show this help");
    // In a group of its own, which the help leaves out.
    parser_->options.add_options(kOperands)(kOperands, "",
                                            cxxopts::value<std::vector<std::string>>());
    parser_->options.parse_positional({kOperands});
    parser_->options.allow_unrecognised_options();
}

CommandLine::~CommandLine() = default;

CommandLine& CommandLine::option(const std::string& name, const std::string& value,
                                 const std::string& help) {
    parser_->options.add_options()(name, help, cxxopts::value<std::string>(), value);
    parser_->names.push_back(name);
    return *this;
}

CommandLine& CommandLine::flag(const std::string& name, const std::string& help) {
    parser_->options.add_options()(name, help);
    parser_->flags.push_back(name);
    return *this;
}

bool CommandLine::parse(int argc, const char* const* argv) {
    cxxopts::ParseResult result;
    try {
        result = parser_->options.parse(argc, argv);
    } catch (const cxxopts::exceptions::missing_argument&) {
        // Only the last argument can lack the value that follows it.
        throw UsageError("option " + std::string(argv[argc - 1]) + " needs a value");
    } catch (const cxxopts::exceptions::exception& failure) {
        throw UsageError(failure.what());
    }
    for (const std::string& unknown : result.unmatched()) {
        throw UsageError("unknown option " + unknown.substr(0, unknown.find('=')));
    }
    if (result.count("help")) return false;
    for (const std::string& name : parser_->names) {
        if (result.count(name) > 1) {
            throw UsageError("option " + withDashes(name) + " is given more than once");
        }
        if (result.count(name)) parser_->values[name] = result[name].as<std::string>();
    }
    for (const std::string& name : parser_->flags) {
        if (result.count(name) > 1) {
            throw UsageError("option " + withDashes(name) + " is given more than once");
        }
        if (result.count(name) && result[name].as<bool>()) parser_->flagsSet.insert(name);
    }
    if (result.count(kOperands)) operands_ = result[kOperands].as<std::vector<std::string>>();
    if (operands_.size() < least_) throw UsageError("missing " + operandsUsage_);
    if (operands_.size() > most_) {
        throw UsageError("unexpected argument " + operands_[most_]);
    }
    return true;
}

std::string CommandLine::help() const { return parser_->options.help({""}); }

bool CommandLine::has(const std::string& name) const { return parser_->values.count(name) > 0; }

bool CommandLine::isSet(const std::string& name) const {
    return parser_->flagsSet.count(name) > 0;
}

std::string CommandLine::text(const std::string& name, const std::string& fallback) const {
    const auto found = parser_->values.find(name);
    if (found == parser_->values.end()) return fallback;
    if (found->second.empty()) throw UsageError("option " + withDashes(name) + " needs a value");
    return found->second;
}

std::string CommandLine::required(const std::string& name) const {
    if (!has(name)) throw UsageError("missing option " + withDashes(name));
    return text(name);
}

long long CommandLine::number(const std::string& name, long long low, long long high,
                              long long fallback) const {
    if (!has(name)) return fallback;
    const std::string value = text(name);
    long long number = 0;
    const char* end = value.data() + value.size();
    const std::from_chars_result read = std::from_chars(value.data(), end, number);
    const bool digitsOnly = value.find_first_not_of("0123456789") == std::string::npos;
    if (!digitsOnly || read.ec != std::errc() || read.ptr != end || number < low || number > high) {
        const std::string range =
            high == std::numeric_limits<long long>::max()
                ? "of at least " + std::to_string(low)
                : "from " + std::to_string(low) + " to " + std::to_string(high);
        throw UsageError("bad " + withDashes(name) + " '" + value + "' (expected a whole number " +
                         range + ")");
    }
    return number;
}

int runTool(CommandLine& line, int argc, const char* const* argv, const std::function<int()>& body,
            std::ostream& out, std::ostream& err) {
    const std::string prefix = line.program() + ": ";
    try {
        if (!line.parse(argc, argv)) {
            out << line.help();
            return 0;
        }
        return body();
    } catch (const UsageError& failure) {
        out.flush();
        err << prefix << failure.what() << "\n"
            << "(" << line.program() << " --help shows the options)\n";
        return kUsageExit;
    } catch (const std::exception& failure) {
        out.flush();
        err << prefix << failure.what() << "\n";
        return kFailureExit;
    } catch (const SqliteException& failure) {
        out.flush();
        err << prefix
            << "dictionary failure: " << (failure.message() ? failure.message() : "unknown")
            << "\n";
        return kFailureExit;
    }
}

}  // namespace toolbox
