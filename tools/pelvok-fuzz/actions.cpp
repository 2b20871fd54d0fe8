#include "tools/pelvok-fuzz/actions.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "model/key_codes.h"
#include "tools/toolbox/text_codec.h"
#include "window/private_messages.h"

namespace fuzz {

namespace {

struct NamedKey {
    const char* name;
    KeyKind kind;
    std::uint8_t code;
};

// The command and direct keys of every page, by the names of the tests'
// key scripts where they have one. The power and folder keys are left out:
// one ends the keyboard, the other opens a file dialog.
constexpr NamedKey kNamedKeys[] = {
    {"SHIFT", KeyKind::Direct, direct::kShiftLatch},
    {"CAPS", KeyKind::Direct, direct::kCapsLock},
    {"SYM", KeyKind::Direct, direct::kSymbols},
    {"BS", KeyKind::Direct, direct::kBackspace},
    {"ENTER", KeyKind::Direct, direct::kEnter},
    {"LEFT", KeyKind::Direct, direct::kLeft},
    {"RIGHT", KeyKind::Direct, direct::kRight},
    {"UP", KeyKind::Direct, direct::kUp},
    {"DOWN", KeyKind::Direct, direct::kDown},
    {"HOME", KeyKind::Direct, direct::kHome},
    {"END", KeyKind::Direct, direct::kEnd},
    {"TAB", KeyKind::Direct, direct::kTab},
    {"ESC", KeyKind::Direct, direct::kEscape},
    {"UNDO", KeyKind::Direct, direct::kUndo},
    {"MENU", KeyKind::Direct, direct::kContextMenu},
    {"F1", KeyKind::Direct, direct::kF1},
    {"F2", KeyKind::Direct, direct::kF1 + 1},
    {"F3", KeyKind::Direct, direct::kF1 + 2},
    {"F4", KeyKind::Direct, direct::kF1 + 3},
    {"F5", KeyKind::Direct, direct::kF1 + 4},
    {"F6", KeyKind::Direct, direct::kF1 + 5},
    {"F7", KeyKind::Direct, direct::kF1 + 6},
    {"F8", KeyKind::Direct, direct::kF1 + 7},
    {"F9", KeyKind::Direct, direct::kF9},
    {"DEL", KeyKind::Command, command::kForwardDelete},
    {"WORD", KeyKind::Command, command::kDeleteWord},
    {"BACKTAB", KeyKind::Command, command::kBackTab},
    {"COPY", KeyKind::Command, command::kCopy},
    {"PASTE", KeyKind::Command, command::kPaste},
    {"CUT", KeyKind::Command, command::kCut},
    {"ZOOM", KeyKind::Command, command::kNextSize},
    {"ARRANGE", KeyKind::Command, command::kArrangement},
    {"DOCK-TOP-LEFT", KeyKind::Command, command::kDockTopLeft},
    {"DOCK-TOP-RIGHT", KeyKind::Command, command::kDockTopRight},
    {"DOCK-BOTTOM-LEFT", KeyKind::Command, command::kDockBottomLeft},
    {"DOCK-BOTTOM-RIGHT", KeyKind::Command, command::kDockBottomRight},
    {"DOCK-BOTTOM-CENTRE", KeyKind::Command, command::kDockBottomCentre},
    {"DOCK-BOTTOM", KeyKind::Command, command::kDockBottom},
};

constexpr const char* kSpaceName = "space";
constexpr const char* kDriveLetters = "AEGCW";

bool isMessage(int n) {
    return n == private_message::kShow || n == private_message::kHide ||
           n == private_message::kDrive || n == private_message::kSnap ||
           n == private_message::kResetLine;
}

std::optional<Action> keyNamed(const std::string& name) {
    for (const NamedKey& key : kNamedKeys)
        if (name == key.name) return Action::key(key.kind, key.code);
    if (name == kSpaceName) return Action::key(KeyKind::Character, ' ');
    const std::optional<std::string> bytes = toolbox::cp1252FromUtf8(name);
    if (!bytes || bytes->size() != 1 || static_cast<unsigned char>((*bytes)[0]) <= ' ')
        return std::nullopt;
    return Action::key(KeyKind::Character, static_cast<std::uint8_t>((*bytes)[0]));
}

std::optional<int> wholeNumber(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    const bool negative = text[0] == '-';
    if (text.find_first_not_of("0123456789", negative ? 1 : 0) != std::string::npos ||
        text.size() == (negative ? 1u : 0u))
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < low || value > high) return std::nullopt;
    return value;
}

Action parseLine(std::istringstream& words) {
    std::string verb;
    words >> verb;
    std::string first;
    std::string second;
    words >> first;
    Action action;
    if (verb == "key") {
        const std::optional<Action> key = keyNamed(first);
        if (!key) throw std::invalid_argument("no key is named '" + first + "'");
        action = *key;
    } else if (verb == "post") {
        const std::optional<int> n = wholeNumber(first, 0, 255);
        if (!n || !isMessage(*n))
            throw std::invalid_argument("no private message WM_USER+" + first);
        if (*n == private_message::kDrive) {
            words >> second;
            if (second.size() != 1 || std::string(kDriveLetters).find(second[0]) == std::string::npos)
                throw std::invalid_argument("WM_USER+20 needs one of A, E, G, C, W");
        }
        action = Action::message(static_cast<std::uint8_t>(*n), second.empty() ? 0 : second[0]);
    } else if (verb == "click") {
        words >> second;
        const std::optional<int> x = wholeNumber(first, -32768, 32767);
        const std::optional<int> y = wholeNumber(second, -32768, 32767);
        if (!x || !y) throw std::invalid_argument("click needs a point X Y");
        action = Action::click(*x, *y);
    } else {
        throw std::invalid_argument("unknown action '" + verb + "'");
    }
    std::string rest;
    if (words >> rest && rest[0] != '#') throw std::invalid_argument("unexpected '" + rest + "'");
    return action;
}

}  // namespace

bool operator==(const Action& a, const Action& b) {
    return a.type == b.type && a.kind == b.kind && a.code == b.code && a.command == b.command &&
           a.x == b.x && a.y == b.y;
}

std::string keyName(KeyKind kind, std::uint8_t code) {
    if (kind == KeyKind::Character) {
        if (code == ' ') return kSpaceName;
        if (code < ' ') return "";
        return toolbox::utf8FromCp1252(std::string(1, static_cast<char>(code)));
    }
    for (const NamedKey& key : kNamedKeys)
        if (key.kind == kind && key.code == code) return key.name;
    return "";
}

std::string formatAction(const Action& action) {
    switch (action.type) {
        case ActionType::Key:
            return "key " + keyName(action.kind, action.code);
        case ActionType::Message:
            return "post " + std::to_string(action.code) +
                   (action.command != 0 ? std::string(" ") + action.command : "");
        case ActionType::Click:
            return "click " + std::to_string(action.x) + " " + std::to_string(action.y);
    }
    return "";
}

std::vector<Action> parseScript(const std::string& text) {
    std::vector<Action> actions;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(line);
        std::string verb;
        if (!(words >> verb) || verb[0] == '#') continue;
        std::istringstream again(line);
        try {
            actions.push_back(parseLine(again));
        } catch (const std::invalid_argument& failure) {
            throw std::invalid_argument("line " + std::to_string(number) + ": " + failure.what());
        }
    }
    return actions;
}

}  // namespace fuzz
