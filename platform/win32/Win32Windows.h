// The screen, other windows and the input attachment of the keyboard's thread.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Windows final : public platform::Windows {
public:
    int screenWidth() override;
    int screenHeight() override;
    platform::Rect workArea(platform::WindowId window) override;
    int screenDpi() override;
    bool focusIsPassword() override;
    platform::WindowId foregroundWindow() override;
    platform::WindowId activeWindow() override;
    void setActiveWindow(platform::WindowId window) override;
    bool isWindow(platform::WindowId window) override;
    void attachInput(platform::WindowId window, bool attach) override;
    platform::Rect windowRect(platform::WindowId window) override;
    void moveWindow(platform::WindowId window, int x, int y, int width, int height,
                    bool repaint) override;
    void setWindowPos(platform::WindowId window, int x, int y, int width, int height,
                      bool resize) override;
    void restoreWindow(platform::WindowId window) override;
    bool showWindow(platform::WindowId window, bool show) override;
};

}  // namespace win32
