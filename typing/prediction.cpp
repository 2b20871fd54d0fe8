// Prediction and learning after each key: the words just finished are
// learned, and the six suggestion keys are refilled.
#include <algorithm>

#include "dictionary/DictionaryStore.h"
#include "typing/TypingEngine.h"
#include "typing/prediction_plan.h"
#include "typing/suggestion_fill.h"

void TypingEngine::notePassedOver(const std::string& prefix) {
    if (!noRepeatedSuggestions || prefix.empty()) {
        passedOver_.clear();
        filledFor_.clear();
        return;
    }
    // A letter more of the same word: what the keys showed was passed over.
    if (prefix.size() > filledFor_.size() &&
        prefix.compare(0, filledFor_.size(), filledFor_) == 0) {
        for (const std::string& shown : suggestions)
            if (!shown.empty() &&
                std::find(passedOver_.begin(), passedOver_.end(), shown) == passedOver_.end())
                passedOver_.push_back(shown);
    }
    filledFor_ = prefix;
}

void TypingEngine::UpdateSuggestions(std::uint8_t code, const std::string& line,
                                     const std::string& lineBeforeEnter, bool endsWord) {
    const PredictionPlan plan = PlanPrediction(code, line, cursorPos, lineBeforeEnter,
                                               sentenceStart, endsWord, textBeforeUnknown);
    if (plan.fill == FillRule::None) return;
    notePassedOver(plan.fill == FillRule::SecondList ? plan.prefix : std::string());
    // Blank before learning, so that a learning failure leaves no stale word
    // to complete a fragment with.
    if (plan.fill == FillRule::Blank) suggestions.fill("");
    if (!dictionaryAvailable() || platform_.windows.focusIsPassword()) {
        // Nothing to learn into and nothing to offer; and nothing typed into
        // a password field is learned or completed.
        suggestions.fill("");
        return;
    }
    // A word and its pair are learned together or not at all; a failure
    // to learn is told, and the keys are refilled all the same.
    if (!learningPaused) Learn(plan.learning);
    if (plan.fill == FillRule::Blank || !fillsSuggestions) return;
    const int extraRows = static_cast<int>(passedOver_.size());
    FirstSource first = RunFirstSource(database, plan.firstSource, extraRows);
    if (plan.fill == FillRule::Starters) {
        FillWithStarters(first, sentenceStarters, suggestions);
    } else if (!passedOver_.empty()) {
        FillPassingOver(database, first, plan.prefix, passedOver_, suggestions);
    } else {
        FillWithSecondList(database, first, plan.prefix, suggestions);
    }
}
