// What pelvok-fuzz does to the keyboard, one action at a time, and the
// script it writes a divergence as and reads back with --replay: one action
// a line,
//
//   key NAME      a left click at the centre of the key of the page on show
//                 with that name; skipped when the page has none
//   post N [C]    the private message WM_USER+N (10, 11, 20, 31 or 33),
//                 posted; C the command letter of 20 (A, E, G, C or W)
//   click X Y     a left click at the client point (X, Y)
//
// NAME is the character of a character key (UTF-8; "space" for the space
// bar; 1 to 6 are the suggestion keys on the letter pages) or the name of a
// command or direct key (SHIFT, BS, COPY...: see kNamedKeys in actions.cpp).
// A '#' at the start of a line, or after an action, starts a comment.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/KeyRows.h"

namespace fuzz {

enum class ActionType : std::uint8_t { Key, Message, Click };

struct Action {
    ActionType type = ActionType::Key;
    KeyKind kind = KeyKind::Character;  // Key
    std::uint8_t code = 0;              // Key: the key's code; Message: N of WM_USER+N
    char command = 0;                   // Message WM_USER+20: its command letter
    std::int16_t x = 0;                 // Click
    std::int16_t y = 0;

    static Action key(KeyKind kind, std::uint8_t code) { return {ActionType::Key, kind, code}; }
    static Action message(std::uint8_t n, char command = 0) {
        return {ActionType::Message, KeyKind::Character, n, command};
    }
    static Action click(int x, int y) {
        return {ActionType::Click, KeyKind::Character, 0, 0, static_cast<std::int16_t>(x),
                static_cast<std::int16_t>(y)};
    }
};

bool operator==(const Action& a, const Action& b);
inline bool operator!=(const Action& a, const Action& b) { return !(a == b); }

// The name a key has in a script (UTF-8): its character, "space", or the
// name of a command or direct key; empty for a key no script names (the
// power key, the folder key).
std::string keyName(KeyKind kind, std::uint8_t code);

// The action as a line of a script, without a line end.
std::string formatAction(const Action& action);

// The actions of a script. Throws std::invalid_argument naming the line of
// the first one it cannot read.
std::vector<Action> parseScript(const std::string& text);

}  // namespace fuzz
