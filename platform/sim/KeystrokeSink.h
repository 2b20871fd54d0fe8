// Where a simulated application receives the keystrokes injected while one of
// its windows is in the foreground.
#pragma once

#include <cstdint>

namespace sim {

class KeystrokeSink {
public:
    virtual ~KeystrokeSink() = default;
    virtual void onKeystroke(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) = 0;
    // A character typed without a key of the layout.
    virtual void onCharacter(std::uint8_t ch) = 0;
};

}  // namespace sim
