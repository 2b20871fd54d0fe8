#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::OnPaint() {}
void CPelvokDlg::drawHighlight(std::uint8_t, std::uint8_t, std::uint8_t, double, double) {}
