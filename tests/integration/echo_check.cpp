#include "tests/integration/echo_check.h"

#include <algorithm>
#include <cstdio>

namespace integration_test {

namespace {

// Width of the line before the marker that the echo keeps.
constexpr int kEchoWidth = 350;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::optional<std::string> EchoCheck::mismatch(const sim::SimTargetApp& target,
                                               const CPelvokDlg& keyboard,
                                               platform::Graphics& graphics) {
    const std::string& text = target.text();
    const std::size_t caret = target.caret();
    const std::size_t newline = caret == 0 ? std::string::npos : text.rfind('\n', caret - 1);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    const std::size_t lineEnd = std::min(text.find_first_of("\r\n", caret), text.size());
    std::string before = text.substr(start, caret - start);
    if (target.pendingDeadKey() != 0) before += static_cast<char>(target.pendingDeadKey());
    const std::string after = text.substr(caret, lineEnd - caret);

    const std::string& line = keyboard.textLine;
    const auto marker = static_cast<std::size_t>(keyboard.cursorPos);
    if (marker >= line.size() || line[marker] != '_')
        return "the echo \"" + Printable(line) + "\" has no marker at " + std::to_string(marker);
    const std::string echoBefore = line.substr(0, marker);
    const std::string echoAfter = line.substr(marker + 1);
    if (graphics.defaultFontTextWidth(before) > kEchoWidth) trimmed_ = true;
    const bool beforeMatches = trimmed_ ? endsWith(before, echoBefore) : before == echoBefore;
    if (beforeMatches && after == echoAfter) return std::nullopt;
    return DescribeBoth(target, keyboard);
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

}  // namespace integration_test
