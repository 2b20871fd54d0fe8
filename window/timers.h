// The ids of the keyboard window's timers (Framework::setTimer), one home so
// that no two features share one.
#pragma once

namespace timer {
// Switch scanning: the frame steps on.
inline constexpr int kScanStep = 1;
// Dwell selection: watches the resting pointer and grows the progress, this
// often in milliseconds.
inline constexpr int kDwell = 2;
inline constexpr int kDwellTick = 50;
}  // namespace timer
