// The application the keyboard types into: one window with an edit control
// that has the focus. The end-to-end driver reads the edit's text. Started
// with the argument "password", the edit control is a password field.
#include <windows.h>

namespace {

HWND edit = nullptr;
DWORD editStyle = 0;

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                   WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | editStyle, 10, 10, 360,
                                   26, window, reinterpret_cast<HMENU>(1), nullptr, nullptr);
            return 0;
        case WM_SETFOCUS:
            SetFocus(edit);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(edit);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (commandLine && lstrcmpiA(commandLine, "password") == 0) editStyle = ES_PASSWORD;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PelvokE2ETarget";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, "PelvokE2ETarget", "Pelvok e2e target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        40, 40, 400, 90, nullptr, nullptr, instance, nullptr);
    SetForegroundWindow(window);
    SetFocus(edit);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
