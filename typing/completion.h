// How a chosen suggestion completes the word at the marker. The keystrokes
// and the echo both follow this one plan, so that the target and the echo
// cannot part.
#pragma once

#include <string>

struct CompletionPlan {
    // The bytes of the line from removeFrom up to the marker are taken back,
    // and those after the marker up to removeTo (the rest of the word).
    int removeFrom = 0;
    int removeTo = 0;
    // The suggestion as it is typed, in the case the page flags give it.
    std::string text;
    // Text goes on after the completed word: no space is typed after it.
    bool attached = false;
};

// `line` holds the cursor marker at `marker`. `capsLock`: Caps Lock is on;
// `firstShifted`: the one-shot SHIFT types the first character.
CompletionPlan PlanCompletion(const std::string& line, int marker, const std::string& suggestion,
                              bool capsLock, bool firstShifted);
