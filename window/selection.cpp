#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::selectCell(int, int) {}
Key CPelvokDlg::moveCurrentUp() { return Key(); }
Key CPelvokDlg::moveCurrentDown() { return Key(); }
Key CPelvokDlg::moveCurrentRight() { return Key(); }
Key CPelvokDlg::moveCurrentLeft() { return Key(); }
