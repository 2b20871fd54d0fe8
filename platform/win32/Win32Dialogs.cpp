#include "platform/win32/Win32Dialogs.h"

#include "platform/win32/FileDialogHooks.h"
#include "platform/win32/OnScreenFileDialog.h"
#include "platform/win32/Win32Framework.h"

namespace win32 {

Win32Dialogs::Win32Dialogs(Win32Framework& framework) : framework_(framework) {}

void Win32Dialogs::messageBox(bool ownedByKeyboard, const std::string& text,
                              const std::optional<std::string>& caption, bool stopIcon) {
    HWND owner = ownedByKeyboard ? framework_.window() : nullptr;
    UINT type = MB_OK | (stopIcon ? MB_ICONHAND : 0);
    MessageBoxA(owner, text.c_str(), caption ? caption->c_str() : nullptr, type);
}

int Win32Dialogs::trackPopupMenu(int menuId, platform::Point screen,
                                 const std::vector<int>& disabledItems,
                                 const std::vector<int>& checkedItems) {
    HMENU menu = LoadMenuA(moduleInstance(), MAKEINTRESOURCEA(menuId));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu, 0);
    int chosen = 0;
    if (popup) {
        for (int item : disabledItems) {
            EnableMenuItem(popup, static_cast<UINT>(item), MF_BYCOMMAND | MF_GRAYED);
        }
        for (int item : checkedItems) {
            CheckMenuItem(popup, static_cast<UINT>(item), MF_BYCOMMAND | MF_CHECKED);
        }
        HWND owner = framework_.window();
        chosen =
            static_cast<int>(TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                            screen.x, screen.y, 0, owner, nullptr));
        // Lets the menu close properly although its owner is not in the
        // foreground (the keyboard never is).
        if (owner) PostMessageA(owner, WM_NULL, 0, 0);
    }
    DestroyMenu(menu);
    return chosen;
}

std::optional<platform::FileChoice> Win32Dialogs::runFileDialog(bool open,
                                                                const std::string& initialDirectory,
                                                                const std::string& filter) {
    // No owner: the keyboard stays usable while the dialog is up.
    OnScreenFileDialog dialog(open, nullptr, initialDirectory.c_str(), "", filter.data(),
                              static_cast<int>(filter.size()), nullptr, 0);
    if (!dialog.run()) return std::nullopt;
    return platform::FileChoice{dialog.fullPath(), dialog.fileTitle()};
}

void Win32Dialogs::closeFileDialog() {
    // Our own dialog, by its handle: a window of some other program that
    // happens to carry the same title is never touched.
    if (HWND dialog = openFileDialogWindow()) {
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

}  // namespace win32
