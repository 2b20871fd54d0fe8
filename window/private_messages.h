// The private messages through which other programs show, hide and drive the
// keyboard: WM_USER + n, with these n.
#pragma once

namespace private_message {
inline constexpr int kShow = 10;
inline constexpr int kHide = 11;
// wParam 'A' up, 'E' down, 'G' right, 'C' left, 'W' press.
inline constexpr int kDrive = 20;
inline constexpr int kSnap = 31;
inline constexpr int kResetLine = 33;
}  // namespace private_message
