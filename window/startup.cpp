#include "window/pelvokDlg.h"

// Stub: to be written.
CPelvokDlg::CPelvokDlg(platform::Platform& platform) : platform_(platform), store_(database) {}
CPelvokDlg::~CPelvokDlg() = default;
void CPelvokDlg::PrepareToRun() {
    OpenSettingsKey();
    SetUpModel();
    selectCell(4, 0);
}
void CPelvokDlg::OpenSettingsKey() {}
void CPelvokDlg::SetUpModel() {}
int CPelvokDlg::DoModal() { return platform_.framework.runModal(*this); }
int CPelvokDlg::OnCreate() { return 0; }
bool CPelvokDlg::OnInitDialog() { return true; }
void CPelvokDlg::OnClose() {}
