// The hook procedures that adapt the common file dialog to on-screen use.
// One dialog at a time; everything runs on the keyboard's thread.
#pragma once

#include "platform/win32/win32.h"

namespace win32 {

// The Explorer-style dialog's hook procedure; always leaves default
// processing to the dialog.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
// Replaces the file list's window procedure: no context menu, no right button.
LRESULT CALLBACK FileListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Replaces the shell view's window procedure: no drag starts from the list.
LRESULT CALLBACK ShellViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WH_KEYBOARD on the dialog's thread: swallows Delete, Ctrl+X and Ctrl+V.
LRESULT CALLBACK FileDialogKeyHook(int code, WPARAM wParam, LPARAM lParam);

// The open dialog's own window, or nullptr when none is up.
HWND openFileDialogWindow();

}  // namespace win32
