// The one place the Windows headers come in; only platform/win32 includes it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h first: these need its types.
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

#include <cstdint>

#include "platform/platform.h"

namespace win32 {

inline HWND toHwnd(platform::WindowId window) { return reinterpret_cast<HWND>(window); }
inline platform::WindowId toWindowId(HWND window) {
    return reinterpret_cast<platform::WindowId>(window);
}

// The module holding the keyboard's resources: the program itself.
inline HINSTANCE moduleInstance() { return GetModuleHandleA(nullptr); }

}  // namespace win32
