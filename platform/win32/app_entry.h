// The keyboard's entry point, called by the Win32 WinMain once the platform
// objects exist. The keyboard provides it (its application object's
// InitInstance runs inside it); the result becomes the process's exit code.
#pragma once

#include "platform/platform.h"

int pelvokMain(platform::Platform& platform);
