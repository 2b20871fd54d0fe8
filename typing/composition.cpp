// The echo of the typed text: every activated key edits it the way its
// keystrokes edited the target, then the prediction step refills the
// suggestion keys and the edited line is committed.
#include <string>

#include "model/key_codes.h"
#include "typing/TypingEngine.h"
#include "typing/line_edit.h"
#include "typing/word_scan.h"

namespace {

using cp1252::kInvertedQuestion;
// Width of the text before the marker, in device pixels at every size.
constexpr int kLineWidthLimit = 350;

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || c == cp1252::kSmallNTilde || c == cp1252::kSmallCCedilla;
}

bool isVowel(unsigned char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// Marks followed by an automatic space.
bool isSentencePunctuation(unsigned char c) { return c == '.' || c == ',' || c == ':' || c == ';'; }

// A suggestion key of the letters page that shows nothing, and types nothing.
bool isBlankSuggestion(const TypingEngine& keyboard, unsigned char code) {
    return suggestion_key::is(code) && keyboard.layout->getSymbolsPage() == 0 &&
           keyboard.suggestions[suggestion_key::slot(code)].empty();
}

// The key ends the word right before the marker: a suggestion that types
// one, or a space or a punctuation mark right after a word. A word ends
// once: a second space or mark after it, or a blank suggestion key, would
// learn it again.
bool endsWordBefore(const TypingEngine& keyboard, unsigned char code, unsigned char typedLast,
                    bool typesNothing, bool deadKeyWaiting) {
    const bool lettersPage = keyboard.layout->getSymbolsPage() == 0;
    if (suggestion_key::is(code)) return lettersPage && !typesNothing;
    // The symbols page spaces no comma: 3,5 is one word.
    const bool ends = code == ' ' || code == '.' || (lettersPage && isSentencePunctuation(code));
    return ends && !deadKeyWaiting && typedLast != 0 && typedLast != ' ' &&
           !isSentencePunctuation(typedLast);
}

// The keys whose keystrokes take back a space typed just before them.
bool takesSpaceBack(unsigned char c) { return isSentencePunctuation(c) || c == '-' || c == '\''; }

// The echo no longer knows the target's line around the caret: a key moved
// the caret somewhere it cannot follow, or changed text it has not seen.
void loseTrack(TypingEngine& keyboard, LineEdit& line) {
    line.clear();
    keyboard.textBeforeUnknown = true;
    keyboard.textAfterUnknown = true;
    keyboard.selectionActive = false;
}

// Takes out the text the SHIFT-extended arrows selected; false when the
// selection reaches into text the echo does not know.
bool deleteSelection(TypingEngine& keyboard, LineEdit& line) {
    keyboard.selectionActive = false;
    const int anchor = keyboard.selectionAnchor;
    keyboard.selectionAnchor = -1;
    if (anchor < 0 || anchor >= line.size()) return false;
    if (anchor < line.marker) {
        while (line.marker > anchor) line.deleteBefore();
    } else {
        for (int i = line.marker; i < anchor; ++i) line.deleteAfter();
    }
    return true;
}

// A selection is replaced by what the key types; one the echo cannot see
// leaves it not knowing the line.
void replaceSelection(TypingEngine& keyboard, LineEdit& line) {
    if (keyboard.selectionActive && !deleteSelection(keyboard, line)) loseTrack(keyboard, line);
}

// The edit of a control key; records the line before Enter.
void editForControl(TypingEngine& keyboard, unsigned char code, LineEdit& line,
                    std::string& lineBeforeEnter) {
    const bool selection = keyboard.selectionActive;
    const bool extending = keyboard.layout->getShiftLatched() != 0;
    switch (code) {
        case command::kDeleteWord:
        case direct::kBackspace:
        case command::kForwardDelete:
            if (selection) {
                // The latch that extended the selection is spent with it.
                keyboard.layout->setShiftLatched(0);
                replaceSelection(keyboard, line);
            } else if (code == command::kForwardDelete) {
                // At the end of what the echo knows, Delete may join the next line.
                if (line.hasTextAfter()) {
                    line.deleteAfter();
                } else {
                    keyboard.textAfterUnknown = true;
                }
            } else if (code == direct::kBackspace && line.marker > 0) {
                line.deleteBefore();
            } else if (code == direct::kBackspace) {
                // At the line start it joins the line before.
                keyboard.textBeforeUnknown = true;
            } else if (line.marker == 0) {
                // No word before: the selection reaches into the line before,
                // or is empty and Delete takes the character after.
                loseTrack(keyboard, line);
            } else {
                while (line.marker > 0 && line.before() == ' ') line.deleteBefore();
                while (line.marker > 0 && line.before() != ' ') line.deleteBefore();
                // The word may go on in text the echo does not know.
                if (line.marker == 0) keyboard.textBeforeUnknown = true;
            }
            break;
        case direct::kEnter:
            replaceSelection(keyboard, line);
            if (line.marker == line.size() - 1 && line.before() != ' ')
                lineBeforeEnter = (keyboard.textBeforeUnknown ? std::string(1, kUnknownText) : "") +
                                  line.text;
            line.deleteAllBefore();
            // The new line starts here; after the caret it holds what followed it.
            keyboard.textBeforeUnknown = false;
            break;
        case direct::kExportWords:
            keyboard.ChooseDictionaryFile(file_dialog::kExport);
            break;
        case direct::kOpenDictionary:
            keyboard.ChooseDictionaryFile(file_dialog::kOpen);
            break;
        case direct::kLeft:
        case direct::kRight: {
            const bool left = code == direct::kLeft;
            if (selection && !extending) {
                // The selection collapses to its side.
                const int anchor = keyboard.selectionAnchor;
                keyboard.selectionActive = false;
                keyboard.selectionAnchor = -1;
                if (anchor < 0) {
                    loseTrack(keyboard, line);
                } else if (left) {
                    while (line.marker > anchor) line.moveLeft();
                } else {
                    while (line.marker < anchor) line.moveRight();
                }
            } else if (left ? line.marker > 0 : line.hasTextAfter()) {
                if (left) {
                    line.moveLeft();
                } else {
                    line.moveRight();
                }
            } else {
                // Past what the echo knows: another line, or unknown text.
                loseTrack(keyboard, line);
                if (extending) {
                    keyboard.selectionActive = true;
                    keyboard.selectionAnchor = -1;
                }
            }
            break;
        }
        case command::kCopy:
            // The target's text does not change.
            break;
        case command::kCut:
            if (selection) {
                replaceSelection(keyboard, line);
            } else {
                // A selection made in the target itself goes, unseen.
                loseTrack(keyboard, line);
            }
            break;
        case direct::kTab:
        case direct::kUp:
        case direct::kDown:
        case direct::kHome:
        case direct::kEnd:
        case direct::kUndo:
        case command::kPaste:
            loseTrack(keyboard, line);
            if (extending && code != direct::kTab && code != direct::kUndo &&
                code != command::kPaste) {
                keyboard.selectionActive = true;
                keyboard.selectionAnchor = -1;
            }
            break;
        default:  // context menu, Esc, F1-F9: the target's text is unchanged
            break;
    }
}

// The edit of a character key. Returns the code as it counts from here on
// (the inverted question mark that closes a question counts as '?').
unsigned char editForCharacter(TypingEngine& keyboard, unsigned char code, bool shifted,
                               bool deadKeyWaiting, LineEdit& line) {
    // A space after a dead key types the accent alone, which the echo shows already.
    if (deadKeyWaiting && code == ' ') return code;
    KeyboardLayout& layout = *keyboard.layout;
    if (keyboard.selectionActive && !isBlankSuggestion(keyboard, code)) {
        // The latch that extended the selection is spent: the character
        // replacing it was typed without it.
        if (layout.getShiftLatched() != 0 || layout.getShiftConsumed() != 0) {
            shifted = false;
            layout.setShiftLatched(0);
            layout.setShiftConsumed(0);
        }
        replaceSelection(keyboard, line);
    }

    std::string text;
    bool spaceAfterText = false;  // a suggestion or a closing question mark
    bool markedForSpace = false;
    const bool lettersPage = layout.getSymbolsPage() == 0;
    if (code == kInvertedQuestion) {
        if (lettersPage && line.size() > 1 && line.before() != ' ') {
            // After a word the key closes the question. Right after a '¿' it
            // takes back that '¿' and the space in front of it, as the
            // keystrokes did, and the '?' gets its space.
            if (line.before() == kInvertedQuestion) {
                const bool spaceAfterQuestion = line.marker > 1;
                line.deleteBefore();
                if (line.before() == ' ') line.deleteBefore();
                spaceAfterText = markedForSpace = spaceAfterQuestion;
            }
            text = "?";
            code = '?';
        } else {
            text = std::string(1, static_cast<char>(kInvertedQuestion));
        }
    } else if (isLetter(code)) {
        const bool capsLock = layout.getCapsLock() != 0;
        unsigned char letter = ConvertCase(shifted != capsLock ? 1 : 2, code);
        if (deadKeyWaiting && line.marker > 0 && cp1252::isDeadKeyAccent(line.before()) &&
            isVowel(code)) {
            // The target cases the vowel after a dead key as any letter:
            // Shift and Caps Lock cancel out.
            letter = CombineDeadKey(line.before(), letter);
            line.deleteBefore();
        }
        text = std::string(1, static_cast<char>(letter));
        if (shifted) layout.setShiftLatched(0);
    } else if (suggestion_key::is(code) && lettersPage) {
        const std::string suggestion = keyboard.suggestions[suggestion_key::slot(code)];
        if (!suggestion.empty()) {
            bool attached = false;
            text = CompleteWord(line, suggestion, layout, attached);
            markedForSpace = true;
            spaceAfterText = !attached;
        }
    } else {
        text = std::string(1, static_cast<char>(code));
    }

    if ((takesSpaceBack(code) || (code == ' ' && !keyboard.spaceAbsorbed)) && line.marker > 0 &&
        line.before() == ' ') {
        line.deleteBefore();
        keyboard.spaceAbsorbed = true;
    }

    if (!text.empty()) {
        line.insertBefore(text);
        if (markedForSpace) {
            if (spaceAfterText) line.insertBefore(" ");
        } else if (isSentencePunctuation(code) && lettersPage) {
            // The symbols page types numbers such as 3.5: no space there.
            line.insertBefore(" ");
        }
    }
    return code;
}

}  // namespace

void TypingEngine::UpdateComposition(std::uint8_t code, bool shifted, bool control) {
    LineEdit line;
    if (cursorPos >= 0 && cursorPos < static_cast<int>(textLine.size())) {
        line.text = textLine;
        line.marker = cursorPos;
    }
    std::string lineBeforeEnter;
    const unsigned char typedLast = line.marker > 0 ? line.before() : 0;
    bool endsWord = false;
    const bool deadKeyWaiting = deadKeyPending;
    deadKeyPending = false;

    if (control) {
        editForControl(*this, code, line, lineBeforeEnter);
    } else {
        // A blank suggestion key types nothing: an accent still waits.
        const bool typesNothing = isBlankSuggestion(*this, code);
        endsWord = endsWordBefore(*this, code, typedLast, typesNothing, deadKeyWaiting);
        code = editForCharacter(*this, code, shifted, deadKeyWaiting, line);
        // An accent waits for its letter on a dead key of the layout, or held by
        // the keyboard when the layout has none for it.
        platform::Keystrokes& keystrokes = platform().keystrokes;
        const bool accentWaits = cp1252::isDeadKeyAccent(code) &&
                                 (keystrokes.isDeadKey(code) || keystrokes.vkKeyScan(code) < 0);
        deadKeyPending = accentWaits || (typesNothing && deadKeyWaiting);
        while (line.marker > 0 &&
               platform().graphics.defaultFontTextWidth(
                   line.text.substr(0, static_cast<std::size_t>(line.marker))) > kLineWidthLimit) {
            line.text.erase(0, 1);
            --line.marker;
            // The echo keeps only the end of a long line.
            textBeforeUnknown = true;
            if (selectionAnchor >= 0) --selectionAnchor;
        }
    }

    if ((line.size() <= 1 && !textBeforeUnknown) || line.before(2) == '.') {
        sentenceStart = true;
    } else if (line.size() <= 1 || code == ' ' || suggestion_key::is(code)) {
        sentenceStart = false;
    }

    cursorPos = line.marker;
    // The keystrokes have reached the target already: the echo follows them
    // even when the dictionary fails.
    try {
        UpdateSuggestions(code, line.text, lineBeforeEnter, endsWord);
    } catch (...) {
        textLine = line.text;
        throw;
    }
    textLine = line.text;
}
