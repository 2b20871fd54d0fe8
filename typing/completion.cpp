// Completion of a word in the echo from a chosen suggestion.
#include <string>

#include "model/key_codes.h"
#include "typing/line_edit.h"

namespace {

using cp1252::kInvertedQuestion;

bool isCapital(unsigned char c) { return c >= 'A' && c <= 'Z'; }

// The C locale's toupper: only a-z change.
unsigned char raisePlain(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 0x20) : c;
}

// Deletes the character before the marker; true when it was a capital A-Z
// that began a word: a space, an opening question mark or the line start in
// front of it, where the removal of the partial word stops.
bool deleteNotingCapital(LineEdit& line) {
    const unsigned char front = line.before(2);
    const bool capitalFirst =
        isCapital(line.before()) && (line.marker < 2 || front == ' ' || front == kInvertedQuestion);
    line.deleteBefore();
    return capitalFirst;
}

void clearShiftConsumed(bool& shiftConsumed, KeyboardLayout& layout) {
    shiftConsumed = false;
    layout.setShiftConsumed(0);
}

}  // namespace

std::string CompleteWord(LineEdit& line, const std::string& suggestion, KeyboardLayout& layout,
                         bool& attached) {
    const unsigned char last = line.before();
    attached = last != ' ' && last != '-' && last != '\'' && last != kInvertedQuestion &&
               line.hasTextAfter() && line.size() > 2;

    // The partial word goes; a suggestion that begins with a hyphen or an
    // apostrophe also replaces the separator in front of the partial word.
    bool capitalise = false;
    const unsigned char first = charAt(suggestion, 0);
    if (first == '-' || first == '\'') {
        while (line.marker > 0 && line.before() != ' ' && line.before() != '-' &&
               line.before() != '\'')
            capitalise |= deleteNotingCapital(line);
        if (line.marker > 0) capitalise |= deleteNotingCapital(line);
    } else {
        while (line.marker > 0 && line.before() != ' ' && line.before() != kInvertedQuestion)
            capitalise |= deleteNotingCapital(line);
    }

    // Caps Lock gives capitals; the one-shot Shift spent on the first letter
    // flips that letter against Caps Lock; a removed word that began with a
    // capital keeps its capital.
    const bool capsLock = layout.getCapsLock() != 0;
    bool shiftConsumed = layout.getShiftConsumed() != 0;
    std::string cased;
    cased.reserve(suggestion.size());
    for (const char byte : suggestion) {
        unsigned char c = static_cast<unsigned char>(byte);
        if (capitalise) {
            c = raisePlain(c);
            capitalise = false;
            // The target typed this letter with the spent Shift: it is
            // not carried over to the second letter.
            if (shiftConsumed) clearShiftConsumed(shiftConsumed, layout);
        } else if (shiftConsumed && !capsLock) {
            c = ConvertCase(1, c);
            clearShiftConsumed(shiftConsumed, layout);
        } else if (isCapital(c)) {
            if (shiftConsumed) clearShiftConsumed(shiftConsumed, layout);
        } else if (shiftConsumed) {
            c = ConvertCase(2, c);
            clearShiftConsumed(shiftConsumed, layout);
        } else {
            c = ConvertCase(capsLock ? 1 : 2, c);
        }
        cased += static_cast<char>(c);
    }
    return cased;
}
