// Injected keystrokes: logged in order and handed to the foreground window's
// sink; the Caps Lock toggle follows the injected Caps Lock presses.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/SystemLayouts.h"

namespace sim {

class SimWindows;

struct KeystrokeRecord {
    bool isCharacter = false;  // typeCharacter rather than keybdEvent
    std::uint8_t vk = 0;
    std::uint8_t scan = 0;
    std::uint32_t flags = 0;
    std::uint8_t ch = 0;  // the character, for typeCharacter

    bool keyUp() const { return (flags & platform::kKeyUp) != 0; }
};

bool operator==(const KeystrokeRecord& a, const KeystrokeRecord& b);

class SimKeystrokes : public platform::Keystrokes {
public:
    explicit SimKeystrokes(SimWindows& windows, SystemLayout layout = SystemLayout::Spanish);

    void keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
    void typeCharacter(std::uint8_t ch) override;
    std::int16_t vkKeyScan(std::uint8_t ch) override;
    bool isDeadKey(std::uint8_t ch) override;
    bool capsLockToggled() override { return capsLock; }

    // For tests.
    void setCapsLock(bool toggled) { capsLock = toggled; }
    const std::vector<KeystrokeRecord>& log() const { return records; }
    void clearLog() { records.clear(); }

private:
    SimWindows& windows;
    SystemLayout layout;
    std::vector<KeystrokeRecord> records;
    bool capsLock = false;
};

}  // namespace sim
