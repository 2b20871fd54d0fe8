// Another program run to its end: its exit code, and all it wrote on each
// stream, even when it fills both pipes.
#include "tools/toolbox/program_run.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/toolbox/tool_error.h"

namespace {

TEST(ProgramRun, GathersBothStreamsAndTheExitCode) {
    struct Case {
        std::string script;
        int code;
        std::string out;
        std::string err;
    };
    const std::string big(300000, 'e');
    const Case cases[] = {
        {"echo uno; echo dos >&2; exit 3", 3, "uno\n", "dos\n"},
        {"if read line; then echo got; else echo none; fi", 0, "none\n", ""},  // empty input
        // More than a pipe holds on standard error before anything on standard output.
        {"head -c 300000 /dev/zero | tr '\\0' e >&2; echo fin", 0, "fin\n", big},
        {"kill -9 $$", -1, "", ""},
    };
    for (const Case& c : cases) {
        const toolbox::ProgramRun run = toolbox::runProgram({"/bin/sh", "-c", c.script});
        EXPECT_EQ(run.code, c.code) << c.script;
        EXPECT_EQ(run.out, c.out) << c.script;
        EXPECT_EQ(run.err.size(), c.err.size()) << c.script;
        EXPECT_TRUE(run.err == c.err) << c.script;  // not printed: it may be long
    }
    EXPECT_THROW(toolbox::runProgram({"/nonexistent/program"}), toolbox::ToolError);
}

}  // namespace
