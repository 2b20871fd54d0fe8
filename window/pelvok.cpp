#include "window/pelvok.h"

#include "window/pelvokDlg.h"

bool CPelvokApp::InitInstance() {
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
