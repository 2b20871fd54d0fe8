#include "platform/sim/SimTargetApp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "model/key_codes.h"
#include "platform/sim/SimWindows.h"
#include "platform/sim/SystemLayouts.h"

namespace sim {

namespace {

// The accents the layout's dead keys leave waiting, and the vowels they
// combine with: a e i o u, then A E I O U.
constexpr char kVowels[] = "aeiouAEIOU";
struct DeadKey {
    std::uint8_t accent;
    std::uint8_t combined[10];
};
constexpr DeadKey kDeadKeys[] = {
    {cp1252::kAcute, {0xE1, 0xE9, 0xED, 0xF3, 0xFA, 0xC1, 0xC9, 0xCD, 0xD3, 0xDA}},  // acute
    {cp1252::kGrave, {0xE0, 0xE8, 0xEC, 0xF2, 0xF9, 0xC0, 0xC8, 0xCC, 0xD2, 0xD9}},  // grave
    {cp1252::kCircumflex, {0xE2, 0xEA, 0xEE, 0xF4, 0xFB, 0xC2, 0xCA, 0xCE, 0xD4, 0xDB}},  // circumflex
    {cp1252::kDiaeresis, {0xE4, 0xEB, 0xEF, 0xF6, 0xFC, 0xC4, 0xCB, 0xCF, 0xD6, 0xDC}},  // diaeresis
};

const DeadKey* deadKeyOf(std::uint8_t ch) {
    for (const DeadKey& dead : kDeadKeys) {
        if (dead.accent == ch) return &dead;
    }
    return nullptr;
}

// The vowel with the accent, 0 when ch is no vowel.
std::uint8_t combine(const DeadKey& dead, std::uint8_t ch) {
    const char* vowel = ch != 0 ? std::strchr(kVowels, static_cast<char>(ch)) : nullptr;
    return vowel ? dead.combined[vowel - kVowels] : 0;
}

// What each key types in each shift state (1 Shift, 2 Control, 4 Alt):
// the inverse of VkKeyScanA.
class CharacterMap {
public:
    explicit CharacterMap(SystemLayout layout) {
        chars.fill(0);
        for (int ch = 1; ch < 256; ++ch) {
            const std::int16_t scanned = layoutVkKeyScan(layout, static_cast<std::uint8_t>(ch));
            if (scanned == -1) continue;
            const int vk = scanned & 0xFF;
            const int state = (scanned >> 8) & 0x07;
            std::uint8_t& slot = chars[state * 256 + vk];
            if (slot == 0) slot = static_cast<std::uint8_t>(ch);
        }
    }
    std::uint8_t at(std::uint8_t vk, int state) const { return chars[(state & 0x07) * 256 + vk]; }

private:
    std::array<std::uint8_t, 8 * 256> chars;
};

const CharacterMap& characterMap(SystemLayout layout) {
    static const CharacterMap spanish(SystemLayout::Spanish);
    static const CharacterMap us(SystemLayout::Us);
    return layout == SystemLayout::Spanish ? spanish : us;
}

bool isLetterKey(SystemLayout layout, std::uint8_t vk) {
    return (vk >= 'A' && vk <= 'Z') ||
           (layout == SystemLayout::Spanish && (vk == vk::kEnyeKey || vk == vk::kCedillaKey));
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

SimTargetApp::SimTargetApp(std::string title) : title_(std::move(title)) {}

SimTargetApp::SimTargetApp(SimWindows& windows, std::string title, const platform::Rect& rect)
    : windows_(&windows), title_(std::move(title)) {
    window_ = windows.createWindow(title_, rect);
    layout_ = windows.keyboardLayout();
    windows.setSink(window_, this);
}

SimTargetApp::~SimTargetApp() {
    if (windows_) windows_->destroyWindow(window_);
}

void SimTargetApp::bringToFront() {
    if (windows_) windows_->setForeground(window_);
}

std::string SimTargetApp::selectedText() const {
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void SimTargetApp::setText(const std::string& text) {
    text_ = text;
    caret_ = anchor_ = text_.size();
    undo_.reset();
    pendingDead_ = 0;
}

void SimTargetApp::onKeystroke(std::uint8_t vk, std::uint8_t, std::uint32_t flags) {
    const bool down = (flags & platform::kKeyUp) == 0;
    switch (vk) {
        case vk::kShift:
        case vk::kLeftShift:
        case vk::kRightShift:
            shift_ = down;
            return;
        case vk::kControl:
        case vk::kLeftControl:
        case vk::kRightControl:
            control_ = down;
            return;
        case vk::kMenu:
        case vk::kLeftMenu:
        case vk::kRightMenu:
            alt_ = down;
            return;
        default:
            break;
    }
    if (down) keyDown(vk);
}

void SimTargetApp::onCharacter(std::uint8_t ch) {
    // Typed as it is: a character without key takes no accent.
    if (pendingDead_ != 0) {
        const char accent = static_cast<char>(std::exchange(pendingDead_, 0));
        insert(std::string{accent, static_cast<char>(ch)});
        return;
    }
    insert(std::string(1, static_cast<char>(ch)));
}

void SimTargetApp::keyDown(std::uint8_t vk) {
    if (vk == vk::kCapsLock) {
        capsLock_ = !capsLock_;
        return;
    }
    if (editKey(vk)) return;
    const bool altGr = control_ && alt_;
    if (control_ && !altGr) {
        pendingDead_ = 0;
        controlCommand(vk);
        return;
    }
    // Alt alone goes to the menu bar, which this application has not.
    if (alt_ && !altGr) return;

    int state = (shift_ ? 1 : 0) | (altGr ? 6 : 0);
    if (!altGr && capsLock_ && isLetterKey(layout_, vk)) state ^= 1;
    std::uint8_t ch = characterMap(layout_).at(vk, state);
    // The space bar types a space with Shift too.
    if (vk == vk::kSpace && !altGr) ch = ' ';
    // Control characters and keys without a character type nothing.
    if (ch < 0x20) return;
    typeCharacter(ch, layoutIsDeadKey(layout_, ch) && deadKeyOf(ch) != nullptr);
}

void SimTargetApp::typeCharacter(std::uint8_t ch, bool fromDeadKey) {
    if (pendingDead_ != 0) {
        const std::uint8_t accent = std::exchange(pendingDead_, 0);
        const std::uint8_t combined = combine(*deadKeyOf(accent), ch);
        if (combined != 0) {
            insert(std::string(1, static_cast<char>(combined)));
        } else if (ch == ' ') {
            insert(std::string(1, static_cast<char>(accent)));
        } else {
            insert(std::string{static_cast<char>(accent), static_cast<char>(ch)});
        }
        return;
    }
    if (fromDeadKey) {
        pendingDead_ = ch;
        return;
    }
    insert(std::string(1, static_cast<char>(ch)));
}

bool SimTargetApp::editKey(std::uint8_t vk) {
    const bool hasSelection = caret_ != anchor_;
    switch (vk) {
        case vk::kReturn:
        case vk::kTab: {
            if (control_ || alt_) return true;
            std::string piece = vk == vk::kReturn ? "\r\n" : "\t";
            if (pendingDead_ != 0) piece.insert(piece.begin(), static_cast<char>(pendingDead_));
            pendingDead_ = 0;
            insert(piece);
            return true;
        }
        case vk::kBackspace:
        case vk::kDelete:
        case vk::kEscape:
        case vk::kHome:
        case vk::kEnd:
        case vk::kLeft:
        case vk::kRight:
        case vk::kUp:
        case vk::kDown:
            break;
        default:
            return false;
    }
    pendingDead_ = 0;
    if (alt_) return true;
    switch (vk) {
        case vk::kBackspace:
            if (control_) break;
            if (hasSelection) {
                remember();
                eraseRange(selectionStart(), selectionEnd());
            } else if (caret_ > 0) {
                remember();
                eraseRange(stepLeft(caret_), caret_);
            }
            break;
        case vk::kDelete:
            if (control_) break;
            if (hasSelection) {
                remember();
                eraseRange(selectionStart(), selectionEnd());
            } else if (caret_ < text_.size()) {
                remember();
                eraseRange(caret_, stepRight(caret_));
            }
            break;
        case vk::kHome:
            moveCaret(control_ ? 0 : lineStart(caret_), shift_);
            break;
        case vk::kEnd:
            moveCaret(control_ ? text_.size() : lineEnd(caret_), shift_);
            break;
        case vk::kLeft:
            if (control_) {
                moveCaret(previousWordStart(caret_), shift_);
            } else {
                moveCaret(hasSelection && !shift_ ? selectionStart() : stepLeft(caret_), shift_);
            }
            break;
        case vk::kRight:
            if (control_) {
                moveCaret(nextWordStart(caret_), shift_);
            } else {
                moveCaret(hasSelection && !shift_ ? selectionEnd() : stepRight(caret_), shift_);
            }
            break;
        case vk::kUp:
        case vk::kDown:
            moveCaret(verticalMove(vk == vk::kUp), shift_);
            break;
        default:  // Esc
            break;
    }
    return true;
}

void SimTargetApp::controlCommand(std::uint8_t vk) {
    switch (vk) {
        case 'Z':
            undo();
            break;
        case 'A':
            anchor_ = 0;
            caret_ = text_.size();
            break;
        case 'C':
            if (caret_ != anchor_) clipboard_ = selectedText();
            break;
        case 'X':
            if (caret_ != anchor_) {
                clipboard_ = selectedText();
                remember();
                eraseRange(selectionStart(), selectionEnd());
            }
            break;
        case 'V':
            if (!clipboard_.empty()) insert(clipboard_);
            break;
        default:
            break;
    }
}

void SimTargetApp::insert(const std::string& piece) {
    remember();
    const std::size_t from = selectionStart();
    text_.replace(from, selectionEnd() - from, piece);
    caret_ = anchor_ = from + piece.size();
}

void SimTargetApp::eraseRange(std::size_t from, std::size_t to) {
    text_.erase(from, to - from);
    caret_ = anchor_ = from;
}

void SimTargetApp::moveCaret(std::size_t to, bool extend) {
    caret_ = to;
    if (!extend) anchor_ = to;
}

void SimTargetApp::remember() { undo_ = State{text_, caret_, anchor_}; }

void SimTargetApp::undo() {
    if (!undo_) return;
    State now{text_, caret_, anchor_};
    text_ = std::move(undo_->text);
    caret_ = undo_->caret;
    anchor_ = undo_->anchor;
    // Undoing again undoes the undo, as in an edit box.
    undo_ = std::move(now);
}

std::size_t SimTargetApp::stepLeft(std::size_t at) const {
    if (at >= 2 && text_.compare(at - 2, 2, "\r\n") == 0) return at - 2;
    return at > 0 ? at - 1 : 0;
}

std::size_t SimTargetApp::stepRight(std::size_t at) const {
    if (text_.compare(at, 2, "\r\n") == 0) return at + 2;
    return std::min(at + 1, text_.size());
}

std::size_t SimTargetApp::lineStart(std::size_t at) const {
    if (at == 0) return 0;
    const std::size_t newline = text_.rfind('\n', at - 1);
    return newline == std::string::npos ? 0 : newline + 1;
}

std::size_t SimTargetApp::lineEnd(std::size_t at) const {
    const std::size_t newline = text_.find('\n', at);
    if (newline == std::string::npos) return text_.size();
    return newline > at && text_[newline - 1] == '\r' ? newline - 1 : newline;
}

std::size_t SimTargetApp::previousWordStart(std::size_t at) const {
    while (at > 0 && isBlank(text_[at - 1])) --at;
    while (at > 0 && !isBlank(text_[at - 1])) --at;
    return at;
}

std::size_t SimTargetApp::nextWordStart(std::size_t at) const {
    while (at < text_.size() && !isBlank(text_[at])) ++at;
    while (at < text_.size() && isBlank(text_[at])) ++at;
    return at;
}

std::size_t SimTargetApp::verticalMove(bool up) const {
    const std::size_t start = lineStart(caret_);
    const std::size_t column = caret_ - start;
    if (up) {
        if (start == 0) return caret_;
        const std::size_t previousEnd = lineEnd(lineStart(start - 1));
        const std::size_t previousStart = lineStart(start - 1);
        return previousStart + std::min(column, previousEnd - previousStart);
    }
    const std::size_t end = lineEnd(caret_);
    if (end == text_.size()) return caret_;
    const std::size_t nextStart = end + (text_[end] == '\r' ? 2 : 1);
    return nextStart + std::min(column, lineEnd(nextStart) - nextStart);
}

}  // namespace sim
