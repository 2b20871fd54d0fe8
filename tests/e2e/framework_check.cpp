// The stand-in keyboard's entry point, where the real keyboard's
// application object will run.
#include "platform/win32/app_entry.h"
#include "tests/e2e/StandInDialog.h"

int pelvokMain(platform::Platform& platform) {
    StandInDialog dialog(platform);
    platform.framework.runModal(dialog);
    return 0;
}
