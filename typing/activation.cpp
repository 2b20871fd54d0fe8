#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::ActivateCurrentKey() {}
