#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::placeWindow(int) {}
void CPelvokDlg::applySize(int) {}
void CPelvokDlg::nextSize() {}
