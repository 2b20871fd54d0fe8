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

// The word before the current word, which starts at b.
std::string previousWord(const std::string& line, int b) {
    if (static_cast<int>(line.size()) - b <= 1 || b <= 0) return "";
    int p = b;
    while (at(line, p - 1) == ' ') --p;
    int q = p;
    while (q > 0 && !(at(line, q - 1) == ' ' || at(line, q) == '-' || at(line, q - 1) == '.' ||
                      at(line, q) == '\''))
        --q;
    return q < p ? cut(line, q, p - q) : cut(line, 0, p);
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
    words.current = WithoutApostrophes(cut(line, b, e - b));

    if (size - b > 1 && b > 0) {
        int p = b;
        while (at(line, p - 1) == ' ' || at(line, p - 1) == '.') --p;
        int q = p;
        while (q > 0 && !(at(line, q - 1) == ' ' || at(line, q - 1) == '-' ||
                          at(line, q - 1) == '.' || at(line, q - 1) == '\''))
            --q;
        if (q == p) {
            words.previous = ".";
        } else {
            const std::string earlier = cut(line, q, p - q);
            if (q <= 1) words.lineStartWord = earlier;
            words.previous = IsFragment(earlier) ? earlier : AccentFreeForm(earlier);
        }
        return words;
    }

    // The current word cut again at the last space and the last apostrophe.
    words.previous = ".";
    if (line == "_") return words;
    const std::size_t space = line.rfind(' ');
    const std::size_t apostrophe = line.rfind('\'');
    const int s = static_cast<int>(space);
    const int a = static_cast<int>(apostrophe);
    if (space == std::string::npos && apostrophe == std::string::npos) {
        words.current = cut(line, 0, size - 1);
    } else if (space == std::string::npos) {
        words.current = cut(line, a, size - 1);
    } else if (apostrophe == std::string::npos) {
        words.current = cut(line, s, size - 1);
    } else if (s > a) {
        words.previous = cut(line, a + 1, s - 1);
        words.current = cut(line, s + 1, size - 2);
    } else {
        words.previous = cut(line, s + 1, a - 1);
        words.current = cut(line, a + 1, size - 2);
    }
    return words;
}
