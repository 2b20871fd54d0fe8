#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::PreTranslateMessage() {}
int CPelvokDlg::OnMouseActivate() { return 3; }
void CPelvokDlg::OnMouseMove() {}
void CPelvokDlg::OnLButtonUp(std::uint32_t, std::int32_t) {}
void CPelvokDlg::OnRButtonUp(std::uint32_t, std::int32_t) {}
std::intptr_t CPelvokDlg::OnPrivateMessage(int, std::uintptr_t) { return 0; }
void CPelvokDlg::OnCommand(int) {}
