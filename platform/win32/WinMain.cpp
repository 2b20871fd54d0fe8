// The Windows entry point: builds the platform objects and hands them to the
// keyboard.
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Framework.h"
#include "platform/win32/Win32Graphics.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32Settings.h"
#include "platform/win32/Win32Windows.h"
#include "platform/win32/app_entry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The file dialog's shell view registers drag and drop, which needs OLE.
    OleInitialize(nullptr);
    int code = 0;
    {
        win32::Win32Keystrokes keystrokes;
        win32::Win32Settings settings;
        win32::Win32Windows windows;
        win32::Win32Pointer pointer;
        win32::Win32Framework framework;
        win32::Win32Dialogs dialogs(framework);
        win32::Win32Files files;
        win32::Win32Graphics graphics(framework);
        platform::Platform platform{keystrokes, settings, windows,  pointer,
                                    dialogs,    files,    graphics, framework};
        code = pelvokMain(platform);
    }
    OleUninitialize();
    return code;
}
