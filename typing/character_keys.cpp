// Activating a character key: plain, shifted, Control and AltGr characters,
// the one-shot SHIFT, the automatic spaces around punctuation, the closing
// question mark, and the completion of a word from a suggestion key.
#include "model/key_codes.h"
#include "typing/TypingEngine.h"
#include "typing/completion.h"
#include "typing/key_sender.h"
#include "typing/text_utils.h"

namespace {

using cp1252::kInvertedQuestion;

// A letter has two cases (ConvertCase changes it one way or the other).
bool isCasedLetter(unsigned char c) { return ConvertCase(1, c) != ConvertCase(2, c); }

// The letter keys of the pages, which carry their lower-case letter.
bool isKeyLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || c == cp1252::kSmallNTilde || c == cp1252::kSmallCCedilla;
}

}  // namespace

void TypingEngine::activateCharacter(const Key& key, std::int16_t scanned, const std::string& line) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    const std::uint8_t charKey = KeySender::lowByte(scanned);
    const int shiftState = KeySender::highByte(scanned);

    const bool suggestionKey =
        shiftState == 0 && layout->getSymbolsPage() == 0 && suggestion_key::is(charKey);
    const std::string word =
        suggestionKey ? suggestions[static_cast<std::size_t>(suggestion_key::slot(charKey))] : "";
    // A character replaces the selection; the latch that extended it is spent.
    // The selection goes first, as Backspace takes it, so that the rules below
    // see the line the character lands in.
    std::string current = line;
    if (selectionActive) {
        layout->setShiftLatched(0);
        layout->setShiftConsumed(0);
        const bool typesNothing = (suggestionKey && word.empty()) ||
                                  (scanned >= 0 && shiftState != 0 &&
                                   shiftState != vk::kShiftState &&
                                   shiftState != vk::kControlState && shiftState != vk::kAltGrState);
        if (!typesNothing) {
            // The keys stay as the user saw them when choosing one.
            const SuggestionSlots shown = suggestions;
            keys.tap(vk::kBackspace);
            UpdateComposition(direct::kBackspace, false, true);
            suggestions = shown;
            current = textLine;
        }
    }
    // The letters (ñ and ç too) are the ones the one-shot SHIFT raises.
    const bool oneShot = isKeyLetter(code) && layout->getShiftLatched() != 0;
    const std::uint8_t held = heldAccent();
    if (held != 0 && !(suggestionKey && word.empty()) && typeAfterHeldAccent(code, oneShot, held))
        return;
    if (scanned < 0) {
        typeWithoutKey(code, oneShot, current);
        return;
    }

    switch (shiftState) {
        case 0:
            if (oneShot) {
                // The key is taken as its capital letter (Ç and Ñ included).
                keys.tapWith(vk::kShift, keys.keyOf(ConvertCase(1, code)));
                UpdateComposition(code, true, false);
            } else if (suggestionKey) {
                completeSuggestion(code, current, word);
            } else {
                typePlainCharacter(key, scanned, current);
            }
            break;
        case vk::kShiftState:
            typeShiftedCharacter(key, scanned, current, oneShot);
            break;
        case vk::kControlState:
            keys.tap(keys.keyOf(charKey));
            UpdateComposition(KeySender::lowByte(scanned), false, false);
            break;
        case vk::kAltGrState: {
            const std::uint8_t target = keys.keyOf(code);
            keys.send(vk::kMenu, vk::kDown0);
            keys.send(vk::kControl, vk::kDown0);
            keys.send(target, vk::kDownExtended);
            keys.send(target, vk::kUpExtended);
            keys.send(vk::kControl, vk::kUp0);
            keys.send(vk::kMenu, vk::kUp0);
            UpdateComposition(code, false, false);
            break;
        }
        default:
            // An unusual modifier set.
            break;
    }
}

std::uint8_t TypingEngine::heldAccent() {
    if (!deadKeyPending) return 0;
    const unsigned char accent = charAt(textLine, cursorPos - 1);
    if (!cp1252::isDeadKeyAccent(accent) || platform().keystrokes.vkKeyScan(accent) >= 0) return 0;
    return accent;
}

bool TypingEngine::typeAfterHeldAccent(std::uint8_t code, bool oneShot, std::uint8_t accent) {
    KeySender keys(platform().keystrokes);
    if (code == ' ') {
        keys.typeCharacter(accent);
        UpdateComposition(code, false, false);
        return true;
    }
    if (code == 'a' || code == 'e' || code == 'i' || code == 'o' || code == 'u') {
        const bool capital = oneShot != (layout->getCapsLock() != 0);
        keys.typeCharacter(CombineDeadKey(accent, ConvertCase(capital ? 1 : 2, code)));
        UpdateComposition(code, oneShot, false);
        return true;
    }
    keys.typeCharacter(accent);
    return false;
}

void TypingEngine::typeWithoutKey(std::uint8_t code, bool oneShot, const std::string& line) {
    KeySender keys(platform().keystrokes);
    if (cp1252::isDeadKeyAccent(code)) {
        // Held by the keyboard until the next character says what it makes.
        UpdateComposition(code, false, false);
    } else if (code == kInvertedQuestion) {
        bool closesEmpty = false;
        keys.type(questionMark(line, closesEmpty));
        if (closesEmpty && cursorPos > 1) keys.type(' ');
        UpdateComposition(code, true, false);
    } else if (isKeyLetter(code)) {
        const bool capital = oneShot != (layout->getCapsLock() != 0);
        keys.typeCharacter(ConvertCase(capital ? 1 : 2, code));
        UpdateComposition(code, oneShot, false);
    } else {
        keys.typeCharacter(code);
        UpdateComposition(code, false, false);
    }
}

std::uint8_t TypingEngine::questionMark(const std::string& line, bool& closesEmpty) {
    KeySender keys(platform().keystrokes);
    const int c = cursorPos;
    const unsigned char before = charAt(line, c - 1);
    closesEmpty = false;
    if (layout->getSymbolsPage() != 0 ||
        !((line.size() > 1 && before != ' ') || before == kInvertedQuestion))
        return kInvertedQuestion;
    if (before == kInvertedQuestion) {
        closesEmpty = true;
        keys.tap(vk::kBackspace);
        if (charAt(line, c - 2) == ' ') keys.tap(vk::kBackspace);
    }
    return '?';
}

void TypingEngine::typePlainCharacter(const Key& key, std::int16_t scanned, const std::string& line) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    const unsigned char before = charAt(line, cursorPos - 1);
    auto is = [&](char ch) { return scanned == keys.scan(static_cast<std::uint8_t>(ch)); };

    // A hyphen or an apostrophe joins the word before it.
    if ((is('-') || is('\'')) && before == ' ') {
        keys.tap(vk::kBackspace);
        keys.tap(KeySender::lowByte(scanned));
        UpdateComposition(code, false, false);
        return;
    }
    const bool punctuation = is('.') || is(',') || is(':') || is(';');
    // No space before punctuation, whatever was absorbed before; a space
    // replaces the space before it unless one was absorbed already.
    if (before == ' ' && (punctuation || (is(' ') && !spaceAbsorbed))) keys.tap(vk::kBackspace);
    keys.tap(keys.keyOf(code));
    if (punctuation && layout->getSymbolsPage() == 0) {
        if (is('.')) layout->setShiftLatched(1);  // a sentence begins with a capital
        keys.tap(keys.keyOf(' '));
    }
    UpdateComposition(code, false, false);
}

void TypingEngine::typeShiftedCharacter(const Key& key, std::int16_t scanned, const std::string& line,
                                      bool oneShot) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    const int c = cursorPos;
    const unsigned char before = charAt(line, c - 1);

    bool closesEmptyQuestion = false;
    const std::uint8_t typed =
        code == kInvertedQuestion ? questionMark(line, closesEmptyQuestion) : code;
    // ':' and ';' need Shift on this layout; they are spaced as the plain
    // punctuation marks are.
    const bool punctuation = scanned == keys.scan(':') || scanned == keys.scan(';');
    if (punctuation && before == ' ') keys.tap(vk::kBackspace);
    if (typed == code) {
        keys.tapWith(vk::kShift, KeySender::lowByte(scanned));
    } else {
        keys.type(typed);
    }
    if (punctuation && layout->getSymbolsPage() == 0) keys.tap(keys.keyOf(' '));
    if (closesEmptyQuestion && c > 1) keys.tap(keys.keyOf(' '));
    UpdateComposition(code, true, false);
    if (oneShot && layout) layout->setShiftLatched(0);
}

void TypingEngine::completeSuggestion(std::uint8_t code, const std::string& line,
                                      const std::string& word) {
    KeySender keys(platform().keystrokes);
    if (word.empty()) {
        UpdateComposition(code, false, false);
        return;
    }
    spaceAbsorbed = false;
    const int c = cursorPos;
    const CompletionPlan plan = PlanCompletion(line, c, word, layout->getCapsLock() != 0,
                                               layout->getShiftLatched() != 0);
    for (int i = plan.removeFrom; i < c; ++i) keys.tap(vk::kBackspace);
    for (int i = c + 1; i < plan.removeTo; ++i) keys.tap(vk::kDelete);
    for (const char ch : plan.text) typeCompletionCharacter(static_cast<std::uint8_t>(ch));
    if (!plan.attached) keys.tap(vk::kSpace);
    UpdateComposition(code, false, false);
}

// One character of a completed word, typed as it stands: a letter's case
// comes from Shift against the target's Caps Lock, an accented vowel from its
// dead key, a character the layout has no key for from a Unicode keystroke.
void TypingEngine::typeCompletionCharacter(std::uint8_t ch) {
    KeySender keys(platform().keystrokes);
    const bool capsLock = layout->getCapsLock() != 0;
    unsigned char x = ch;
    if (keys.scan(ch) < 0) {
        unsigned char vowel = ch;
        const unsigned char accent = SplitAccentedVowel(ch, vowel);
        const std::int16_t deadKey = accent == ' ' ? -1 : keys.scan(accent);
        if (deadKey >= 0 && keys.isDeadKey(accent) && keys.scan(vowel) >= 0) {
            keys.tapWithState(KeySender::lowByte(deadKey), KeySender::highByte(deadKey));
            x = vowel;
        }
    }
    const std::int16_t scanned = keys.scan(x);
    if (scanned < 0) {
        keys.typeCharacter(ch);
    } else if (isCasedLetter(x)) {
        const bool capital = x == ConvertCase(1, x);
        keys.tapWithState(KeySender::lowByte(scanned), capital != capsLock ? vk::kShiftState : 0);
    } else {
        keys.tapWithState(KeySender::lowByte(scanned), KeySender::highByte(scanned));
    }
    if (layout->getShiftLatched() != 0) {
        layout->setShiftLatched(0);
        layout->setShiftConsumed(1);
    }
}
