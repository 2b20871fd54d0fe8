// Prediction and learning after each key: the words just finished are
// learned, and the six suggestion keys are refilled.
#include "dictionary/DictionaryStore.h"
#include "typing/prediction_plan.h"
#include "typing/TypingEngine.h"
#include "typing/suggestion_fill.h"

void TypingEngine::UpdateSuggestions(std::uint8_t code, const std::string& line,
                                     const std::string& lineBeforeEnter, bool endsWord) {
    const PredictionPlan plan = PlanPrediction(code, line, cursorPos, lineBeforeEnter,
                                               sentenceStart, endsWord, textBeforeUnknown);
    if (plan.fill == FillRule::None) return;
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
    if (plan.fill == FillRule::Blank) return;
    FirstSource first = RunFirstSource(database, plan.firstSource);
    if (plan.fill == FillRule::Starters) {
        FillWithStarters(first, sentenceStarters, suggestions);
    } else {
        FillWithSecondList(database, first, plan.prefix, suggestions);
    }
}
