#include "window/pelvokDlg.h"

// Stub: to be written.
void CPelvokDlg::LearnWord(const std::string&, const std::string&) {}
void CPelvokDlg::LearnPair(const std::string&, const std::string&, const std::string&) {}
void CPelvokDlg::DeleteSuggestedWord() {}
void CPelvokDlg::LoadSentenceStarters() {}
void CPelvokDlg::LoadFrequentWords() {}
