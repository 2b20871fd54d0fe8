// The ids of the keyboard window's timers (Framework::setTimer), one home so
// that no two features share one.
#pragma once

namespace timer {
// Switch scanning: the frame steps on.
inline constexpr int kScanStep = 1;
}  // namespace timer
