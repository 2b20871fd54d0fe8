// Docking the window at one of six places, and its four sizes.
#include "model/sizes.h"
#include "window/pelvokDlg.h"

namespace {

// The strip kept free below a keyboard docked at the bottom.
constexpr int kBottomMargin = 30;

int truncated(double value) { return static_cast<int>(value); }

}  // namespace

void CPelvokDlg::placeWindow(int newPosition) {
    if (!layout) return;
    if (newPosition < 1 || newPosition > 6) return;
    platform::Windows& windows = platform_.windows;
    // The application typed into, as the attached input sees it, before anything moves.
    const platform::WindowId active = windows.activeWindow();

    const float s = layout->getScale();
    const float width = sizes::kBaseWidth * s;
    const float height = sizes::kBaseHeight * s;
    const float bottomY = screenHeight - height - kBottomMargin;
    const float rightX = screenWidth - width;
    int x = 1;
    int y = 1;
    switch (newPosition) {
        case 1:
        case 6:
            x = truncated((screenWidth - width) * 0.5);
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
    const float free = bottomY;
    if (appHeight < truncated((free - 5) * 0.5)) {
        windows.setWindowPos(active, (screenWidth + rect.left - rect.right) / 2,
                             truncated(free - appHeight), 0, 0, false);
    } else {
        windows.restoreWindow(active);
        windows.setWindowPos(active, 0, 0, screenWidth, truncated(free), true);
    }
    windows.setActiveWindow(active);
}

void CPelvokDlg::applySize(int step) {
    if (!layout) return;
    if (step < 1 || step > sizes::kSteps) return;
    layout->setScale(sizes::kIncrements[step - 1]);
    zoom = step;
    placeWindow(position);
}

void CPelvokDlg::nextSize() {
    if (!layout) return;
    const float s = layout->getScale();
    if (s < 1.22) {
        layout->setScale(static_cast<float>(s + 0.11 - 1.0));
        zoom = zoom + 1;
    } else if (sizes::fitsLargestSize(screenWidth) && s < 1.23) {
        layout->setScale(static_cast<float>(s + 0.635 - 1.0));
        zoom = zoom + 1;
    } else {
        layout->setScale(0);
        zoom = 1;
    }
    placeWindow(position);
}
