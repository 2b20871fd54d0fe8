// The keyboard on the simulated desktop with an edit box in front, driven by
// key scripts: each key is clicked at its centre, and after every key the
// edit box's line must read as the keyboard's echo of it.
//
// A script is a string of Windows-1252 bytes. A byte is the character key
// of that code on the page on show (letters in lower case, '\xB4' the dead
// acute, '1' a suggestion key on the letter pages and a digit on the
// symbols page). Braces name the other keys:
//   {SHIFT} {CAPS} {SYM} {BS} {ENTER} {LEFT} {RIGHT} {DEL} {WORD} (delete
//   the previous word), and {=word}: the suggestion key showing that word.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/sim/SimTargetApp.h"
#include "tests/support/keyboard_fixture.h"
#include "tools/toolbox/echo_check.h"

namespace integration_test {

using toolbox::DescribeBoth;
using toolbox::EchoCheck;
using toolbox::Printable;

class TypingSession : public pelvok_test::KeyboardTest {
protected:
    // Starts the keyboard at the size step and letter arrangement given (as
    // the settings "Zoom" and "KeyBoard" hold them), with an empty
    // dictionary and the edit box in front.
    CPelvokDlg& startTyping(const std::string& zoom = "1", const std::string& arrangement = "2");

    // Clicks the keys of the script, checking the echo after each one.
    // Returns false (after reporting the failure) at the first key that is
    // not on the page or leaves the echo and the edit box apart.
    bool run(const std::string& script);

    std::string describe() { return DescribeBoth(target(), window()); }
    sim::SimTargetApp& target() { return *target_; }

private:
    bool press(const std::string& token);

    // Goes before the desktop (a member of the base), taking its window along.
    std::unique_ptr<sim::SimTargetApp> target_;
    EchoCheck echo_;
};

}  // namespace integration_test
