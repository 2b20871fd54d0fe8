// The tools' programs end the same way on what they cannot use: exit code 2
// and a message for a command line, 1 and a message naming the file for an
// input or an output, before the keyboard types anything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tool_files.h"
#include "tools/toolbox/program_run.h"

namespace {

using tools_test::TempFolder;
using tools_test::writeBytes;

TEST(ToolPrograms, UnusableCommandLinesAndInputsFailWithAMessage) {
    TempFolder folder;
    const std::string text = folder.file("texto.txt");
    const std::string empty = folder.file("vacio.txt");
    const std::string blank = folder.file("blanco.txt");
    const std::string untypeable = folder.file("sin-teclas.txt");
    const std::string binary = folder.file("binario.bin");
    const std::string missing = folder.file("falta.txt");
    const std::string aFile = folder.file("fichero");
    writeBytes(text, "hola mundo\n");
    writeBytes(empty, "");
    writeBytes(blank, " \n\t\r\n");
    writeBytes(untypeable, "\xCE\xB1\xCE\xB2 \xC2\xA7\n");  // Greek letters and a section sign
    writeBytes(binary, std::string("\x7F"
                                   "ELF\0\0\1",
                                   7));
    writeBytes(aFile, "x");
    struct Case {
        std::vector<std::string> command;
        int code;
        std::string message;
    };
    const std::string train = PELVOK_TRAIN_PROGRAM;
    const std::string ksr = PELVOK_KSR_PROGRAM;
    const std::string bench = PELVOK_BENCH_PROGRAM;
    const std::string sim = PELVOK_SIM_PROGRAM;
    const std::string out = folder.file("d.dic");
    const Case cases[] = {
        {{train, text, "--out"}, 2, "pelvok-train: option --out needs a value"},
        {{train, text}, 2, "pelvok-train: missing option --out"},
        {{train, "--out", out}, 2, "pelvok-train: missing TEXT..."},
        {{train, text, "--out", out, "--words"}, 2, "pelvok-train: option --words needs a value"},
        {{train, text, "--output", out}, 2, "pelvok-train: unknown option --output"},
        {{train, missing, "--out", out}, 1, "pelvok-train: cannot read " + missing},
        {{train, empty, "--out", out}, 1, "pelvok-train: " + empty + " holds no text"},
        {{train, blank, "--out", out}, 1, "pelvok-train: " + blank + " holds no text"},
        {{train, untypeable, "--out", out}, 1, "pelvok-train: " + untypeable + " holds nothing"},
        {{train, binary, "--out", out}, 1, "pelvok-train: " + binary + " is not a text file"},
        {{train, text, "--words", empty, "--out", out}, 1, "pelvok-train: " + empty + " holds no"},
        {{train, text, "--out", aFile + "/d.dic"}, 1, "pelvok-train: cannot write"},
        {{ksr, text, "--paragraphs", "abc"}, 2, "pelvok-ksr: bad --paragraphs 'abc'"},
        {{ksr, text, "--paragraphs", "0"}, 2, "pelvok-ksr: bad --paragraphs '0'"},
        {{ksr, text, "--paragraphs"}, 2, "pelvok-ksr: option --paragraphs needs a value"},
        {{ksr}, 2, "pelvok-ksr: missing TEXT"},
        {{ksr, text, text}, 2, "pelvok-ksr: unexpected argument " + text},
        {{ksr, missing}, 1, "pelvok-ksr: cannot read " + missing},
        {{ksr, empty}, 1, "pelvok-ksr: " + empty + " holds nothing the keyboard types"},
        {{ksr, untypeable}, 1, "pelvok-ksr: " + untypeable + " holds nothing"},
        {{ksr, binary}, 1, "pelvok-ksr: " + binary + " is not a text file"},
        {{ksr, text, "--dictionary", missing}, 1, "pelvok-ksr: no dictionary " + missing},
        {{bench, "--quick", "2"}, 2, "pelvok-bench: bad --quick '2'"},
        {{bench, "--paragraphs", "-1"}, 2, "pelvok-bench: bad --paragraphs '-1'"},
        {{bench, "extra"}, 2, "pelvok-bench: unexpected argument extra"},
        {{bench, "--eval", empty}, 1, "pelvok-bench: " + empty + " holds nothing"},
        {{bench, "--eval", missing}, 1, "pelvok-bench: cannot read " + missing},
        {{bench, "--eval", text, "--words", missing}, 1, "pelvok-bench: no file " + missing},
        {{bench, "--eval", text, "--cache", aFile},
         1,
         "pelvok-bench: cannot make the folder " + aFile},
        {{sim, "--screen"}, 2, "pelvok-sim: option --screen needs a value"},
        {{sim, text, text}, 2, "pelvok-sim: unexpected argument " + text},
        {{sim, missing}, 2, "pelvok-sim: cannot read the script " + missing},
        {{sim, empty}, 2, "pelvok-sim: the script " + empty + " is empty"},
        {{sim, "--home", aFile, text}, 1, "pelvok-sim: cannot make the folder " + aFile},
    };
    for (const Case& c : cases) {
        std::string command;
        for (const std::string& arg : c.command) command += arg + " ";
        const toolbox::ProgramRun run = toolbox::runProgram(c.command);
        EXPECT_EQ(run.code, c.code) << command << "\n" << run.err;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << command << "\n" << run.err;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST(ToolPrograms, HelpShowsTheOptionsAndEndsWith0) {
    for (const char* program :
         {PELVOK_TRAIN_PROGRAM, PELVOK_KSR_PROGRAM, PELVOK_BENCH_PROGRAM, PELVOK_SIM_PROGRAM}) {
        const toolbox::ProgramRun run = toolbox::runProgram({program, "--help"});
        EXPECT_EQ(run.code, 0) << program;
        EXPECT_NE(run.out.find("Usage:"), std::string::npos) << program << "\n" << run.out;
        EXPECT_EQ(run.err, "") << program;
    }
}

}  // namespace
