// Whether the edit box's line reads as the keyboard's echo of it: the text
// before the caret as the echo before its marker, the text after as the echo
// after. An accent that a dead key left waiting counts as typed (the echo
// shows it). The echo keeps only the end of a line wider than it shows.
// Shared by the tests and pelvok-fuzz.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/sim/SimTargetApp.h"
#include "window/pelvokDlg.h"

namespace toolbox {

// A line cut at its cursor: the edit box's at the caret, the echo's at its
// marker (which neither half holds).
struct CutLine {
    std::string_view before;
    std::string_view after;
};

// What the echo does not hold of the line: the start of the text before its
// marker (a line wider than it shows; text it could not follow), the end of
// the text after it.
struct EchoGaps {
    bool before = false;
    bool after = false;
};

// The one rule by which the echo reads as the edit box's line; every check
// goes through it. Where the echo has a gap, its text need only end (before
// the marker) or begin (after it) the edit box's.
bool EchoReadsAs(const CutLine& box, const CutLine& echo, EchoGaps gaps);

class EchoCheck {
public:
    // A description of both when they differ, nothing when they agree: a
    // marker missing at cursorPos is a difference too.
    std::optional<std::string> mismatch(const sim::SimTargetApp& target, const CPelvokDlg& keyboard,
                                        platform::Graphics& graphics);

private:
    // Once the line before the caret has been wider than the echo keeps,
    // the echo holds only its end, until the caret is back at the start of
    // a line where both agree.
    bool trimmed_ = false;
    std::string before_;  // kept between calls: no allocation per key
};

// Both, for messages: the edit box with '|' at the caret, and the echo.
std::string DescribeBoth(const sim::SimTargetApp& target, const CPelvokDlg& keyboard);

// Bytes as text for messages: Windows-1252 above 0x7F as \xNN.
std::string Printable(const std::string& bytes);

}  // namespace toolbox
