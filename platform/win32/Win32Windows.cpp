#include "platform/win32/Win32Windows.h"

#include "platform/win32/win32.h"

namespace win32 {

int Win32Windows::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Windows::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

platform::Rect Win32Windows::workArea(platform::WindowId window) {
    HMONITOR monitor = window != 0 ? MonitorFromWindow(toHwnd(window), MONITOR_DEFAULTTONEAREST)
                                   : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoA(monitor, &info)) {
        return platform::Rect{0, 0, screenWidth(), screenHeight()};
    }
    return platform::Rect{info.rcWork.left, info.rcWork.top, info.rcWork.right,
                          info.rcWork.bottom};
}

bool Win32Windows::focusIsPassword() {
    HWND foreground = GetForegroundWindow();
    if (!foreground) return false;
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) ||
        !info.hwndFocus)
        return false;
    char name[16] = {};
    GetClassNameA(info.hwndFocus, name, sizeof(name));
    return lstrcmpiA(name, "Edit") == 0 && (GetWindowLongA(info.hwndFocus, GWL_STYLE) & ES_PASSWORD);
}

int Win32Windows::screenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

platform::WindowId Win32Windows::foregroundWindow() { return toWindowId(GetForegroundWindow()); }

platform::WindowId Win32Windows::activeWindow() { return toWindowId(GetActiveWindow()); }

void Win32Windows::setActiveWindow(platform::WindowId window) { SetActiveWindow(toHwnd(window)); }

bool Win32Windows::isWindow(platform::WindowId window) { return IsWindow(toHwnd(window)) != 0; }

void Win32Windows::attachInput(platform::WindowId window, bool attach) {
    DWORD other = GetWindowThreadProcessId(toHwnd(window), nullptr);
    if (other == 0) return;
    AttachThreadInput(GetCurrentThreadId(), other, attach ? TRUE : FALSE);
}

platform::Rect Win32Windows::windowRect(platform::WindowId window) {
    RECT rect = {};
    GetWindowRect(toHwnd(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Windows::moveWindow(platform::WindowId window, int x, int y, int width, int height,
                              bool repaint) {
    MoveWindow(toHwnd(window), x, y, width, height, repaint ? TRUE : FALSE);
}

void Win32Windows::setWindowPos(platform::WindowId window, int x, int y, int width, int height,
                                bool resize) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!resize) flags |= SWP_NOSIZE;
    SetWindowPos(toHwnd(window), nullptr, x, y, width, height, flags);
}

void Win32Windows::restoreWindow(platform::WindowId window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(toHwnd(window), &placement)) return;
    placement.showCmd = SW_SHOWNORMAL;
    SetWindowPlacement(toHwnd(window), &placement);
}

bool Win32Windows::showWindow(platform::WindowId window, bool show) {
    // Showing never activates: the keyboard window must not take the focus
    // from the application the user types into (its thread input is attached
    // to that application's, so an activation would move the focus there).
    return ShowWindow(toHwnd(window), show ? SW_SHOWNA : SW_HIDE) != 0;
}

}  // namespace win32
