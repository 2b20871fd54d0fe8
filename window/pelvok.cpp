#include "window/pelvok.h"

#include "window/pelvokDlg.h"
#include "window/private_messages.h"

bool CPelvokApp::InitInstance() {
    platform::Framework& framework = platform_.framework;
    // One keyboard at a time: starting another brings the running one back,
    // hidden or not, and ends.
    if (!framework.claimOnlyInstance()) {
        framework.postToRunningInstance(private_message::kShow);
        return false;
    }
    CPelvokDlg window(platform_);
    window.PrepareToRun();
    window.DoModal();
    return false;
}

int pelvokMain(platform::Platform& platform) {
    CPelvokApp application(platform);
    application.InitInstance();
    return 0;
}
