// The application object: runs the keyboard window as a modal dialog.
#pragma once

#include "platform/platform.h"

class CPelvokApp {
public:
    explicit CPelvokApp(platform::Platform& platform) : platform_(platform) {}
    // Runs the whole life of the keyboard; false ends the application.
    bool InitInstance();

private:
    platform::Platform& platform_;
};

// The keyboard's entry point for the platform's main (platform/win32/app_entry.h).
int pelvokMain(platform::Platform& platform);
