// The script commands, run in process against the keyboard on a simulated desktop.
#include "tools/pelvok-sim/script_runner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/keyboard_fixture.h"

namespace {

// Members in the order the runner printed them.
using Json = nlohmann::ordered_json;

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& member : object.items()) keys.push_back(member.key());
    return keys;
}

// The number of items of an array; 0 for anything else.
std::size_t arraySize(const Json& value) { return value.is_array() ? value.size() : 0; }

struct Result {
    int code = 0;
    std::vector<std::string> lines;  // standard output
    std::string errors;
};

class ScriptRunnerTest : public pelvok_test::KeyboardTest {
protected:
    // Runs the script with "Bloc de notas" in the foreground, as the program does.
    Result run(const std::vector<std::string>& script) {
        if (!harness().started()) start();
        std::ostringstream out;
        std::ostringstream err;
        Result result;
        {
            pelvok_sim::ScriptRunner runner(desktop(), out, err);
            runner.foreground("Bloc de notas");
            runner.run(script, window());
            result.code = runner.exitCode();
            std::istringstream lines(out.str());
            for (std::string line; std::getline(lines, line);) result.lines.push_back(line);
            if (const sim::SimWindow* front =
                    desktop().windows().window(desktop().windows().foregroundWindow())) {
                lastTitle = front->title;
            }
        }
        result.errors = err.str();
        return result;
    }
    Json only(const Result& result) {
        EXPECT_EQ(result.code, 0) << result.errors;
        EXPECT_EQ(result.lines.size(), 1u);
        return Json::parse(result.lines.empty() ? "null" : result.lines[0]);
    }

    std::string lastTitle;
};

TEST_F(ScriptRunnerTest, ABadLineStopsTheScriptNamingTheLine) {
    struct Case {
        std::string line;
        std::string message;
    };
    const std::string kNot1252 = "the line is not UTF-8 or holds a character Windows-1252 has not";
    const std::vector<Case> cases = {
        {"frobnicate", "unknown command 'frobnicate'"},
        {"Type hola", "unknown command 'Type'"},
        {"press 7 0", "no row 7"},
        {"press 0 13", "no column 13"},
        {"press 1", "expected a row and a column"},
        {"press a 1", "bad row 'a'"},
        {"click 10", "expected a point x y"},
        {"hover 1 2 3", "expected a point x y"},
        {"send WM_USER+x", "bad message 'x'"},
        {"send WM_USERS", "bad message 'WM_USERS'"},
        {"send 0x10", "bad message '0x10'"},
        {"send WM_USER+20 'WW'", "bad wParam ''WW''"},
        {"menu often", "bad menu command 'often'"},
        {"dialog", "expected a file path or cancel"},
        {"foreground", "expected a window title"},
        {"type", "expected a text to type"},
        {"type hOla", "the page on show has no key for 'O'"},
        {"type \xE4\xB8\xAD", kNot1252},
        {"type \xC3", kNot1252},  // cut UTF-8
        {"state now", "expected no argument"},
    };
    for (const Case& c : cases) {
        const Result result = run({"state", "# a comment", "", c.line, "state"});
        EXPECT_EQ(result.code, 2) << c.line;
        EXPECT_EQ(result.lines.size(), 1u) << c.line;
        EXPECT_EQ(result.errors, "pelvok-sim: line 4: " + c.message + "\n") << c.line;
    }
}

TEST_F(ScriptRunnerTest, TypePressesTheKeysOfThePageOnShow) {
    const Result result = run({"type hola", "keys", "keys", "target"});
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(result.lines[0],
              "{\"keys\": [[72, 0, 0], [72, 0, 2], [79, 0, 0], [79, 0, 2], [76, 0, 0], "
              "[76, 0, 2], [65, 0, 0], [65, 0, 2]]}");
    EXPECT_EQ(result.lines[1], "{\"keys\": []}");
    EXPECT_EQ(result.lines[2], "{\"title\": \"Bloc de notas\", \"text\": \"hola\", \"caret\": 4}");
}

TEST_F(ScriptRunnerTest, ScriptTextIsTakenAsWindows1252) {
    // n with tilde has a key; the acute is a dead key the target combines.
    const Json target = only(run({"type \"\xC3\xB1 \xC2\xB4o\"", "target"}));
    EXPECT_EQ(target.at("text").get<std::string>(), "\xC3\xB1 \xC3\xB3");
    EXPECT_EQ(target.at("caret").get<double>(), 3);
}

TEST_F(ScriptRunnerTest, PressReleasesTheButtonAtTheKeyCentreAtTheCurrentSize) {
    setSetting("Zoom", "4");
    const Json target = only(run({"press 3 2", "target"}));  // q: (67, 129)-(94, 156)
    const platform::Rect window =
        desktop().windows().windowRect(desktop().windows().keyboardWindow());
    const platform::Point pointer = desktop().pointer().cursorPos();
    EXPECT_EQ(pointer.x - window.left, 148);
    EXPECT_EQ(pointer.y - window.top, 263);
    EXPECT_EQ(target.at("text").get<std::string>(), "q");
}

TEST_F(ScriptRunnerTest, ClickRightClickAndHoverAtClientPoints) {
    Result result = run({"hover 80 142", "click 10 10", "state"});
    const Json state = only(result);
    EXPECT_EQ(state.at("currentRow").get<double>(), 3);  // the key q, framed by the hover
    EXPECT_EQ(state.at("currentColumn").get<double>(), 2);
    EXPECT_EQ(window().textLine, "_");  // the click on the text strip did nothing
    desktop().queueMenuAnswer(0);
    run({"rclick 112 238"});  // the magnifier: the size menu
    ASSERT_EQ(desktop().dialogs().menus().size(), 1u);
    EXPECT_EQ(desktop().dialogs().menus()[0].menuId, 32773);
}

TEST_F(ScriptRunnerTest, SendAndPostPrivateMessages) {
    const Result result = run({"send WM_USER+11", "state", "post 0x40A", "state",
                               "send WM_USER+20 'G'", "post 1044 71", "state"});
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_FALSE(Json::parse(result.lines[0]).at("visible").get<bool>());
    EXPECT_TRUE(Json::parse(result.lines[1]).at("visible").get<bool>());
    // Two moves to the right from the start key (row 0, column 4).
    EXPECT_EQ(Json::parse(result.lines[2]).at("currentColumn").get<double>(), 6);
}

TEST_F(ScriptRunnerTest, ThePointerSetOverTheKeyboardHoversAsOnWindows) {
    // Each move sets the pointer on the new key, and Windows tells the
    // keyboard that the pointer moved; the press follows the hovered key.
    const Result result = run({"post WM_USER+20 'E'", "post WM_USER+20 'E'", "post WM_USER+20 'C'",
                               "post WM_USER+20 'G'", "post WM_USER+20 'E'", "post WM_USER+20 'W'",
                               "target"});
    ASSERT_EQ(result.code, 0) << result.errors;
    EXPECT_EQ(only(result).at("text").get<std::string>(), "e");
}

TEST_F(ScriptRunnerTest, MenuAnswersTheNextContextMenu) {
    const Json state = only(run({"menu 32776", "rpress 6 3", "state"}));
    EXPECT_EQ(state.at("zoom").get<double>(), 3);
    EXPECT_EQ(desktop().dialogs().menus().at(0).answer, 32776);
}

TEST_F(ScriptRunnerTest, DialogAnswersTheNextFileDialog) {
    run({"dialog cancel", "dialog \"C:\\Pelvok\\otro.dic\""});
    EXPECT_FALSE(desktop().platform().dialogs.runFileDialog(true, "C:\\Pelvok", "").has_value());
    const std::optional<platform::FileChoice> chosen =
        desktop().platform().dialogs.runFileDialog(true, "C:\\Pelvok", "");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->fullPath, "C:\\Pelvok\\otro.dic");
}

TEST_F(ScriptRunnerTest, ForegroundChangesTheApplicationTypedInto) {
    const Result result =
        run({"foreground Hoja de c\xC3\xA1lculo", "type b", "target", "foreground Bloc de notas",
             "type a", "target", "foreground Hoja de c\xC3\xA1lculo", "target"});
    ASSERT_EQ(result.code, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(result.lines[0],
              "{\"title\": \"Hoja de c\xC3\xA1lculo\", \"text\": \"b\", \"caret\": 1}");
    EXPECT_EQ(result.lines[1], "{\"title\": \"Bloc de notas\", \"text\": \"a\", \"caret\": 1}");
    EXPECT_EQ(result.lines[2],
              "{\"title\": \"Hoja de c\xC3\xA1lculo\", \"text\": \"b\", \"caret\": 1}");
    EXPECT_EQ(lastTitle, "Hoja de c\xE1lculo");  // the window's own title is Windows-1252
}

TEST_F(ScriptRunnerTest, StateHasItsKeysInOrder) {
    const Json state = only(run({"state"}));
    const std::vector<std::string> keys = {
        "textLine",      "cursorPos",       "suggestions",    "sentenceStarters", "capsLock",
        "shiftLatched",  "shiftConsumed",   "symbolsPage",    "letterLayout",     "currentRow",
        "currentColumn", "highlight",       "highlightState", "position",         "zoom",
        "scale",         "window",          "visible",        "dictionaryPath",   "dictionaryName",
        "sentenceStart", "selectionActive", "spaceAbsorbed"};
    EXPECT_EQ(keysOf(state), keys);
    EXPECT_EQ(arraySize(state.at("suggestions")), 6u);
    EXPECT_EQ(arraySize(state.at("sentenceStarters")), 6u);
    EXPECT_EQ(arraySize(state.at("highlight")), 4u);
    EXPECT_EQ(arraySize(state.at("window")), 4u);
}

TEST_F(ScriptRunnerTest, TheKeyboardsEndStopsTheScript) {
    const Result result = run({"press 0 12", "state", "bogus"});  // the power key
    EXPECT_EQ(result.code, 0) << result.errors;
    EXPECT_TRUE(result.lines.empty());
    EXPECT_TRUE(desktop().ended());
}

}  // namespace
