#include "platform/win32/FileDialogHooks.h"

namespace win32 {

namespace {

// Identifier of the toolbar's new-folder button: a new folder starts
// renaming in place.
constexpr UINT kNewFolderButton = 0xA002;
// The read-only check box.
constexpr int kReadOnlyBox = 0x410;
constexpr char kPreviousProc[] = "PelvokPreviousProc";

struct DialogState {
    HWND dialog = nullptr;
    HWND toolbar = nullptr;
    HWND shellView = nullptr;
    HWND fileList = nullptr;
    char folder[MAX_PATH] = {};
    LRESULT folderLength = 0;
    HHOOK keyHook = nullptr;
};

DialogState state;

// The replaced procedure is kept with the window it belongs to, so that
// every adapted window, old or new, passes its messages to its own.
void replaceProc(HWND window, WNDPROC proc) {
    if (!window) return;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == proc) return;
    LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetPropA(window, kPreviousProc, reinterpret_cast<HANDLE>(previous));
}

LRESULT callPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProc));
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kPreviousProc);
        if (previous) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        }
    }
    if (!previous) return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void onInitDialog(HWND hook) {
    state.dialog = GetParent(hook);
    state.toolbar = FindWindowExA(state.dialog, nullptr, "ToolbarWindow32", nullptr);
    SendMessageA(state.dialog, CDM_HIDECONTROL, kReadOnlyBox, 0);
    // Top-most and one pixel taller, without moving: the dialog itself, not
    // the window that happens to be active (the user's application, while
    // the keyboard's input is attached to it).
    RECT rect = {};
    GetWindowRect(state.dialog, &rect);
    SetWindowPos(state.dialog, HWND_TOPMOST, 0, 0, rect.right - rect.left,
                 rect.bottom - rect.top + 1, SWP_NOMOVE);
}

void onInitDone() {
    if (!state.keyHook) {
        state.keyHook =
            SetWindowsHookExA(WH_KEYBOARD, &FileDialogKeyHook, nullptr, GetCurrentThreadId());
    }
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STATE;
    info.fsState = TBSTATE_HIDDEN | TBSTATE_INDETERMINATE;
    SendMessageA(state.toolbar, TB_SETBUTTONINFOA, kNewFolderButton,
                 reinterpret_cast<LPARAM>(&info));
}

void onFolderChange() {
    char folder[MAX_PATH] = {};
    LRESULT length = SendMessageA(state.dialog, CDM_GETFOLDERPATH, sizeof(folder),
                                  reinterpret_cast<LPARAM>(folder));
    folder[sizeof(folder) - 1] = '\0';
    if (length == state.folderLength && lstrcmpA(folder, state.folder) == 0) return;
    state.folderLength = length;
    lstrcpynA(state.folder, folder, sizeof(state.folder));

    // A new folder comes with a new shell view and file list: adapt them.
    state.shellView = FindWindowExA(state.dialog, nullptr, "SHELLDLL_DefView", nullptr);
    state.fileList = FindWindowExA(state.shellView, nullptr, "SysListView32", nullptr);
    if (state.fileList) {
        LONG_PTR style = GetWindowLongPtrA(state.fileList, GWL_STYLE);
        SetWindowLongPtrA(state.fileList, GWL_STYLE,
                          style & ~static_cast<LONG_PTR>(LVS_EDITLABELS));
        SendMessageA(state.fileList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        RevokeDragDrop(state.fileList);
    }
    replaceProc(state.fileList, &FileListProc);
    replaceProc(state.shellView, &ShellViewProc);
}

void onDestroy() {
    if (state.keyHook) UnhookWindowsHookEx(state.keyHook);
    state = DialogState();
}

}  // namespace

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(hook);
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (!header) break;
            if (header->code == static_cast<UINT>(CDN_INITDONE)) onInitDone();
            if (header->code == static_cast<UINT>(CDN_FOLDERCHANGE)) onFolderChange();
            break;
        }
        case WM_ACTIVATE:
            OutputDebugStringA("--- WM_ACTIVATE\n");
            break;
        case WM_DESTROY:
            onDestroy();
            break;
        default:
            break;
    }
    return 0;
}

LRESULT CALLBACK FileListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) {
        return 0;
    }
    return callPrevious(window, message, wParam, lParam);
}

LRESULT CALLBACK ShellViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == static_cast<UINT>(LVN_BEGINDRAG)) return 0;
    }
    return callPrevious(window, message, wParam, lParam);
}

LRESULT CALLBACK FileDialogKeyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        if (wParam == VK_DELETE) return 1;
        bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        if (control && (wParam == 'X' || wParam == 'V')) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND openFileDialogWindow() {
    return state.dialog && IsWindow(state.dialog) ? state.dialog : nullptr;
}

}  // namespace win32
