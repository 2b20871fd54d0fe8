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
// The keyboard idle after learning: the write-ahead log goes into the file,
// and words kept while the file was locked are written, this long after the
// last key that learned; tried again this often while the file stays locked.
inline constexpr int kIdle = 3;
inline constexpr int kIdleDelay = 1000;
inline constexpr int kLockedRetry = 2000;
}  // namespace timer
