// Runs a script of commands against the keyboard on a simulated desktop, one
// command a line; see docs/pelvok-sim.md for the commands.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTargetApp.h"
#include "window/pelvokDlg.h"

namespace pelvok_sim {

// The exit code of a script with an unknown command or a bad argument.
constexpr int kScriptErrorExitCode = 2;

class ScriptRunner {
public:
    // Reports go to `out`, errors and the keyboard's message boxes to `err`.
    ScriptRunner(sim::SimDesktop& desktop, std::ostream& out, std::ostream& err);

    // Brings the application of that title to the front, creating it first
    // when there is none.
    sim::SimTargetApp& foreground(const std::string& title);

    // Runs the lines (UTF-8) until their end, an error, or the keyboard's
    // own end. `keyboard` is the running keyboard window.
    void run(const std::vector<std::string>& lines, CPelvokDlg& keyboard);
    // 0, or kScriptErrorExitCode after an error.
    int exitCode() const { return exitCode_; }

    // Prints the message boxes shown since the last call.
    void reportMessageBoxes();

private:
    void execute(const std::string& command, const std::string& rest, const std::string& rawRest);
    void pressKey(int row, int column, bool left);
    void typeText(const std::string& text);
    void clickKeyCentre(const Key& key, bool left);
    KeyboardLayout& layout();

    sim::SimDesktop& desktop;
    std::ostream& out;
    std::ostream& err;
    CPelvokDlg* keyboard = nullptr;
    std::vector<std::unique_ptr<sim::SimTargetApp>> targets;
    std::size_t keysReported = 0;
    std::size_t boxesReported = 0;
    int exitCode_ = 0;
};

}  // namespace pelvok_sim
