// A simulated application to type into: one multi-line edit box that applies
// the keystrokes it receives as Windows does with the desktop's keyboard
// layout (Spanish (Spain) unless the desktop has another).
//
// What it does with each key:
// - Shift, Control and Alt (0x10-0x12, and their left/right forms 0xA0-0xA5)
//   are held between their key-down and key-up; Control with Alt is AltGr.
//   A Caps Lock key-down toggles Caps Lock, which turns the case of the
//   letters, n with tilde and c with cedilla.
// - A key-down of a character key types what the layout gives for that key in
//   the shift state held (the inverse of spanishVkKeyScan). Alt without
//   Control types nothing; Control alone only runs the commands below.
// - The dead keys (acute, grave, circumflex, diaeresis) wait for the next
//   character: a vowel takes the accent, a space gives the accent itself, any
//   other character gives the accent followed by it. A key that types no
//   character (Backspace, arrows, Delete...) drops a waiting accent.
// - Enter inserts "\r\n", as a multi-line edit does; the caret never stops
//   between the two, and Backspace and Delete take both. Tab inserts '\t'
//   (with or without Shift); space inserts ' ' (with or without Shift).
// - Backspace and Delete delete the selection, or the character before or
//   after the caret. Left, Right, Home and End move the caret (Home and End
//   within its line); Up and Down move to the same column of the line above
//   or below, and stay on the first or last line. With Shift they extend the
//   selection; without it they drop it (Left and Right to its edge). Control
//   with Left or Right moves by words (words are separated by blanks, tabs
//   and line ends); Control with Home or End goes to the start or end of
//   the text.
// - Control with Z undoes the last change (the text and the caret before it);
//   a second Control+Z redoes it, as in an edit box. Control with C, X and V
//   copy, cut and paste with the application's own clipboard.
// - A typed character, a paste or a character without key replaces the
//   selection. Key-ups change nothing but the modifiers; the extended-key
//   flag is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/KeystrokeSink.h"
#include "platform/sim/SystemLayouts.h"

namespace sim {

class SimWindows;

class SimTargetApp : public KeystrokeSink {
public:
    // An application with no window, fed by calling onKeystroke directly.
    explicit SimTargetApp(std::string title = "");
    // An application with a window of that title on the desktop, receiving
    // the keystrokes while its window is in the foreground. Destroy it
    // before the desktop: its window goes with it.
    SimTargetApp(SimWindows& windows, std::string title,
                 const platform::Rect& rect = platform::Rect{100, 100, 700, 500});
    ~SimTargetApp() override;
    SimTargetApp(const SimTargetApp&) = delete;
    SimTargetApp& operator=(const SimTargetApp&) = delete;

    void onKeystroke(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
    void onCharacter(std::uint8_t ch) override;

    const std::string& title() const { return title_; }
    platform::WindowId window() const { return window_; }
    // Makes the window the foreground and active one.
    void bringToFront();

    const std::string& text() const { return text_; }
    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    std::string selectedText() const;
    // Replaces the text, caret at its end; no undo is kept.
    void setText(const std::string& text);
    const std::string& clipboard() const { return clipboard_; }
    void setClipboard(const std::string& text) { clipboard_ = text; }

    bool shiftDown() const { return shift_; }
    bool controlDown() const { return control_; }
    bool altDown() const { return alt_; }
    bool capsLock() const { return capsLock_; }
    // The Caps Lock toggle is the system's: follow it when the window comes
    // to the front after Caps Lock was pressed elsewhere.
    void setCapsLock(bool toggled) { capsLock_ = toggled; }
    // The accent a dead key left waiting, 0 when none.
    std::uint8_t pendingDeadKey() const { return pendingDead_; }

private:
    struct State {
        std::string text;
        std::size_t caret = 0;
        std::size_t anchor = 0;
    };

    void keyDown(std::uint8_t vk);
    void controlCommand(std::uint8_t vk);
    bool editKey(std::uint8_t vk);
    void typeCharacter(std::uint8_t ch, bool fromDeadKey);
    void insert(const std::string& piece);
    void eraseRange(std::size_t from, std::size_t to);
    void moveCaret(std::size_t to, bool extend);
    void remember();
    void undo();

    std::size_t stepLeft(std::size_t at) const;
    std::size_t stepRight(std::size_t at) const;
    std::size_t lineStart(std::size_t at) const;
    std::size_t lineEnd(std::size_t at) const;
    std::size_t previousWordStart(std::size_t at) const;
    std::size_t nextWordStart(std::size_t at) const;
    std::size_t verticalMove(bool up) const;

    SimWindows* windows_ = nullptr;
    SystemLayout layout_ = SystemLayout::Spanish;
    platform::WindowId window_ = 0;
    std::string title_;
    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::optional<State> undo_;
    std::string clipboard_;
    bool shift_ = false;
    bool control_ = false;
    bool alt_ = false;
    bool capsLock_ = false;
    std::uint8_t pendingDead_ = 0;
};

}  // namespace sim
