// The pelvok-fuzz program: its exit codes, what --replay prints, and a
// divergence it prints that --replay reads back and finds again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tool_files.h"
#include "tools/toolbox/program_run.h"

namespace {

using tools_test::TempFolder;
using tools_test::writeBytes;

const std::string kFuzz = PELVOK_FUZZ_PROGRAM;

TEST(FuzzProgram, BadCommandLinesAndInputsEndWithCode2) {
    TempFolder folder;
    const std::string unreadable = folder.file("bad.txt");
    writeBytes(unreadable, "key a\nkey NOSUCHKEY\n");
    const std::string empty = folder.file("empty.txt");
    writeBytes(empty, "# nothing\n");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"--keys", "0"}, "bad --keys '0'"},
        {{"--seed", "x"}, "bad --seed 'x'"},
        {{"--restart-every", "-1"}, "bad --restart-every '-1'"},
        {{"--colour"}, "unknown option --colour"},
        {{"extra"}, "unexpected argument extra"},
        {{"--dictionary", folder.file("none.dic")}, "no dictionary file"},
        {{"--replay", folder.file("none.txt")}, "cannot read"},
        {{"--replay", unreadable}, "line 2: no key is named 'NOSUCHKEY'"},
        {{"--replay", empty}, "holds no action"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv{kFuzz};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const toolbox::ProgramRun run = toolbox::runProgram(argv);
        EXPECT_EQ(run.code, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(FuzzProgram, ReplayPrintsWhatEachActionLeftInTheEditBox) {
    TempFolder folder;
    const std::string typing = folder.file("hola.txt");
    writeBytes(typing, "key h\nkey o  # a comment\n\nkey l\nkey a\nkey LEFT\n");
    const toolbox::ProgramRun run = toolbox::runProgram({kFuzz, "--replay", typing});
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(run.out,
              "key h           # \"h|\"\n"
              "key o           # \"ho|\"\n"
              "key l           # \"hol|\"\n"
              "key a           # \"hola|\"\n"
              "key LEFT        # \"hol|a\"\n"
              "# no divergence on replay\n");
}

TEST(FuzzProgram, ARunWithoutDivergenceSaysSoAndEndsWithZero) {
    const toolbox::ProgramRun run =
        toolbox::runProgram({kFuzz, "--keys", "3000", "--seed", "1", "--report"});
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("# no divergence in 3000 actions"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0 divergences found"), std::string::npos) << run.out;
}

}  // namespace
