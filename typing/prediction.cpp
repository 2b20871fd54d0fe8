#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::UpdateSuggestions(std::uint8_t, const std::string&, const std::string&) {}
