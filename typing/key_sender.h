// The keystrokes of key activation: each one keybd_event(vk, scan, flags),
// and the layout's answer to which key and modifiers type a character.
#pragma once

#include <cstdint>

#include "model/key_codes.h"
#include "platform/platform.h"

// Flags of one keystroke.
namespace vk {
inline constexpr std::uint32_t kDown0 = 0;
inline constexpr std::uint32_t kUp0 = platform::kKeyUp;
inline constexpr std::uint32_t kDownExtended = platform::kKeyExtended;
inline constexpr std::uint32_t kUpExtended = platform::kKeyExtended | platform::kKeyUp;
}  // namespace vk

class KeySender {
public:
    explicit KeySender(platform::Keystrokes& keystrokes) : keystrokes_(keystrokes) {}

    void send(std::uint8_t key, std::uint32_t flags, std::uint8_t scan = 0) {
        keystrokes_.keybdEvent(key, scan, flags);
    }
    // Down, then up.
    void tap(std::uint8_t key, std::uint8_t scan = 0) {
        send(key, vk::kDown0, scan);
        send(key, vk::kUp0, scan);
    }
    // Modifier down, tap, modifier up.
    void tapWith(std::uint8_t modifier, std::uint8_t key) {
        send(modifier, vk::kDown0);
        tap(key);
        send(modifier, vk::kUp0);
    }
    // The key with the modifiers of a VkKeyScanA shift state: Shift, then
    // Control, then Alt go down, and come up in the reverse order.
    void tapWithState(std::uint8_t key, int shiftState);
    void typeCharacter(std::uint8_t ch) { keystrokes_.typeCharacter(ch); }

    // VkKeyScanA of the character: low byte the virtual key, high byte the
    // shift state; -1 when the layout has no key for it.
    std::int16_t scan(std::uint8_t ch) { return keystrokes_.vkKeyScan(ch); }
    // VK(x): the virtual key of the character, its shift state left out.
    std::uint8_t keyOf(std::uint8_t ch) { return lowByte(scan(ch)); }
    bool isDeadKey(std::uint8_t ch) { return keystrokes_.isDeadKey(ch); }
    // The character with the key and modifiers the layout gives it, or as a
    // Unicode keystroke when it has none.
    void type(std::uint8_t ch) {
        const std::int16_t scanned = scan(ch);
        if (scanned < 0) {
            typeCharacter(ch);
        } else {
            tapWithState(lowByte(scanned), highByte(scanned));
        }
    }

    static std::uint8_t lowByte(std::int16_t scanned) {
        return static_cast<std::uint8_t>(static_cast<std::uint16_t>(scanned) & 0xFF);
    }
    static int highByte(std::int16_t scanned) { return static_cast<std::uint16_t>(scanned) >> 8; }

private:
    platform::Keystrokes& keystrokes_;
};

inline void KeySender::tapWithState(std::uint8_t key, int shiftState) {
    const bool shift = (shiftState & vk::kShiftState) != 0;
    const bool control = (shiftState & vk::kControlState) != 0;
    const bool alt = (shiftState & vk::kAltState) != 0;
    if (shift) send(vk::kShift, vk::kDown0);
    if (control) send(vk::kControl, vk::kDown0);
    if (alt) send(vk::kMenu, vk::kDown0);
    tap(key);
    if (alt) send(vk::kMenu, vk::kUp0);
    if (control) send(vk::kControl, vk::kUp0);
    if (shift) send(vk::kShift, vk::kUp0);
}
