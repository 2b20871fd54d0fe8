// The keyboard under test: the real keyboard, freshly started on the
// simulated desktop with an edit box in front, its dictionary in a
// temporary folder (empty, or a copy of a given file) and learning from
// what it types, the window never painted. Every replay starts one, so that
// a script does the same from its first action.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tools/pelvok-fuzz/action_table.h"
#include "tools/pelvok-fuzz/actions.h"
#include "tools/toolbox/echo_check.h"
#include "tools/toolbox/temp_folder.h"
#include "tools/typist/keyboard_session.h"

namespace fuzz {

// The keyboard layout of the desktops the keyboards start on from now on
// (Spanish unless set).
void SetSystemLayout(sim::SystemLayout layout);

class FuzzKeyboard {
public:
    // `dictionary`: a host file copied as the dictionary; empty: an empty
    // one. Throws std::runtime_error when the keyboard cannot start.
    explicit FuzzKeyboard(const std::string& dictionary);
    ~FuzzKeyboard();
    FuzzKeyboard(const FuzzKeyboard&) = delete;
    FuzzKeyboard& operator=(const FuzzKeyboard&) = delete;

    // Takes the action; an action with nothing to act on (a key not on the
    // page on show, a click or a press on the power or folder key) is
    // skipped. A failure of the keyboard is kept for divergence().
    Effect apply(const Action& action);

    // How the edit box and the echo differ after the last action, or the
    // keyboard's failure in it; nothing when they agree.
    std::optional<std::string> divergence();

    CPelvokDlg& keyboard() { return session_->keyboard(); }
    const KeyboardLayout& layout() const { return session_->layout(); }
    sim::SimTargetApp& target() { return session_->target(); }
    // The window's width and height.
    platform::Point windowSize();

    // The key of the page on show with that kind and code.
    std::optional<Key> findKey(KeyKind kind, std::uint8_t code) const;
    // The key a left click at the client point would press.
    std::optional<Key> keyAt(int x, int y) const;
    Category categoryOf(const Key& key) const;

private:
    Effect press(const Key& key);
    Effect applyMessage(const Action& action);

    toolbox::TempFolder folder_;
    std::unique_ptr<typist::KeyboardSession> session_;
    toolbox::EchoCheck echo_;
    std::optional<std::string> failure_;
};

// The dictionary every keyboard of a run starts from: a given file, or an
// empty dictionary the keyboard made once (making one writes the tables,
// waiting on the disk, which every start would otherwise do).
class StartingDictionary {
public:
    // `given`: a host file; empty: an empty dictionary. Throws
    // std::runtime_error when the keyboard cannot start.
    explicit StartingDictionary(const std::string& given);

    const std::string& file() const { return file_; }

private:
    toolbox::TempFolder folder_;
    std::string file_;
};

// The edit box's line at the caret, as UTF-8 with '|' at the caret and a
// waiting accent in brackets before it: "bien|", "canci[´]|".
std::string boxLine(const sim::SimTargetApp& target);

}  // namespace fuzz
