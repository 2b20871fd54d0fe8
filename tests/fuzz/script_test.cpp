// The scripts pelvok-fuzz prints read back as the same actions, and a
// script it cannot read names the line and the fault.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/key_codes.h"
#include "tools/pelvok-fuzz/actions.h"

namespace {

using fuzz::Action;

std::string script(const std::vector<Action>& actions) {
    std::string text;
    for (const Action& action : actions) text += fuzz::formatAction(action) + "  # a comment\n";
    return text;
}

TEST(Script, EveryActionReadsBackAsItself) {
    std::vector<Action> actions;
    // Every character code a key can carry, ASCII and Windows-1252.
    for (int code = ' '; code <= 0xFF; ++code) {
        if (code == 0x7F || code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 ||
            code == 0x9D)
            continue;  // no key carries these
        actions.push_back(Action::key(KeyKind::Character, static_cast<std::uint8_t>(code)));
    }
    for (int code = 0; code < 256; ++code) {
        for (const KeyKind kind : {KeyKind::Command, KeyKind::Direct}) {
            if (!fuzz::keyName(kind, static_cast<std::uint8_t>(code)).empty())
                actions.push_back(Action::key(kind, static_cast<std::uint8_t>(code)));
        }
    }
    for (const char letter : std::string("AEGCW")) actions.push_back(Action::message(20, letter));
    for (const int n : {10, 11, 31, 33}) actions.push_back(Action::message(n));
    actions.push_back(Action::click(0, 0));
    actions.push_back(Action::click(417, -3));

    EXPECT_EQ(fuzz::parseScript("# a script\n\n" + script(actions)), actions);
    // A script saved on Windows.
    EXPECT_EQ(fuzz::parseScript("key a\r\nkey SHIFT\r\n"),
              (std::vector<Action>{Action::key(KeyKind::Character, 'a'),
                                   Action::key(KeyKind::Direct, direct::kShiftLatch)}));
    EXPECT_EQ(fuzz::keyName(KeyKind::Character, '#'), "#");
    EXPECT_EQ(fuzz::keyName(KeyKind::Character, 0xB4), "\xC2\xB4");  // ´ in UTF-8
    // The power and folder keys have no name: no script presses them.
    EXPECT_EQ(fuzz::keyName(KeyKind::Command, command::kExit), "");
    EXPECT_EQ(fuzz::keyName(KeyKind::Direct, direct::kOpenDictionary), "");
}

TEST(Script, UnreadableLinesAreNamed) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"press a", "line 1: unknown action 'press'"},
        {"key a\nkey POWER", "line 2: no key is named 'POWER'"},
        {"key ab", "line 1: no key is named 'ab'"},
        {"key", "line 1: no key is named ''"},
        {"post 12", "line 1: no private message WM_USER+12"},
        {"post 20", "line 1: WM_USER+20 needs one of A, E, G, C, W"},
        {"post 20 X", "line 1: WM_USER+20 needs one of A, E, G, C, W"},
        {"click 10", "line 1: click needs a point X Y"},
        {"click 10 y", "line 1: click needs a point X Y"},
        {"key a b", "line 1: unexpected 'b'"},
    };
    for (const Case& c : cases) {
        try {
            fuzz::parseScript(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const std::invalid_argument& failure) {
            EXPECT_EQ(std::string(failure.what()), c.message) << c.text;
        }
    }
}

}  // namespace
