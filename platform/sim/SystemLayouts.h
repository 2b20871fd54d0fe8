// The keyboard layouts of the simulated desktop: VkKeyScanA of each, and
// which of their keys are dead keys. Spanish (Spain) is the one the keyboard
// is made for; US English has none of its accents, ñ, ç, ¿ or ¡.
#pragma once

#include <cstdint>

namespace sim {

enum class SystemLayout { Spanish, Us };

// Low byte the virtual key, high byte the shift state; -1 when no key of the
// layout types the Windows-1252 character (the accented vowels need a dead key).
std::int16_t spanishVkKeyScan(std::uint8_t ch);
std::int16_t layoutVkKeyScan(SystemLayout layout, std::uint8_t ch);
// Whether the key that types `ch` is a dead key, whose character waits for
// the next one.
bool layoutIsDeadKey(SystemLayout layout, std::uint8_t ch);

}  // namespace sim
