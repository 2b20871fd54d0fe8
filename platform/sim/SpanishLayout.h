// VkKeyScanA of the Spanish (Spain) keyboard layout, for the simulated desktop.
#pragma once

#include <cstdint>

namespace sim {

// Low byte the virtual key, high byte the shift state; -1 when no key of the
// layout types the Windows-1252 character (the accented vowels need a dead key).
std::int16_t spanishVkKeyScan(std::uint8_t ch);

}  // namespace sim
