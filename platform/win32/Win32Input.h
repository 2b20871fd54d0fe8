// Synthetic keystrokes, the keyboard state, the pointer and the speaker.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Keystrokes final : public platform::Keystrokes {
public:
    void keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
    void typeCharacter(std::uint8_t ch) override;
    std::int16_t vkKeyScan(std::uint8_t ch) override;
    bool isDeadKey(std::uint8_t ch) override;
    bool capsLockToggled() override;
};

class Win32Pointer final : public platform::Pointer {
public:
    platform::Point cursorPos() override;
    void setCursorPos(platform::Point screen) override;
    void beep(int frequency, int milliseconds) override;
};

}  // namespace win32
