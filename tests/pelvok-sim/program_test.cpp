// The pelvok-sim program: scripts in, JSON lines and exit codes out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "tests/pelvok-sim/json_reader.h"

namespace {

namespace fs = std::filesystem;

using pelvok_test::JsonReader;
using pelvok_test::JsonValue;

struct ProgramRun {
    int code = -1;
    std::vector<std::string> lines;
    std::string errors;

    JsonValue json(std::size_t index) const {
        return JsonReader::parse(index < lines.size() ? lines[index] : "null");
    }
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class PelvokSimProgramTest : public testing::Test {
protected:
    PelvokSimProgramTest() {
        std::string pattern = (fs::temp_directory_path() / "pelvok-sim-test-XXXXXX").string();
        folder = mkdtemp(pattern.data());
    }
    ~PelvokSimProgramTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    // Runs the program on the script with the options, and the home folder
    // of this test unless the options name one.
    ProgramRun run(const std::string& script, std::vector<std::string> options = {}) {
        const fs::path scriptFile = folder / ("script" + std::to_string(++runs) + ".txt");
        std::ofstream(scriptFile, std::ios::binary) << script;
        const fs::path out = folder / "out.txt";
        const fs::path err = folder / "err.txt";
        std::string command = quoted(PELVOK_SIM_PROGRAM) + " --home " + quoted(home().string());
        for (const std::string& option : options) command += " " + quoted(option);
        command += " " + quoted(scriptFile.string()) + " >" + quoted(out.string()) + " 2>" +
                   quoted(err.string()) + " </dev/null";
        const int status = std::system(command.c_str());
        ProgramRun result;
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::istringstream lines(readFile(out));
        for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
        result.errors = readFile(err);
        return result;
    }
    fs::path home() const { return folder / "home"; }

    fs::path folder;
    int runs = 0;
};

TEST_F(PelvokSimProgramTest, TheFirstRunStartsWithTheDefaults) {
    const ProgramRun result = run("state\nregistry\n");
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 2u);
    const JsonValue state = result.json(0);
    EXPECT_EQ(state["textLine"].text, "_");
    EXPECT_EQ(state["cursorPos"].number, 0);
    for (const JsonValue& slot : state["suggestions"].items) EXPECT_EQ(slot.text, "");
    EXPECT_FALSE(state["capsLock"].boolean || state["shiftLatched"].boolean ||
                 state["symbolsPage"].boolean);
    EXPECT_EQ(state["letterLayout"].number, 2);
    EXPECT_EQ(state["currentRow"].number, 0);
    EXPECT_EQ(state["currentColumn"].number, 4);
    EXPECT_EQ(state["position"].number, 1);
    EXPECT_EQ(state["zoom"].number, 1);
    EXPECT_EQ(state["scale"].number, 1);
    // Bottom centre of 1280 x 1024, at 419 x 256.
    const std::vector<double> window = {
        state["window"].items[0].number, state["window"].items[1].number,
        state["window"].items[2].number, state["window"].items[3].number};
    EXPECT_EQ(window, (std::vector<double>{430, 738, 419, 256}));
    EXPECT_TRUE(state["visible"].boolean);
    EXPECT_EQ(state["dictionaryPath"].text, "C:\\Pelvok\\diccionarios\\default.dic");
    EXPECT_EQ(state["dictionaryName"].text, "default");
    EXPECT_TRUE(state["sentenceStart"].boolean);
    EXPECT_TRUE(fs::exists(home() / "diccionarios" / "default.dic"));

    const JsonValue registry = result.json(1);
    EXPECT_EQ(registry.keys(),
              (std::vector<std::string>{"KeyBoard", "Zoom", "Position", "ruta_BD", "nombre_BD"}));
    EXPECT_EQ(registry["KeyBoard"].text, "2");
    EXPECT_EQ(registry["Zoom"].text, "1");
    EXPECT_EQ(registry["ruta_BD"].text, "C:\\Pelvok\\diccionarios\\default.dic");
}

TEST_F(PelvokSimProgramTest, TypingASpanishWordAndChoosingASuggestion) {
    const fs::path dictionary = folder / "palabras.dic";
    {
        SqliteDatabase database;
        database.open(dictionary.string());
        DictionaryStore store(database);
        store.CreateWordsTable();
        store.CreateSuccessorsTable();
        for (int i = 0; i < 3; ++i) store.LearnWord("cancion", "canci\xF3n");
        store.LearnWord("canto", "canto");
        database.close();
    }
    const ProgramRun result =
        run("type can\nstate\ntype 1\ntarget\nregistry\n", {"--dictionary", dictionary.string()});
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    const JsonValue state = result.json(0);
    EXPECT_EQ(state["textLine"].text, "can_");
    EXPECT_EQ(state["suggestions"].items[0].text, "canci\xC3\xB3n");
    EXPECT_EQ(state["suggestions"].items[1].text, "canto");
    EXPECT_EQ(state["dictionaryName"].text, "palabras");
    // The rest of the word, its accent through the dead key, and a space.
    const JsonValue target = result.json(1);
    EXPECT_EQ(target["text"].text, "canci\xC3\xB3n ");
    EXPECT_EQ(target["caret"].number, 8);
    // A file outside the home folder is on drive Z:, the host's root.
    std::string windowsPath = "Z:" + dictionary.string();
    for (char& c : windowsPath) c = c == '/' ? '\\' : c;
    EXPECT_EQ(result.json(2)["ruta_BD"].text, windowsPath);
    EXPECT_EQ(result.json(2)["nombre_BD"].text, "palabras");
}

TEST_F(PelvokSimProgramTest, ABadCommandEndsWithCode2NamingTheLine) {
    const ProgramRun result = run("state\n\n# next: a typo\nstat\nstate\n");
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.lines.size(), 1u);
    EXPECT_EQ(result.errors, "pelvok-sim: line 4: unknown command 'stat'\n");
}

TEST_F(PelvokSimProgramTest, BadOptionsEndWithCode2BeforeStarting) {
    const ProgramRun screen = run("state\n", {"--screen", "big"});
    EXPECT_EQ(screen.code, 2);
    EXPECT_TRUE(screen.lines.empty());
    EXPECT_NE(screen.errors.find("bad screen size 'big'"), std::string::npos) << screen.errors;
    const ProgramRun unknown = run("state\n", {"--colour", "red"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.errors.find("unknown option --colour"), std::string::npos);
}

TEST_F(PelvokSimProgramTest, ThePowerKeySavesTheSettingsForTheNextRun) {
    const std::string registry = (folder / "registro.txt").string();
    // The magnifier (row 6, column 3), then the power key: nothing after it runs.
    const ProgramRun first = run("press 6 3\npress 0 12\nstate\nbogus\n", {"--registry", registry});
    EXPECT_EQ(first.code, 0) << first.errors;
    EXPECT_TRUE(first.lines.empty());

    const ProgramRun second =
        run("state\nregistry\npress 6 3\nclose\nstate\n", {"--registry", registry});
    EXPECT_EQ(second.code, 0) << second.errors;
    ASSERT_EQ(second.lines.size(), 2u);
    EXPECT_EQ(second.json(0)["zoom"].number, 2);
    EXPECT_FLOAT_EQ(static_cast<float>(second.json(0)["scale"].number), 1.11f);
    EXPECT_EQ(second.json(1)["Zoom"].text, "2");

    // WM_CLOSE ended the second run without saving the size it had changed.
    const ProgramRun third = run("registry\n", {"--registry", registry});
    EXPECT_EQ(third.json(0)["Zoom"].text, "2");
}

}  // namespace
