#include "typing/word_scan.h"


#include "dictionary/shown_word.h"
#include "typing/text_utils.h"

namespace {

unsigned char at(const std::string& s, int i) { return charAt(s, i); }

// Positions as ints; a start past the end gives an empty string and a
// length past the end is cut short.
std::string cut(const std::string& s, int start, int length) {
    if (start < 0 || start >= static_cast<int>(s.size()) || length <= 0) return "";
    return s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

// Where the word before the current word (which starts at b) ends.
int previousWordEnd(const std::string& line, int b) {
    int p = b;
    while (at(line, p - 1) == ' ') --p;
    return p;
}

// Where the word that ends at p starts: at a space or a period before it, or
// at a hyphen or an apostrophe in it, which stays at its front. Never further
// back, so that a previous word is one word and never a run of the line.
int previousWordStart(const std::string& line, int p) {
    int q = p;
    while (q > 0 && !(at(line, q - 1) == ' ' || at(line, q - 1) == '.' ||
                      (q < p && (at(line, q) == '-' || at(line, q) == '\''))))
        --q;
    return q;
}

// The word before the current word, which starts at b; "." when a full stop
// ends the text before it.
std::string previousWord(const std::string& line, int b) {
    if (static_cast<int>(line.size()) - b <= 1 || b <= 0) return "";
    const int p = previousWordEnd(line, b);
    if (at(line, p - 1) == '.') return ".";
    const int q = previousWordStart(line, p);
    return cut(line, q, p - q);
}

// Start of the current word that ends at e; a period stops the scan only
// when asked to.
int wordStart(const std::string& line, int e, bool periodEnds) {
    int b = e;
    while (b > 0 && !(at(line, b - 1) == ' ' || at(line, b) == '-' || at(line, b) == '\'' ||
                      (periodEnds && at(line, b - 1) == '.')))
        --b;
    return b;
}

// Passes back over the spaces and periods before `e`.
int skipSpacesAndPeriods(const std::string& line, int e, bool& crossedPeriod) {
    crossedPeriod = false;
    while (at(line, e - 1) == ' ' || at(line, e - 1) == '.') {
        if (at(line, e - 1) == '.') crossedPeriod = true;
        --e;
    }
    return e;
}

}  // namespace

ScannedWords ScanWords(const std::string& line, int marker) {
    int e = marker;
    while (at(line, e - 1) == ' ') --e;
    const int b = wordStart(line, e, true);
    return {WithoutApostrophes(cut(line, b, e - b)), WithoutApostrophes(previousWord(line, b))};
}

ScannedWords ScanSentence(const std::string& line, int marker, bool& crossedPeriod) {
    const int e = skipSpacesAndPeriods(line, marker, crossedPeriod);
    const int b = wordStart(line, e, false);
    return {WithoutApostrophes(cut(line, b, e - b)), WithoutApostrophes(previousWord(line, b))};
}

EnterWords CutLineBeforeEnter(const std::string& line, bool& crossedPeriod) {
    const int size = static_cast<int>(line.size());
    const int e = skipSpacesAndPeriods(line, size - 1, crossedPeriod);
    const int b = wordStart(line, e, false);
    EnterWords words;
    words.learnedAlready = e < size - 1;
    words.current = WithoutApostrophes(cut(line, b, e - b));
    words.previous = WithoutApostrophes(previousWord(line, b));
    if (words.previous.empty()) {
        words.previous = ".";
    } else if (words.previous != ".") {
        // A space after the line's first word learned it as a starter already.
        const int p = previousWordEnd(line, b);
        if (previousWordStart(line, p) <= 1 && at(line, p) != ' ')
            words.lineStartWord = words.previous;
    }
    return words;
}
