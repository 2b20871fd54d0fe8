#include "typing/prediction_plan.h"

#include "dictionary/statements.h"
#include "model/key_codes.h"
#include "typing/text_utils.h"
#include "typing/word_scan.h"

namespace {

void learnWord(PredictionPlan& plan, const std::string& word) {
    if (IsFragment(word)) return;
    plan.learning.push_back({false, "", AccentFreeForm(word), StoredForm(word)});
}

// The pair (first, word); first is pasted as it is.
void learnPair(PredictionPlan& plan, const std::string& first, const std::string& word) {
    if (IsFragment(first) || IsFragment(word)) return;
    plan.learning.push_back({true, first, AccentFreeForm(word), StoredForm(word)});
}

// The stored form of the earlier word of a pair, kept a fragment when it is one.
std::string earlierWord(const std::string& previous) {
    return IsFragment(previous) ? previous : StoredForm(previous);
}

void fillFromStarters(PredictionPlan& plan, const std::string& prefix) {
    plan.firstSource = {{statements::S1(), statements::S2()}};
    plan.fill = FillRule::SecondList;
    plan.prefix = prefix;
}

void fillFromStartersWith(PredictionPlan& plan, const std::string& prefix) {
    plan.firstSource = {{statements::S3(prefix), statements::S4(prefix)}};
    plan.fill = FillRule::SecondList;
    plan.prefix = prefix;
}

// Within a sentence.
void planWord(PredictionPlan& plan, unsigned char code, const std::string& line, int marker) {
    const ScannedWords words = ScanWords(line, marker);
    if (charAt(line, marker - 1) == ' ') {
        // A word has just been finished.
        std::string current = words.current;
        const bool finished = code == ' ' || suggestion_key::is(code);
        if (finished) {
            learnWord(plan, current);
            const bool startsSentence = !current.empty() && words.previous.empty();
            learnPair(plan, startsSentence ? "." : earlierWord(words.previous), current);
        }
        if (IsFragment(current)) {
            plan.fill = FillRule::Blank;
            return;
        }
        if (finished) current = StoredForm(current);
        plan.firstSource = {{statements::N3(current), statements::N4(current)},
                            {statements::P4(), statements::P5()}};
        plan.fill = FillRule::Starters;
        return;
    }
    if (marker == 0) return;
    if (IsFragment(words.current)) {
        plan.fill = FillRule::Blank;
        return;
    }
    const std::string current = AccentFreeForm(words.current);
    if (words.previous.empty() || IsFragment(words.previous)) {
        plan.firstSource = {{statements::P1(current), statements::P2(current)}};
    } else {
        const std::string previous = StoredForm(words.previous);
        plan.firstSource = {{statements::N1(previous, current), statements::N2(previous, current)},
                            {statements::P1(current), statements::P2(current)}};
    }
    plan.fill = FillRule::SecondList;
    plan.prefix = current;
}

// Enter on a line that was not empty: its last word is learned.
void planEnter(PredictionPlan& plan, const std::string& lineBeforeEnter, bool& sentenceStart) {
    if (!lineBeforeEnter.empty()) {
        bool crossedPeriod = false;
        const EnterWords words = CutLineBeforeEnter(lineBeforeEnter, crossedPeriod);
        if (crossedPeriod) sentenceStart = false;
        if (words.lineStartWord) learnPair(plan, ".", *words.lineStartWord);
        if (!words.current.empty()) {
            learnWord(plan, words.current);
            learnPair(plan, words.previous, words.current);
        }
    }
    sentenceStart = true;
    fillFromStartersWith(plan, "");
}

void planSentenceStart(PredictionPlan& plan, unsigned char code, const std::string& line,
                       int marker, bool& sentenceStart) {
    bool crossedPeriod = false;
    const ScannedWords words = ScanSentence(line, marker, crossedPeriod);
    if (crossedPeriod) sentenceStart = false;
    std::string current = words.current;
    bool starters = code == ' ' || code == '.';
    if (!current.empty() && words.previous.empty() && (code == ' ' || code == '.')) {
        learnWord(plan, current);
        learnPair(plan, ".", current);
        current = StoredForm(current);
        starters = true;
    } else if (!words.previous.empty()) {
        learnWord(plan, current);
        learnPair(plan, StoredForm(words.previous), current);
        current = StoredForm(current);
    }
    if (starters) {
        fillFromStarters(plan, current);
    } else {
        fillFromStartersWith(plan, current);
    }
}

}  // namespace

PredictionPlan PlanPrediction(unsigned char code, const std::string& line, int marker,
                              const std::string& lineBeforeEnter, bool& sentenceStart,
                              bool textBeforeUnknown) {
    PredictionPlan plan;
    if (!sentenceStart && textBeforeUnknown) {
        planWord(plan, code, kUnknownText + line, marker + 1);
    } else if (!sentenceStart) {
        planWord(plan, code, line, marker);
    } else if (code == direct::kEnter && lineBeforeEnter != "_") {
        planEnter(plan, lineBeforeEnter, sentenceStart);
    } else {
        planSentenceStart(plan, code, line, marker, sentenceStart);
    }
    return plan;
}
