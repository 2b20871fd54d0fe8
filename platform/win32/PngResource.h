// Pictures kept as PNG files among the program's resources (RCDATA), decoded
// with the Windows Imaging Component.
#pragma once

#include "platform/win32/win32.h"

namespace win32 {

// A bitmap of the RCDATA resource `resourceId`, or nullptr when there is
// none or it cannot be decoded. COM must be initialised on the thread.
HBITMAP loadPngResource(int resourceId, int& width, int& height);

}  // namespace win32
