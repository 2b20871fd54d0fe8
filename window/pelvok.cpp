#include "window/pelvokDlg.h"

// Stub: to be written.
#include "window/pelvok.h"

bool CPelvokApp::InitInstance() { return false; }
