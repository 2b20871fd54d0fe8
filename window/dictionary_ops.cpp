// The window's dictionary operations: learning, deleting the word of a
// suggestion key, and loading the keys straight from the dictionary.
#include <algorithm>

#include "typing/text_utils.h"
#include "window/pelvokDlg.h"

void CPelvokDlg::LearnWord(const std::string& folded, const std::string& word) {
    store_.LearnWord(folded, word);
}

void CPelvokDlg::LearnPair(const std::string& first, const std::string& nextFolded,
                           const std::string& next) {
    store_.LearnPair(first, nextFolded, next);
}

void CPelvokDlg::DeleteSuggestedWord() {
    if (!dictionaryAvailable()) return;
    const Key key = layout->currentKey();
    const auto slot =
        static_cast<std::uint8_t>(platform().keystrokes.vkKeyScan(key.getVirtualKey()) & 0xFF);
    if (slot < '1' || slot > '6') return;
    const std::string word = suggestions[slot - '1'];
    if (word.empty()) return;
    // Keys show the apostrophe; the dictionary holds '!' in its place.
    std::string stored = word;
    std::replace(stored.begin(), stored.end(), '\'', '!');
    store_.DeleteWord(CleanWord(FoldAccents(stored)));
    LoadFrequentWords();
}

void CPelvokDlg::LoadSentenceStarters() {
    if (dictionaryAvailable()) store_.LoadSentenceStarters(suggestions, sentenceStarters);
}

void CPelvokDlg::LoadFrequentWords() {
    if (dictionaryAvailable()) store_.LoadFrequentWords(suggestions);
}
