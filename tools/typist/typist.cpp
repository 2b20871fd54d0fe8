#include "tools/typist/typist.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>
#include <ctime>

#include "model/key_codes.h"
#include "tools/toolbox/text_codec.h"
#include "typing/text_utils.h"

namespace typist {

namespace {

bool isLetter(unsigned char c) { return IsWordChar(c) || IsAccentedVowel(c); }

bool isUpper(unsigned char c) { return c != ConvertCase(2, c); }

// Lower case of the letters of the keys: a-z, n with tilde, c with cedilla.
bool isKeyLetter(unsigned char c) {
    const unsigned char lower = ConvertCase(2, c);
    return (lower >= 'a' && lower <= 'z') || lower == cp1252::kSmallNTilde || lower == cp1252::kSmallCCedilla;
}

// Marks before which the keyboard takes back a space it typed: the typist
// who watches the echo types the mark, not Backspace.
bool takesSpaceBack(unsigned char c) { return c != 0 && std::strchr(".,:;-'", c) != nullptr; }

// Where words end when the keystroke savings rate is counted.
bool splitsWords(unsigned char c) { return c == ' ' || c == '\t' || (c < 0x80 && std::ispunct(c)); }

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

Typist::Typist(KeyboardSession& session, bool takeSuggestions)
    : session_(session), takeSuggestions_(takeSuggestions) {}

void Typist::typeParagraph(const std::string& text) {
    sim::SimTargetApp& target = session_.target();
    target.setText("");
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLetter(text[i]) && (i == 0 || !isLetter(text[i - 1]))) ++counts_.words;
        const unsigned char c = text[i];
        if (!splitsWords(c)) {
            ++counts_.wordKeystrokes;
            if (i + 1 == text.size() || splitsWords(text[i + 1])) ++counts_.wordKeystrokes;
        }
    }

    std::size_t k = 0;  // the target holds text[0, k)
    const std::size_t limit = 8 * text.size() + 64;
    for (std::size_t presses = 0;; ++presses) {
        const std::string& got = target.text();
        k = std::min(k, got.size());
        while (k < got.size() && k < text.size() && got[k] == text[k]) ++k;
        if (k == text.size() && got.size() == k && target.pendingDeadKey() == 0) break;
        if (presses > limit)
            throw TypingError("cannot type \"" + toolbox::utf8ForMessages(text) +
                              "\": stuck at character " + std::to_string(k) + " with \"" +
                              toolbox::utf8ForMessages(got) + "\"");
        const bool spaceGoesBack = got.size() == k + 1 && got[k] == ' ' && k < text.size() &&
                                   takesSpaceBack(text[k]) && target.pendingDeadKey() == 0;
        if (got.size() > k && !spaceGoesBack) {
            press(direct(direct::kBackspace));
            continue;
        }
        if (!session_.layout().getSymbolsPage()) {
            for (const std::string& shown : session_.keyboard().suggestions)
                if (!shown.empty()) ++counts_.suggestionsShown;
        }
        if (takeSuggestions_ && takeSuggestion(text, k)) continue;
        const std::size_t before = got.size();
        pressFor(text, k);
        // Keys that take characters back make the target's text shorter for
        // a moment: what was checked before them is checked again.
        std::size_t takenBack = 0;
        for (const sim::KeystrokeRecord& record : session_.desktop().keystrokes().log())
            if (!record.isCharacter && !record.keyUp() && record.vk == vk::kBackspace) ++takenBack;
        k = std::min(k, before - std::min(before, takenBack));
    }
    press(direct(direct::kEnter));
    if (target.text() != text + "\r\n")
        throw TypingError("Enter did not end the line \"" + toolbox::utf8ForMessages(text) + "\"");
    counts_.characters += text.size() + 1;
}

void Typist::pressFor(const std::string& text, std::size_t k) {
    const KeyboardLayout& layout = session_.layout();
    const unsigned char c = text[k];
    if (IsAccentedVowel(c)) {
        pressAccented(c);
        return;
    }
    // On the letter pages the keys '1' to '6' are the suggestion keys.
    if (c >= '0' && c <= '9' && !layout.getSymbolsPage()) {
        press(direct(direct::kSymbols));
        return;
    }
    if (isKeyLetter(c)) {
        if (layout.getSymbolsPage()) {
            press(direct(direct::kSymbols));
            return;
        }
        const bool runFollows =
            k + 1 < text.size() && isLetter(text[k + 1]) && isUpper(text[k + 1]);
        if (isUpper(c) != ((layout.getCapsLock() != 0) != (layout.getShiftLatched() != 0))) {
            fixCase(isUpper(c), runFollows);
            return;
        }
    }
    Key key;
    const unsigned char code = isKeyLetter(c) ? ConvertCase(2, c) : c;
    if (findCharacter(code, key)) {
        press(key);
    } else {
        press(direct(direct::kSymbols));
    }
}

void Typist::pressAccented(unsigned char accented) {
    const KeyboardLayout& layout = session_.layout();
    const sim::SimTargetApp& target = session_.target();
    unsigned char vowel = 0;
    const unsigned char accent = SplitAccentedVowel(accented, vowel);
    const bool upper = isUpper(vowel);
    const bool shownUpper = (layout.getCapsLock() != 0) != (layout.getShiftLatched() != 0);
    Key key;
    if (target.pendingDeadKey() == accent) {
        // Only SHIFT may change the case now: Caps Lock would drop the accent.
        if (layout.getSymbolsPage()) {
            press(direct(direct::kSymbols));
        } else if (upper != shownUpper) {
            press(direct(direct::kShiftLatch));
        } else if (findCharacter(ConvertCase(2, vowel), key)) {
            press(key);
        }
        return;
    }
    if (target.pendingDeadKey() != 0) {
        press(direct(direct::kBackspace));
        return;
    }
    const bool onSymbols = accent == cp1252::kCircumflex;
    if ((layout.getSymbolsPage() != 0) != onSymbols) {
        press(direct(direct::kSymbols));
    } else if (!onSymbols && upper != shownUpper) {
        fixCase(upper, false);
    } else if (findCharacter(accent, key)) {
        press(key);
    }
}

void Typist::fixCase(bool upper, bool runFollows) {
    const KeyboardLayout& layout = session_.layout();
    if (layout.getShiftLatched()) {
        press(direct(direct::kShiftLatch));
    } else if (layout.getCapsLock()) {
        press(direct(direct::kCapsLock));
    } else {
        press(direct(upper && runFollows ? direct::kCapsLock : direct::kShiftLatch));
    }
}

bool Typist::takeSuggestion(const std::string& text, std::size_t k) {
    const KeyboardLayout& layout = session_.layout();
    if (layout.getSymbolsPage() || session_.target().pendingDeadKey() != 0) return false;
    if (k < text.size() && !isLetter(text[k])) return false;
    const std::size_t start = PartialWordStart(text, k);
    if (start >= text.size() || !isLetter(text[start])) return false;
    for (std::size_t i = start; i < k; ++i)
        if (!isLetter(text[i])) return false;
    std::size_t end = k;
    while (end < text.size() && isLetter(text[end])) ++end;
    if (end == k) return false;
    const std::string intended = text.substr(start, end - start);

    // The case the suggestion key gives the word in the target.
    bool capitalise = false;
    for (std::size_t i = start; i < k; ++i)
        if (text[i] >= 'A' && text[i] <= 'Z') capitalise = true;
    const CPelvokDlg& keyboard = session_.keyboard();
    for (int slot = 0; slot < 6; ++slot) {
        std::string word = keyboard.suggestions[slot];
        if (word.empty() || word.size() != intended.size()) continue;
        if (layout.getCapsLock()) {
            for (char& ch : word) ch = static_cast<char>(ConvertCase(1, ch));
        } else if (layout.getShiftLatched() || (capitalise && word[0] >= 'a' && word[0] <= 'z')) {
            word[0] = static_cast<char>(ConvertCase(1, word[0]));
        }
        if (word != intended) continue;
        Key key;
        if (!findCharacter(static_cast<std::uint8_t>('1' + slot), key)) return false;
        press(key);
        ++counts_.suggestionsTaken;
        ++counts_.wordsFromSuggestions;
        counts_.charactersSaved += end - k;
        return true;
    }
    return false;
}

void Typist::press(const Key& key) {
    session_.desktop().keystrokes().clearLog();
    ++counts_.clicks;
    if (beforeKey_) beforeKey_(key);
    if (keepTimes_) {
        const double cpu = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        session_.click(key);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        keyTimes_.push_back(spent.count());
        keyCpuTimes_.push_back(threadCpuSeconds() - cpu);
    } else {
        session_.click(key);
    }
    if (afterKey_) afterKey_();
}

bool Typist::findCharacter(std::uint8_t code, Key& found) const {
    const KeyboardLayout& layout = session_.layout();
    for (int row = 0; row < layout.lineCount(); ++row) {
        const KeyLine& line = layout.line(row);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() > 0 && !key.isCommand() && !key.isDirect() &&
                key.getVirtualKey() == code) {
                found = key;
                return true;
            }
        }
    }
    return false;
}

Key Typist::direct(std::uint8_t code) const {
    const KeyboardLayout& layout = session_.layout();
    for (int row = 0; row < layout.lineCount(); ++row) {
        const KeyLine& line = layout.line(row);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() > 0 && key.isDirect() && key.getVirtualKey() == code) return key;
        }
    }
    throw TypingError("the page on show has no key " + std::to_string(code));
}

}  // namespace typist
