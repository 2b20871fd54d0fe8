// The ids of the keyboard window's timers.
#pragma once

namespace timers {
// Dwell selection: watches the resting pointer and grows the progress.
inline constexpr int kDwell = 1;
// How often, in milliseconds.
inline constexpr int kDwellTick = 50;
}  // namespace timers
