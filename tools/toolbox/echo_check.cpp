#include "tools/toolbox/echo_check.h"

#include <algorithm>
#include <cstdio>

namespace toolbox {

namespace {

// Width of the line before the marker that the echo keeps.
constexpr int kEchoWidth = 350;

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

}  // namespace

bool EchoReadsAs(const CutLine& box, const CutLine& echo, EchoGaps gaps) {
    const bool before = gaps.before ? endsWith(box.before, echo.before) : box.before == echo.before;
    const bool after = gaps.after ? startsWith(box.after, echo.after) : box.after == echo.after;
    return before && after;
}

std::optional<std::string> EchoCheck::mismatch(const sim::SimTargetApp& target,
                                               const CPelvokDlg& keyboard,
                                               platform::Graphics& graphics) {
    const std::string_view text = target.text();
    const std::size_t caret = target.caret();
    const std::size_t newline = caret == 0 ? std::string::npos : text.rfind('\n', caret - 1);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n", caret), text.size());
    before_.assign(text.substr(start, caret - start));
    if (target.pendingDeadKey() != 0) before_ += static_cast<char>(target.pendingDeadKey());
    const std::string_view line = keyboard.textLine;
    const auto marker = static_cast<std::size_t>(keyboard.cursorPos);
    if (keyboard.cursorPos < 0 || marker >= line.size() || line[marker] != '_')
        return "the echo \"" + Printable(keyboard.textLine) + "\" has no marker at " +
               std::to_string(keyboard.cursorPos);
    // An accent the keyboard holds itself, for a layout without its dead key,
    // waits in the keyboard rather than in the edit box.
    if (keyboard.deadKeyPending && target.pendingDeadKey() == 0 && marker > 0)
        before_ += line[marker - 1];
    const CutLine box{before_, text.substr(caret, lineEnd - caret)};
    const CutLine echo{line.substr(0, marker), line.substr(marker + 1)};

    if (!trimmed_ && graphics.defaultFontTextWidth(before_) > kEchoWidth) trimmed_ = true;
    // What the keyboard says it does not know joins what the check knows
    // the echo dropped.
    const EchoGaps gaps{trimmed_ || keyboard.textBeforeUnknown, keyboard.textAfterUnknown};
    if (!EchoReadsAs(box, echo, gaps)) return DescribeBoth(target, keyboard);
    // At the start of a line both agree on, the echo holds all of it again.
    if (box.before.empty() && echo.before.empty()) trimmed_ = false;
    return std::nullopt;
}

std::string DescribeBoth(const sim::SimTargetApp& target, const CPelvokDlg& keyboard) {
    std::string text = target.text();
    text.insert(target.caret(), "|");
    std::string shown = "the edit box holds \"" + Printable(text) + "\"";
    if (target.pendingDeadKey() != 0)
        shown += " with " + Printable(std::string(1, char(target.pendingDeadKey()))) + " waiting";
    return shown + ", the echo is \"" + Printable(keyboard.textLine) + "\"";
}

std::string Printable(const std::string& bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x20 && c < 0x7F) {
            text += byte;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        }
    }
    return text;
}

}  // namespace toolbox
