// The pelvok-sim program: scripts in, JSON lines and exit codes out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "tools/toolbox/program_run.h"
#include "tools/toolbox/temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Members in the order the program printed them.
using Json = nlohmann::ordered_json;

struct ProgramRun {
    int code = -1;
    std::vector<std::string> lines;
    std::string errors;

    Json json(std::size_t index) const {
        return Json::parse(index < lines.size() ? lines[index] : "null");
    }
};

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& member : object.items()) keys.push_back(member.key());
    return keys;
}

class PelvokSimProgramTest : public testing::Test {
protected:
    // Runs the program on the script with the options, and the home folder
    // of this test unless the options name one.
    ProgramRun run(const std::string& script, const std::vector<std::string>& options = {}) {
        const fs::path scriptFile = folder.path() / ("script" + std::to_string(++runs) + ".txt");
        std::ofstream(scriptFile, std::ios::binary) << script;
        std::vector<std::string> argv{PELVOK_SIM_PROGRAM, "--home", home().string()};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(scriptFile.string());
        const toolbox::ProgramRun ran = toolbox::runProgram(argv);
        ProgramRun result;
        result.code = ran.code;
        std::istringstream lines(ran.out);
        for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
        result.errors = ran.err;
        return result;
    }
    fs::path home() const { return folder.path() / "home"; }

    toolbox::TempFolder folder{"pelvok-sim-test"};
    int runs = 0;
};

TEST_F(PelvokSimProgramTest, TheFirstRunStartsWithTheDefaults) {
    const ProgramRun result = run("state\nregistry\n");
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 2u);
    const Json state = result.json(0);
    EXPECT_EQ(state.at("textLine").get<std::string>(), "_");
    EXPECT_EQ(state.at("cursorPos").get<double>(), 0);
    for (const Json& slot : state.at("suggestions")) EXPECT_EQ(slot.get<std::string>(), "");
    EXPECT_FALSE(state.at("capsLock").get<bool>() || state.at("shiftLatched").get<bool>() ||
                 state.at("symbolsPage").get<bool>());
    EXPECT_EQ(state.at("letterLayout").get<double>(), 2);
    EXPECT_EQ(state.at("currentRow").get<double>(), 0);
    EXPECT_EQ(state.at("currentColumn").get<double>(), 4);
    EXPECT_EQ(state.at("position").get<double>(), 1);
    EXPECT_EQ(state.at("zoom").get<double>(), 1);
    EXPECT_EQ(state.at("scale").get<double>(), 1);
    // Bottom centre of 1280 x 1024, at 419 x 256.
    const std::vector<double> window = {
        state.at("window").at(0).get<double>(), state.at("window").at(1).get<double>(),
        state.at("window").at(2).get<double>(), state.at("window").at(3).get<double>()};
    EXPECT_EQ(window, (std::vector<double>{430, 738, 419, 256}));
    EXPECT_TRUE(state.at("visible").get<bool>());
    EXPECT_EQ(state.at("dictionaryPath").get<std::string>(),
              "C:\\Pelvok\\diccionarios\\default.dic");
    EXPECT_EQ(state.at("dictionaryName").get<std::string>(), "default");
    EXPECT_TRUE(state.at("sentenceStart").get<bool>());
    EXPECT_TRUE(fs::exists(home() / "diccionarios" / "default.dic"));

    const Json registry = result.json(1);
    EXPECT_EQ(keysOf(registry),
              (std::vector<std::string>{"KeyBoard", "Zoom", "Position", "ruta_BD", "nombre_BD"}));
    EXPECT_EQ(registry.at("KeyBoard").get<std::string>(), "2");
    EXPECT_EQ(registry.at("Zoom").get<std::string>(), "1");
    EXPECT_EQ(registry.at("ruta_BD").get<std::string>(), "C:\\Pelvok\\diccionarios\\default.dic");
}

TEST_F(PelvokSimProgramTest, TypingASpanishWordAndChoosingASuggestion) {
    const fs::path dictionary = folder.path() / "palabras.dic";
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
    const Json state = result.json(0);
    EXPECT_EQ(state.at("textLine").get<std::string>(), "can_");
    EXPECT_EQ(state.at("suggestions").at(0).get<std::string>(), "canci\xC3\xB3n");
    EXPECT_EQ(state.at("suggestions").at(1).get<std::string>(), "canto");
    EXPECT_EQ(state.at("dictionaryName").get<std::string>(), "palabras");
    // The rest of the word, its accent through the dead key, and a space.
    const Json target = result.json(1);
    EXPECT_EQ(target.at("text").get<std::string>(), "canci\xC3\xB3n ");
    EXPECT_EQ(target.at("caret").get<double>(), 8);
    // A file outside the home folder is on drive Z:, the host's root.
    std::string windowsPath = "Z:" + dictionary.string();
    for (char& c : windowsPath) c = c == '/' ? '\\' : c;
    EXPECT_EQ(result.json(2).at("ruta_BD").get<std::string>(), windowsPath);
    EXPECT_EQ(result.json(2).at("nombre_BD").get<std::string>(), "palabras");
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
    const std::string registry = (folder.path() / "registro.txt").string();
    // The magnifier (row 6, column 3), then the power key: nothing after it runs.
    const ProgramRun first = run("press 6 3\npress 0 12\nstate\nbogus\n", {"--registry", registry});
    EXPECT_EQ(first.code, 0) << first.errors;
    EXPECT_TRUE(first.lines.empty());

    const ProgramRun second =
        run("state\nregistry\npress 6 3\nclose\nstate\n", {"--registry", registry});
    EXPECT_EQ(second.code, 0) << second.errors;
    ASSERT_EQ(second.lines.size(), 2u);
    EXPECT_EQ(second.json(0).at("zoom").get<double>(), 2);
    EXPECT_FLOAT_EQ(static_cast<float>(second.json(0).at("scale").get<double>()), 1.11f);
    EXPECT_EQ(second.json(1).at("Zoom").get<std::string>(), "2");

    // WM_CLOSE ended the second run without saving the size it had changed.
    const ProgramRun third = run("registry\n", {"--registry", registry});
    EXPECT_EQ(third.json(0).at("Zoom").get<std::string>(), "2");
}

}  // namespace
