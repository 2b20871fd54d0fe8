// The echo of the typed text: every activated key edits it the way its
// keystrokes edited the target, then the prediction step refills the
// suggestion keys and the edited line is committed.
#include <string>

#include "model/key_codes.h"
#include "typing/TypingEngine.h"
#include "typing/line_edit.h"

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

// The keys whose keystrokes take back a space typed just before them.
bool takesSpaceBack(unsigned char c) { return isSentencePunctuation(c) || c == '-' || c == '\''; }

void resetLine(TypingEngine& keyboard, LineEdit& line) {
    line.clear();
    keyboard.layout->setShiftLatched(0);
    keyboard.selectionActive = false;
}

// The edit of a control key; records the line before Enter.
void editForControl(TypingEngine& keyboard, unsigned char code, LineEdit& line,
                    std::string& lineBeforeEnter) {
    switch (code) {
        case command::kDeleteWord:
            if (keyboard.selectionActive) {
                resetLine(keyboard, line);
                break;
            }
            while (line.marker > 0 && line.before() == ' ') line.deleteBefore();
            while (line.marker > 0 && line.before() != ' ') line.deleteBefore();
            break;
        case direct::kBackspace:
            if (keyboard.selectionActive) {
                resetLine(keyboard, line);
            } else if (line.marker > 0) {
                line.deleteBefore();
            }
            break;
        case direct::kTab:
        case direct::kUp:
        case direct::kDown:
            line.deleteAllBefore();
            break;
        case command::kCopy:
            line.clear();
            break;
        case direct::kEnter:
            if (line.marker == line.size() - 1 && line.before() != ' ') lineBeforeEnter = line.text;
            line.deleteAllBefore();
            break;
        case direct::kUndo:
        case direct::kHome:
        case direct::kEnd:
            if (!keyboard.selectionActive) line.clear();
            break;
        case direct::kExportWords:
            keyboard.ChooseDictionaryFile(file_dialog::kExport);
            break;
        case direct::kOpenDictionary:
            keyboard.ChooseDictionaryFile(file_dialog::kOpen);
            break;
        case direct::kLeft:
            line.moveLeft();
            break;
        case direct::kRight:
            line.moveRight();
            break;
        case command::kForwardDelete:
            if (keyboard.selectionActive) {
                resetLine(keyboard, line);
            } else {
                line.deleteAfter();
            }
            break;
        default:  // context menu, Esc, F1-F9: the target's text is unchanged
            break;
    }
}

// A pending selection in the target is replaced by the typed character.
// Returns the shifted flag the character is then typed with.
bool endSelection(TypingEngine& keyboard, unsigned char code, bool shifted, LineEdit& line) {
    if (!keyboard.selectionActive) return shifted;
    KeyboardLayout& layout = *keyboard.layout;
    const bool shiftSet = layout.getShiftLatched() != 0 || layout.getShiftConsumed() != 0;
    if (line.hasTextAfter()) {
        line.deleteAllAfter();
    } else if (!isLetter(code)) {
        return shifted;
    } else if (shiftSet) {
        shifted = false;
    }
    if (shiftSet) {
        layout.setShiftLatched(0);
        layout.setShiftConsumed(0);
    }
    keyboard.selectionActive = false;
    return shifted;
}

// The edit of a character key. Returns the code as it counts from here on
// (the inverted question mark that closes a question counts as '?').
unsigned char editForCharacter(TypingEngine& keyboard, unsigned char code, bool shifted,
                               LineEdit& line) {
    KeyboardLayout& layout = *keyboard.layout;
    shifted = endSelection(keyboard, code, shifted, line);

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
        if (line.marker > 0 && cp1252::isDeadKeyAccent(line.before()) && isVowel(code)) {
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

    if (control) {
        editForControl(*this, code, line, lineBeforeEnter);
    } else {
        code = editForCharacter(*this, code, shifted, line);
        while (line.marker > 0 &&
               platform().graphics.defaultFontTextWidth(
                   line.text.substr(0, static_cast<std::size_t>(line.marker))) > kLineWidthLimit) {
            line.text.erase(0, 1);
            --line.marker;
        }
    }

    if (line.size() <= 1 || line.before(2) == '.') {
        sentenceStart = true;
    } else if (code == ' ' || suggestion_key::is(code)) {
        sentenceStart = false;
    }

    cursorPos = line.marker;
    // The keystrokes have reached the target already: the echo follows them
    // even when the dictionary fails.
    try {
        UpdateSuggestions(code, line.text, lineBeforeEnter);
    } catch (...) {
        textLine = line.text;
        throw;
    }
    textLine = line.text;
}
