#include "platform/win32/Win32Framework.h"

#include "resources/resource_ids.h"

namespace win32 {

namespace {

constexpr int kPrivateMessages[] = {10, 11, 20, 31, 33};

bool isPrivateMessage(UINT message) {
    for (int n : kPrivateMessages) {
        if (message == static_cast<UINT>(WM_USER + n)) return true;
    }
    return false;
}

// The session-wide claim of the running keyboard, and the mark on its window.
constexpr const char* kInstanceMutex = "Local\\Pelvok.Keyboard";
constexpr const char* kKeyboardMark = "Pelvok.Keyboard";

BOOL CALLBACK findMarked(HWND window, LPARAM found) {
    if (!GetPropA(window, kKeyboardMark)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

bool isMenuCommand(int id) {
    return id == ID_DELETE_WORD || (id >= ID_SIZE_SMALL && id <= ID_SIZE_EXTRA_BIG) ||
           id == ID_DWELL || id == ID_PAUSE_LEARNING || id == ID_NO_REPEAT;
}

}  // namespace

Win32Framework::Win32Framework() {
    HINSTANCE instance = moduleInstance();
    largeIcon_ =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
}

Win32Framework::~Win32Framework() {
    if (instanceClaim_) CloseHandle(instanceClaim_);
    if (largeIcon_) DestroyIcon(largeIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

int Win32Framework::runModal(platform::DialogHandlers& dialog) {
    if (handlers_) return -1;  // one keyboard window at a time
    handlers_ = &dialog;
    ending_ = false;
    createFailed_ = false;
    HWND created =
        CreateDialogParamA(moduleInstance(), MAKEINTRESOURCEA(IDD_PELVOK_DIALOG), nullptr,
                           &Win32Framework::dialogProc, reinterpret_cast<LPARAM>(this));
    if (!created || createFailed_) {
        if (created) DestroyWindow(created);
        window_ = nullptr;
        handlers_ = nullptr;
        return -1;
    }
    // Shown without activation: the application the user types into keeps
    // the focus from the very start.
    if (!ending_) ShowWindow(window_, SW_SHOWNA);

    MSG msg;
    while (!ending_) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // WM_QUIT ends the dialog; it is posted again for the caller's loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        handlers_->PreTranslateMessage();
        if (!IsDialogMessageA(window_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    handlers_ = nullptr;  // no handler runs while the window is destroyed
    if (IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    return IDCANCEL;
}

platform::WindowId Win32Framework::keyboardWindow() { return toWindowId(window_); }

void Win32Framework::invalidate(const platform::Rect* clientRect) {
    if (!window_) return;
    if (!clientRect) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    RECT rect = {clientRect->left, clientRect->top, clientRect->right, clientRect->bottom};
    InvalidateRect(window_, &rect, FALSE);
}

bool Win32Framework::isMinimized() { return window_ && IsIconic(window_); }

platform::Rect Win32Framework::clientRect() {
    RECT rect = {};
    if (window_) GetClientRect(window_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Framework::setIcon() {
    if (!window_) return;
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void Win32Framework::endDialog() {
    if (!handlers_ || ending_) return;
    ending_ = true;
    if (window_) {
        // Hidden at once, as a modal dialog is; destroyed when the loop ends.
        // The loop may be waiting in GetMessage, or a nested loop (a file
        // dialog, a menu) may be running: the posted message wakes ours
        // once control is back in it.
        ShowWindow(window_, SW_HIDE);
        PostMessageA(window_, WM_NULL, 0, 0);
    }
}

void Win32Framework::exitProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

void Win32Framework::setTimer(int id, int milliseconds) {
    if (window_) SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void Win32Framework::killTimer(int id) {
    if (window_) KillTimer(window_, static_cast<UINT_PTR>(id));
}

std::int64_t Win32Framework::now() { return static_cast<std::int64_t>(GetTickCount64()); }

bool Win32Framework::registerSwitchKey(int id, int virtualKey) {
    if (!window_) return false;
    // A switch held down must not repeat its press; systems without
    // MOD_NOREPEAT refuse it, and the key is taken without.
    if (RegisterHotKey(window_, id, MOD_NOREPEAT, static_cast<UINT>(virtualKey))) return true;
    return RegisterHotKey(window_, id, 0, static_cast<UINT>(virtualKey)) != FALSE;
}

void Win32Framework::unregisterSwitchKey(int id) {
    if (window_) UnregisterHotKey(window_, id);
}

bool Win32Framework::claimOnlyInstance() {
    if (instanceClaim_) return true;
    instanceClaim_ = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (instanceClaim_ && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(instanceClaim_);
        instanceClaim_ = nullptr;
        return false;
    }
    // Without a mutex at all the keyboard still runs.
    return true;
}

void Win32Framework::postToRunningInstance(int n) {
    // The running keyboard may still be starting: give its window a moment.
    for (int tries = 0; tries < 50; ++tries) {
        HWND running = nullptr;
        EnumWindows(findMarked, reinterpret_cast<LPARAM>(&running));
        if (running) {
            PostMessageA(running, WM_USER + static_cast<UINT>(n), 0, 0);
            return;
        }
        Sleep(100);
    }
}

INT_PTR CALLBACK Win32Framework::dialogProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        reinterpret_cast<Win32Framework*>(lParam)->window_ = window;
        SetPropA(window, kKeyboardMark, reinterpret_cast<HANDLE>(1));
    }
    auto* self = reinterpret_cast<Win32Framework*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->handlers_ || self->window_ != window) return FALSE;
    return self->handle(message, wParam, lParam);
}

INT_PTR Win32Framework::reply(LONG_PTR result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR Win32Framework::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    platform::DialogHandlers& handlers = *handlers_;
    switch (message) {
        case WM_INITDIALOG:
            // A dialog procedure never sees WM_CREATE: the dialog manager
            // attaches it only after the window exists. Window creation runs
            // here instead, just before initialisation, in the same order.
            if (handlers.OnCreate() == -1) {
                createFailed_ = true;
                return FALSE;
            }
            return handlers.OnInitDialog() ? TRUE : FALSE;
        case WM_PAINT:
            paint();
            return TRUE;
        case WM_MOUSEACTIVATE:
            return reply(handlers.OnMouseActivate());
        case WM_MOUSEMOVE:
            handlers.OnMouseMove();
            return TRUE;
        case WM_LBUTTONUP:
            handlers.OnLButtonUp(static_cast<std::uint32_t>(wParam),
                                 static_cast<std::int32_t>(lParam));
            return TRUE;
        case WM_RBUTTONUP:
            handlers.OnRButtonUp(static_cast<std::uint32_t>(wParam),
                                 static_cast<std::int32_t>(lParam));
            return TRUE;
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (HIWORD(wParam) != 0 || !isMenuCommand(id)) return FALSE;
            handlers.OnCommand(id);
            return TRUE;
        }
        case WM_CLOSE:
            handlers.OnClose();
            endDialog();
            return TRUE;
        case WM_DESTROY:
            RemovePropA(window_, kKeyboardMark);
            // Destroyed from outside the loop: the loop must not wait for a
            // window that is gone.
            if (!ending_) {
                ending_ = true;
                PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
            }
            return FALSE;
        case WM_TIMER:
            handlers.OnTimer(static_cast<int>(wParam));
            return TRUE;
        case WM_HOTKEY:
            handlers.OnHotKey(static_cast<int>(wParam));
            return TRUE;
        case WM_DISPLAYCHANGE:
            handlers.OnDisplayChange();
            return TRUE;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) handlers.OnDisplayChange();
            return FALSE;
        case WM_QUERYDRAGICON:
            // One of the messages whose dialog-procedure result is the reply.
            return reinterpret_cast<INT_PTR>(largeIcon_);
        default:
            if (isPrivateMessage(message)) {
                return reply(handlers.OnPrivateMessage(static_cast<int>(message - WM_USER),
                                                       static_cast<std::uintptr_t>(wParam)));
            }
            return FALSE;
    }
}

void Win32Framework::paint() {
    // The handlers draw through Graphics, which draws on this paint context
    // while it is set. A message box from the handler may run a nested paint.
    PAINTSTRUCT ps;
    HDC outer = paintDc_;
    paintDc_ = BeginPaint(window_, &ps);
    handlers_->OnPaint();
    EndPaint(window_, &ps);
    paintDc_ = outer;
}

}  // namespace win32
