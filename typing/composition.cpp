#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::UpdateComposition(std::uint8_t, bool, bool) {}
