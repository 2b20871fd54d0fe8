// Whether the edit box's line reads as the keyboard's echo of it: the text
// before the caret as the echo before its marker, the text after as the echo
// after. An accent that a dead key left waiting counts as typed (the echo
// shows it). The echo keeps only the end of a line wider than it shows.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/SimTargetApp.h"
#include "window/pelvokDlg.h"

namespace integration_test {

class EchoCheck {
public:
    // A description of both when they differ, nothing when they agree.
    std::optional<std::string> mismatch(const sim::SimTargetApp& target, const CPelvokDlg& keyboard,
                                        platform::Graphics& graphics);

private:
    // Once the line before the caret has been wider than the echo keeps,
    // the echo holds only its end, for good.
    bool trimmed_ = false;
};

// Both, for messages: the edit box with '|' at the caret, and the echo.
std::string DescribeBoth(const sim::SimTargetApp& target, const CPelvokDlg& keyboard);

// Bytes as text for messages: Windows-1252 above 0x7F as \xNN.
std::string Printable(const std::string& bytes);

}  // namespace integration_test
