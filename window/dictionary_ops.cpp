// Deleting the word of a suggestion key, chosen from its context menu.
#include "dictionary/shown_word.h"
#include "model/key_codes.h"
#include "typing/text_utils.h"
#include "window/pelvokDlg.h"

void CPelvokDlg::DeleteSuggestedWord() {
    if (!dictionaryAvailable()) return;
    const Key key = layout->currentKey();
    const auto slot =
        static_cast<std::uint8_t>(platform().keystrokes.vkKeyScan(key.getVirtualKey()) & 0xFF);
    if (!suggestion_key::is(slot)) return;
    const std::string word = suggestions[suggestion_key::slot(slot)];
    if (word.empty()) return;
    store_.DeleteWord(AccentFreeForm(WithoutApostrophes(word)));
    scheduleIdleWork();
    LoadFrequentWords();
}
