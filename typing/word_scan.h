// The words around the cursor marker as the prediction step cuts them from
// the text line, and the two dictionary forms of a word.
#pragma once

#include <optional>
#include <string>

#include "typing/text_utils.h"

// Put before a line whose start the echo does not know, it joins the line's
// first word, which is thereby known to be a fragment: never learned, paired
// or completed.
inline constexpr char kUnknownText = '\x01';
inline bool IsFragment(const std::string& word) {
    return word.find(kUnknownText) != std::string::npos;
}

struct ScannedWords {
    std::string current;   // the word that ends at, or just before, the marker
    std::string previous;  // the word before it; empty when there is none
};

// Between words: a period before a character ends the current word, a hyphen
// or an apostrophe stays at its front. The previous word is one word, "."
// after a full stop. Apostrophes come back as '!'.
ScannedWords ScanWords(const std::string& line, int marker);

// At a sentence start: spaces and periods right before the marker are passed
// over (crossedPeriod tells whether a period was) and a period does not end
// the current word. Apostrophes come back as '!'.
ScannedWords ScanSentence(const std::string& line, int marker, bool& crossedPeriod);

// The words of the line as it was when Enter was pressed (marker last).
struct EnterWords {
    std::string current;   // empty: nothing to learn
    std::string previous;  // the earlier word of the pair, "." at a sentence start
    // The line's first word as the earlier word, when nothing has learned it
    // as a sentence starter yet (no space followed it).
    std::optional<std::string> lineStartWord;
    // A space or a full stop after the last word learned it, with its pair,
    // already.
    bool learnedAlready = false;
};

// `line` is not empty.
EnterWords CutLineBeforeEnter(const std::string& line, bool& crossedPeriod);
