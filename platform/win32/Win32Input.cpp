#include "platform/win32/Win32Input.h"

#include "platform/win32/TextCodec.h"
#include "platform/win32/win32.h"

namespace win32 {

void Win32Keystrokes::keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
    keybd_event(vk, scan, flags, 0);
}

void Win32Keystrokes::typeCharacter(std::uint8_t ch) {
    std::wstring wide = utf16FromCp1252(std::string(1, static_cast<char>(ch)));
    if (wide.size() != 1) return;
    // A Unicode keystroke reaches the target as WM_CHAR whatever its keyboard
    // layout, which is what a character without a key of its own needs.
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = wide[0];
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

std::int16_t Win32Keystrokes::vkKeyScan(std::uint8_t ch) {
    return VkKeyScanA(static_cast<CHAR>(ch));
}

bool Win32Keystrokes::isDeadKey(std::uint8_t ch) {
    const SHORT scanned = VkKeyScanA(static_cast<CHAR>(ch));
    if (scanned == -1) return false;
    // The top bit of the key's character marks a dead key.
    return (MapVirtualKeyA(LOBYTE(scanned), MAPVK_VK_TO_CHAR) & 0x80000000u) != 0;
}

bool Win32Keystrokes::capsLockToggled() {
    BYTE state[256] = {};
    GetKeyboardState(state);
    return (state[VK_CAPITAL] & 1) != 0;
}

platform::Point Win32Pointer::cursorPos() {
    POINT point = {};
    GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Pointer::setCursorPos(platform::Point screen) { SetCursorPos(screen.x, screen.y); }

void Win32Pointer::beep(int frequency, int milliseconds) {
    Beep(static_cast<DWORD>(frequency), static_cast<DWORD>(milliseconds));
}

}  // namespace win32
