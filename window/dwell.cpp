// Dwell selection: the pointer resting on a key for the dwell time presses
// it, exactly as a click at that point would. A bar grows along the bottom
// of the key meanwhile, so the user can look away in time.
#include <cmath>

#include "model/key_codes.h"
#include "window/pelvokDlg.h"
#include "window/timers.h"

namespace {

// The bar drawn over the picture.
constexpr platform::Color kDwellColour{0, 150, 60};

}  // namespace

void CPelvokDlg::setDwellTime(int milliseconds) {
    dwellTime = milliseconds;
    stopDwell();
}

void CPelvokDlg::toggleDwell() {
    if (dwellTime > 0) {
        dwellTimeWhenOn_ = dwellTime;
        setDwellTime(0);
    } else {
        setDwellTime(dwellTimeWhenOn_);
    }
}

void CPelvokDlg::stopDwell() {
    if (dwell_.watching) platform().framework.killTimer(timer::kDwell);
    const bool drawn = dwellProgress() > 0;
    dwell_ = Dwell{};
    if (drawn) platform().framework.invalidate(nullptr);
}

void CPelvokDlg::dwellPointerMoved() {
    if (dwellTime <= 0 || dwell_.watching) return;
    dwell_.watching = true;
    platform().framework.setTimer(timer::kDwell, timer::kDwellTick);
    dwellTick();
}

double CPelvokDlg::dwellProgress() const {
    if (!dwell_.watching || dwell_.row < 0 || dwell_.pressed || dwellTime <= 0) return 0;
    const double elapsed = static_cast<double>(dwell_.progressAt - dwell_.since);
    return std::min(1.0, std::max(0.0, elapsed / dwellTime));
}

void CPelvokDlg::dwellTick() {
    // Nothing while a menu or the file dialog is up: the pointer is there.
    if (dwellTime <= 0 || menuUp_ || layout->getFileDialogKind() != file_dialog::kNone) {
        stopDwell();
        return;
    }
    const platform::Point pointer = platform().pointer.cursorPos();
    const platform::Rect window =
        platform().windows.windowRect(platform().framework.keyboardWindow());
    const int x = pointer.x - window.left;
    const int y = pointer.y - window.top;
    const std::int32_t cell = layout->cellAt(packPoint(x, y));
    const int column = packedLow(cell);
    const int row = packedHigh(cell);
    const bool inside = x >= 0 && y >= 0 && x < window.width() && y < window.height();
    if (!inside || column < 0 || layout->line(row).keyAtColumn(column).getSize() == 0) {
        // Off the keys, or on a dead cell: watching starts again on the next move.
        stopDwell();
        return;
    }
    const std::int64_t now = platform().framework.now();
    const bool sameKey = row == dwell_.row && column == dwell_.column;
    const double wandered = std::hypot(x - dwell_.anchor.x, y - dwell_.anchor.y);
    // A pressed key waits for the pointer to leave it, however it wanders on it.
    if (!sameKey || (!dwell_.pressed && wandered > dwellRadius)) {
        const bool drawn = dwellProgress() > 0;
        dwell_.row = row;
        dwell_.column = column;
        dwell_.anchor = platform::Point{x, y};
        dwell_.since = now;
        dwell_.pressed = false;
        dwell_.progressAt = now;
        if (drawn) platform().framework.invalidate(nullptr);
        return;
    }
    if (dwell_.pressed) {
        if (dwellRepeat <= 0 || now - dwell_.since < dwellRepeat) return;
    } else if (now - dwell_.since < dwellTime) {
        dwell_.progressAt = now;
        platform().framework.invalidate(nullptr);
        return;
    }
    dwell_.pressed = true;
    dwell_.since = now;
    platform().framework.invalidate(nullptr);
    OnLButtonUp(0, packPoint(x, y));
}

void CPelvokDlg::drawDwellProgress(platform::Surface& surface, float s) {
    const double progress = dwellProgress();
    if (progress <= 0 || dwell_.row < 0 || dwell_.row >= layout->lineCount()) return;
    const Key key = layout->line(dwell_.row).keyAtColumn(dwell_.column);
    // Inside the frame the hovered key gets, which is as many pixels deep as
    // it has rings.
    const int inset = (zoom == 4 ? 6 : 4) + 2;
    const int left = static_cast<int>(key.getPoint1().getX() * s) + inset;
    const int right = static_cast<int>(key.getPoint2().getX() * s) - inset + 1;
    const int bottom = static_cast<int>(key.getPoint2().getY() * s) - inset + 1;
    const int height = std::max(3, static_cast<int>(5 * s));
    const int width = static_cast<int>((right - left) * progress);
    surface.fillRect(platform::Rect{left, bottom - height, left + width, bottom}, kDwellColour);
}
