// Every tool reads its command line the same way: a fault ends it with exit
// code 2 and a message naming it, --help with the help and 0.
#include "tools/toolbox/command_line.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/SqliteException.h"

namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
    std::string seen;  // what the body read, when it ran
};

// A tool with one operand or more, --paragraphs N from 1 to 100, --out FILE
// and the flag --quiet.
Outcome runWith(std::vector<std::string> args, const std::function<void()>& fail = {}) {
    toolbox::CommandLine line("pelvok-test", "A tool under test.", "TEXT...", 1,
                              std::numeric_limits<std::size_t>::max());
    line.option("paragraphs", "N", "how many").option("out", "FILE", "where");
    line.flag("quiet", "say less");
    args.insert(args.begin(), "pelvok-test");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.code = toolbox::runTool(
        line, static_cast<int>(argv.size()), argv.data(),
        [&] {
            if (fail) fail();
            outcome.seen =
                std::to_string(line.number("paragraphs", 1, 100, -1)) + " " + line.text("out", "-");
            for (const std::string& operand : line.operands()) outcome.seen += " [" + operand + "]";
            if (line.isSet("quiet")) outcome.seen += " quiet";
            return 0;
        },
        out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(CommandLine, FaultsEndWithCode2AndAMessage) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"t.txt", "--out"}, "option --out needs a value"},
        {{"t.txt", "--out="}, "option --out needs a value"},
        {{"t.txt", "--paragraphs", "abc"}, "bad --paragraphs 'abc' (expected a whole number"},
        {{"t.txt", "--paragraphs", "12x"}, "bad --paragraphs '12x'"},
        {{"t.txt", "--paragraphs", "-3"}, "bad --paragraphs '-3'"},
        {{"t.txt", "--paragraphs", "+3"}, "bad --paragraphs '+3'"},
        {{"t.txt", "--paragraphs", "0"}, "bad --paragraphs '0'"},
        {{"t.txt", "--paragraphs", "101"}, "bad --paragraphs '101'"},
        {{"t.txt", "--paragraphs", "99999999999999999999"}, "bad --paragraphs"},
        {{"t.txt", "--colour", "red"}, "unknown option --colour"},
        {{"t.txt", "--colour=red"}, "unknown option --colour"},
        {{"-x", "t.txt"}, "unknown option -x"},
        {{"t.txt", "--out", "a", "--out", "b"}, "option --out is given more than once"},
        {{"t.txt", "--quiet", "--quiet"}, "option --quiet is given more than once"},
        {{"t.txt", "--quiet=maybe"}, "Argument "},
        {{}, "missing TEXT..."},
        {{"--out", "t.txt"}, "missing TEXT..."},
    };
    for (const Case& c : cases) {
        const Outcome outcome = runWith(c.args);
        std::string line;
        for (const std::string& arg : c.args) line += arg + " ";
        EXPECT_EQ(outcome.code, toolbox::kUsageExit) << line;
        EXPECT_EQ(outcome.err.rfind("pelvok-test: " + c.message, 0), 0u) << line << outcome.err;
        EXPECT_EQ(outcome.seen, "") << line;
        EXPECT_EQ(outcome.out, "") << line;
    }
}

TEST(CommandLine, ValuesAndOperandsReachTheTool) {
    struct Case {
        std::vector<std::string> args;
        std::string seen;
    };
    const Case cases[] = {
        {{"t.txt"}, "-1 - [t.txt]"},
        {{"a.txt", "--paragraphs", "7", "b.txt", "--out", "d.dic"}, "7 d.dic [a.txt] [b.txt]"},
        {{"--paragraphs=100", "--out=x", "t.txt"}, "100 x [t.txt]"},
        // A file name is never split, and after -- nothing is an option.
        {{"uno,dos.txt", "-"}, "-1 - [uno,dos.txt] [-]"},
        {{"--", "--out"}, "-1 - [--out]"},
        // A flag takes no value: what follows it is an operand.
        {{"--quiet", "t.txt"}, "-1 - [t.txt] quiet"},
        {{"t.txt", "--quiet=false"}, "-1 - [t.txt]"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = runWith(c.args);
        EXPECT_EQ(outcome.code, 0) << c.seen << outcome.err;
        EXPECT_EQ(outcome.seen, c.seen);
    }
}

TEST(CommandLine, HelpPrintsTheOptionsAndEndsWith0) {
    for (const char* help : {"--help", "-h"}) {
        const Outcome outcome = runWith({help});
        EXPECT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.seen, "");
        for (const char* shown :
             {"pelvok-test [options] TEXT...", "--paragraphs N", "--out FILE", "--quiet"})
            EXPECT_NE(outcome.out.find(shown), std::string::npos) << shown << "\n" << outcome.out;
        EXPECT_EQ(outcome.out.find("operands"), std::string::npos) << outcome.out;
    }
}

TEST(CommandLine, FailuresOfTheToolEndWithCode1) {
    struct Case {
        std::function<void()> fail;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {[] { throw toolbox::ToolError("cannot read t.txt"); }, 1, "cannot read t.txt"},
        {[] { throw std::runtime_error("disk full"); }, 1, "disk full"},
        {[] { throw SqliteException(11, "SQLITE_CORRUPT[11]: malformed"); }, 1,
         "dictionary failure: "},
        {[] { throw toolbox::UsageError("bad screen size 'x'"); }, 2, "bad screen size 'x'"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = runWith({"t.txt"}, c.fail);
        EXPECT_EQ(outcome.code, c.code) << c.message;
        EXPECT_EQ(outcome.err.rfind("pelvok-test: " + c.message, 0), 0u) << outcome.err;
    }
}

}  // namespace
