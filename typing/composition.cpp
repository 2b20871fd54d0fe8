// The echo of the typed text: every activated key edits it the way its
// keystrokes edited the target, then the prediction step refills the
// suggestion keys and the edited line is committed.
#include <string>

#include "typing/line_edit.h"
#include "window/pelvokDlg.h"

namespace {

constexpr unsigned char kInvertedQuestion = 0xBF;
constexpr unsigned char kSmallNTilde = 0xF1;
constexpr unsigned char kSmallCCedilla = 0xE7;
// Width of the text before the marker, in device pixels at every size.
constexpr int kLineWidthLimit = 350;

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || c == kSmallNTilde || c == kSmallCCedilla;
}

bool isVowel(unsigned char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

bool isDeadKeyAccent(unsigned char c) { return c == 0xB4 || c == 0x5E || c == 0x60 || c == 0xA8; }

bool isSuggestionCode(unsigned char c) { return c >= '1' && c <= '6'; }

// Marks followed by an automatic space.
bool isSentencePunctuation(unsigned char c) { return c == '.' || c == ',' || c == ':' || c == ';'; }

// The keys whose keystrokes take back a space typed just before them.
bool takesSpaceBack(unsigned char c) { return isSentencePunctuation(c) || c == '-' || c == '\''; }

// Control codes.
enum : unsigned char {
    kDeleteWord = 7,
    kBackspace = 8,
    kTab = 9,
    kExportWords = 10,
    kCopy = 11,
    kEnter = 13,
    kUndo = 19,
    kDictionaryFolder = 30,
    kHome = 31,
    kEnd = 32,
    kLeft = 37,
    kUp = 38,
    kRight = 39,
    kDown = 40,
    kDelete = 46,
};

void resetLine(CPelvokDlg& keyboard, LineEdit& line) {
    line.clear();
    keyboard.layout->setShiftLatched(0);
    keyboard.selectionActive = false;
}

// The edit of a control key; records the line before Enter.
void editForControl(CPelvokDlg& keyboard, unsigned char code, LineEdit& line,
                    std::string& lineBeforeEnter) {
    switch (code) {
        case kDeleteWord:
            if (keyboard.selectionActive) {
                resetLine(keyboard, line);
                break;
            }
            while (line.marker > 0 && line.before() == ' ') line.deleteBefore();
            while (line.marker > 0 && line.before() != ' ') line.deleteBefore();
            break;
        case kBackspace:
            if (keyboard.selectionActive) {
                resetLine(keyboard, line);
            } else if (line.marker > 0) {
                line.deleteBefore();
            }
            break;
        case kTab:
        case kUp:
        case kDown:
            line.deleteAllBefore();
            break;
        case kCopy:
            line.clear();
            break;
        case kEnter:
            if (line.marker == line.size() - 1 && line.before() != ' ') lineBeforeEnter = line.text;
            line.deleteAllBefore();
            break;
        case kUndo:
        case kHome:
        case kEnd:
            if (!keyboard.selectionActive) line.clear();
            break;
        case kExportWords:
            keyboard.ChooseDictionaryFile(2);
            break;
        case kDictionaryFolder:
            keyboard.ChooseDictionaryFile(1);
            break;
        case kLeft:
            line.moveLeft();
            break;
        case kRight:
            line.moveRight();
            break;
        case kDelete:
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
bool endSelection(CPelvokDlg& keyboard, unsigned char code, bool shifted, LineEdit& line) {
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
unsigned char editForCharacter(CPelvokDlg& keyboard, unsigned char code, bool shifted,
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
        if (line.marker > 0 && isDeadKeyAccent(line.before()) && isVowel(code)) {
            // The target cases the vowel after a dead key as any letter:
            // Shift and Caps Lock cancel out.
            letter = CombineDeadKey(line.before(), letter);
            line.deleteBefore();
        }
        text = std::string(1, static_cast<char>(letter));
        if (shifted) layout.setShiftLatched(0);
    } else if (isSuggestionCode(code) && lettersPage) {
        const std::string suggestion = keyboard.suggestions[code - '1'];
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

void CPelvokDlg::UpdateComposition(std::uint8_t code, bool shifted, bool control) {
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
    } else if (code == ' ' || isSuggestionCode(code)) {
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
