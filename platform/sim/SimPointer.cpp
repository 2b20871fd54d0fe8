#include "platform/sim/SimPointer.h"

#include <algorithm>

#include "platform/sim/SimWindows.h"

namespace sim {

bool operator==(const Beep& a, const Beep& b) {
    return a.frequency == b.frequency && a.milliseconds == b.milliseconds;
}

void SimPointer::setCursorPos(platform::Point screen) {
    sets.push_back(screen);
    moveNotice = true;
    position.x = std::clamp(screen.x, 0, std::max(0, windows.screenWidth() - 1));
    position.y = std::clamp(screen.y, 0, std::max(0, windows.screenHeight() - 1));
}

void SimPointer::beep(int frequency, int milliseconds) {
    beepLog.push_back({frequency, milliseconds});
}

void SimPointer::clearLogs() {
    sets.clear();
    beepLog.clear();
}

}  // namespace sim
