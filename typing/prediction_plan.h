// What one prediction step does, worked out from the text line alone: the
// words and pairs to learn, the lists that refill the suggestion keys, and
// the sentence-start flag as the scans leave it.
#pragma once

#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "typing/suggestion_fill.h"

enum class FillRule {
    None,        // the keys keep their texts
    Blank,       // all keys blank: the word may go on in text the echo does not know
    SecondList,  // first source, then words beginning with `prefix`
    Starters,    // first source, then the sentence starters
};

struct PredictionPlan {
    std::vector<LearnStep> learning;
    // Candidates for the first source, in order.
    std::vector<CountedQuery> firstSource;
    FillRule fill = FillRule::None;
    std::string prefix;
};

// code as composition passes it (a closing question mark counts as '?');
// line with its marker at `marker`; lineBeforeEnter empty unless Enter
// recorded it; endsWord: the key ended the word before the marker (only
// then is it learned); textBeforeUnknown: the target may hold text before
// the line, so a word at the line's start may be the end of a longer one and
// is neither learned, paired nor completed. Updates sentenceStart.
PredictionPlan PlanPrediction(unsigned char code, const std::string& line, int marker,
                              const std::string& lineBeforeEnter, bool& sentenceStart,
                              bool endsWord, bool textBeforeUnknown = false);
