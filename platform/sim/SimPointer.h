// The pointer and the speaker: where the cursor is, and what was asked of them.
#pragma once

#include <utility>
#include <vector>

#include "platform/platform.h"

namespace sim {

class SimWindows;

struct Beep {
    int frequency = 0;
    int milliseconds = 0;
};

bool operator==(const Beep& a, const Beep& b);

class SimPointer : public platform::Pointer {
public:
    explicit SimPointer(SimWindows& windows) : windows(windows) {}

    platform::Point cursorPos() override { return position; }
    // Recorded as asked; the cursor itself stays on the screen, as on Windows.
    void setCursorPos(platform::Point screen) override;
    void beep(int frequency, int milliseconds) override;

    // For tests: the user moving the pointer, which is not recorded.
    void moveTo(platform::Point screen) { position = screen; }
    // Whether setCursorPos was called since the last time this was asked: the
    // system then tells the window under the pointer that it moved.
    bool takeMoveNotice() { return std::exchange(moveNotice, false); }
    const std::vector<platform::Point>& cursorSets() const { return sets; }
    const std::vector<Beep>& beeps() const { return beepLog; }
    void clearLogs();

private:
    SimWindows& windows;
    platform::Point position;
    std::vector<platform::Point> sets;
    std::vector<Beep> beepLog;
    bool moveNotice = false;
};

}  // namespace sim
