#include "platform/sim/SimKeystrokes.h"

#include "model/key_codes.h"
#include "platform/sim/KeystrokeSink.h"
#include "platform/sim/SimWindows.h"
#include "platform/sim/SystemLayouts.h"

namespace sim {

bool operator==(const KeystrokeRecord& a, const KeystrokeRecord& b) {
    return a.isCharacter == b.isCharacter && a.vk == b.vk && a.scan == b.scan &&
           a.flags == b.flags && a.ch == b.ch;
}

void SimKeystrokes::keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
    KeystrokeRecord record;
    record.vk = vk;
    record.scan = scan;
    record.flags = flags;
    records.push_back(record);
    // The toggle flips on the press, as on a physical keyboard.
    if (vk == vk::kCapsLock && (flags & platform::kKeyUp) == 0) {
        capsLock = !capsLock;
    }
    if (KeystrokeSink* sink = windows.sinkOf(windows.foregroundWindow())) {
        sink->onKeystroke(vk, scan, flags);
    }
}

void SimKeystrokes::typeCharacter(std::uint8_t ch) {
    KeystrokeRecord record;
    record.isCharacter = true;
    record.ch = ch;
    records.push_back(record);
    if (KeystrokeSink* sink = windows.sinkOf(windows.foregroundWindow())) {
        sink->onCharacter(ch);
    }
}

SimKeystrokes::SimKeystrokes(SimWindows& windows, SystemLayout layout)
    : windows(windows), layout(layout) {
    windows.setKeyboardLayout(layout);
}

std::int16_t SimKeystrokes::vkKeyScan(std::uint8_t ch) { return layoutVkKeyScan(layout, ch); }

bool SimKeystrokes::isDeadKey(std::uint8_t ch) { return layoutIsDeadKey(layout, ch); }

}  // namespace sim
