// The application framework: the keyboard window from dialog template 102,
// run with a message loop of our own so that every message the loop takes
// passes through the handlers' pre-translation first.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32.h"

namespace win32 {

class Win32Framework final : public platform::Framework {
public:
    Win32Framework();
    ~Win32Framework() override;
    Win32Framework(const Win32Framework&) = delete;
    Win32Framework& operator=(const Win32Framework&) = delete;

    int runModal(platform::DialogHandlers& dialog) override;
    platform::WindowId keyboardWindow() override;
    void invalidate(const platform::Rect* clientRect) override;
    bool isMinimized() override;
    platform::Rect clientRect() override;
    void setIcon() override;
    void endDialog() override;
    [[noreturn]] void exitProcess(int code) override;
    bool claimOnlyInstance() override;
    void postToRunningInstance(int n) override;
    void setTimer(int id, int milliseconds) override;
    void killTimer(int id) override;
    std::int64_t now() override;
    bool registerSwitchKey(int id, int virtualKey) override;
    void unregisterSwitchKey(int id) override;

    HWND window() const { return window_; }
    // The device context of the WM_PAINT being handled, or nullptr.
    HDC paintDc() const { return paintDc_; }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR reply(LONG_PTR result);
    void paint();

    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HWND window_ = nullptr;
    HDC paintDc_ = nullptr;
    platform::DialogHandlers* handlers_ = nullptr;
    bool ending_ = false;
    bool createFailed_ = false;
    HANDLE instanceClaim_ = nullptr;
};

}  // namespace win32
