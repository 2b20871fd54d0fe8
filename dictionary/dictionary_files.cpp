#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::ChooseDictionaryFile(int) {}
void CPelvokDlg::ExportDictionary() {}
