// Docking the window at one of six places, and its four sizes.
#include "model/sizes.h"
#include "window/message_guard.h"
#include "window/pelvokDlg.h"

namespace {

int truncated(double value) { return static_cast<int>(value); }

}  // namespace

platform::Rect CPelvokDlg::dockingArea() {
    platform::Windows& windows = platform_.windows;
    // The monitor of the application typed into; without one, the keyboard's own.
    platform::WindowId shown = windows.foregroundWindow();
    if (shown == 0) shown = platform_.framework.keyboardWindow();
    return windows.workArea(shown);
}

void CPelvokDlg::placeWindow(int newPosition) {
    if (!layout) return;
    if (newPosition < 1 || newPosition > 6) return;
    platform::Windows& windows = platform_.windows;
    // The application typed into, as the attached input sees it, before anything moves.
    const platform::WindowId active = windows.activeWindow();
    const platform::Rect area = dockingArea();

    const float s = layout->getScale();
    const float width = sizes::kBaseWidth * s;
    const float height = sizes::kBaseHeight * s;
    const float bottomY = area.bottom - height;
    const float rightX = area.right - width;
    int x = area.left + 1;
    int y = area.top + 1;
    switch (newPosition) {
        case 1:
        case 6:
            x = area.left + truncated((area.width() - width) * 0.5);
            y = truncated(bottomY);
            break;
        case 2:
            y = truncated(bottomY);
            break;
        case 3:
            break;
        case 4:
            x = truncated(rightX);
            break;
        case 5:
            x = truncated(rightX);
            y = truncated(bottomY);
            break;
    }
    windows.moveWindow(platform_.framework.keyboardWindow(), x, y, truncated(width),
                       truncated(height), true);
    if (newPosition != 6 || active == 0) return;

    // Fit the application above the keyboard.
    const platform::Rect rect = windows.windowRect(active);
    const int appHeight = rect.height();
    const float free = bottomY - area.top;
    if (appHeight < truncated((free - 5) * 0.5)) {
        windows.setWindowPos(active, area.left + (area.width() + rect.left - rect.right) / 2,
                             area.top + truncated(free - appHeight), 0, 0, false);
    } else {
        windows.restoreWindow(active);
        windows.setWindowPos(active, area.left, area.top, area.width(), truncated(free), true);
    }
    windows.setActiveWindow(active);
}

void CPelvokDlg::OnDisplayChange() {
    guarded([&] {
        if (!layout) return;
        screenWidth = platform_.windows.screenWidth();
        screenHeight = platform_.windows.screenHeight();
        // A resize is the user's; the dock follows the screen. Position 6
        // only docks here: the application was fitted when it was chosen.
        placeWindow(position == 6 ? 1 : position);
    });
}

void CPelvokDlg::applySize(int step) {
    if (!layout) return;
    if (step < 1 || step > sizes::kSteps) return;
    layout->setScale(sizes::kIncrements[step - 1]);
    zoom = step;
    placeWindow(position);
}

bool CPelvokDlg::largestSizeFits() const {
    return sizes::fitsLargestSize(screenWidth, layout ? layout->getDisplayScale() : 1.0f);
}

void CPelvokDlg::nextSize() {
    if (!layout) return;
    const float s = layout->getStepScale();
    if (s < 1.22) {
        layout->setScale(static_cast<float>(s + 0.11 - 1.0));
        zoom = zoom + 1;
    } else if (largestSizeFits() && s < 1.23) {
        layout->setScale(static_cast<float>(s + 0.635 - 1.0));
        zoom = zoom + 1;
    } else {
        layout->setScale(0);
        zoom = 1;
    }
    placeWindow(position);
}
