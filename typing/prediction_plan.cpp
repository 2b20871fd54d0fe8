#include "typing/prediction_plan.h"

#include "dictionary/shown_word.h"
#include "dictionary/statements.h"
#include "model/key_codes.h"
#include "typing/text_utils.h"
#include "typing/word_scan.h"

namespace {

// Longer first words of pairs were runs of a line that the scans once
// joined; hardly a real word is.
constexpr std::size_t kLongestFirstWord = 20;

// The word as the dictionary learns it: without the hyphen that joined it to
// the word before. Empty when it is no word to learn: a fragment, a dash
// alone, a dead key's accent typed alone or inside it, or a control byte.
std::string learnedWord(const std::string& word) {
    if (IsFragment(word) || HoldsControlByte(word)) return "";
    for (const char c : word)
        if (cp1252::isDeadKeyAccent(static_cast<unsigned char>(c))) return "";
    const std::size_t start = word.find_first_not_of('-');
    return start == std::string::npos ? "" : word.substr(start);
}

// The stored form of the earlier word of a pair, or of the word whose
// successors are asked for; "." stays.
std::string earlierWord(const std::string& word) {
    return word == "." ? word : StoredForm(learnedWord(word));
}

void learnWord(PredictionPlan& plan, const std::string& word) {
    const std::string learned = learnedWord(word);
    const std::string stored = StoredForm(learned);
    if (stored.empty()) return;
    plan.learning.push_back({false, "", AccentFreeForm(learned), stored});
}

// The pair (first, word); an empty first word starts a sentence.
void learnPair(PredictionPlan& plan, const std::string& first, const std::string& word) {
    const std::string learned = learnedWord(word);
    const std::string stored = StoredForm(learned);
    const std::string earlier = first.empty() ? "." : earlierWord(first);
    if (stored.empty() || earlier.empty() || earlier.size() > kLongestFirstWord) return;
    plan.learning.push_back({true, earlier, AccentFreeForm(learned), stored});
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
void planWord(PredictionPlan& plan, unsigned char code, const std::string& line, int marker,
              bool endsWord) {
    const ScannedWords words = ScanWords(line, marker);
    if (charAt(line, marker - 1) == ' ') {
        // A word has just been finished, or the marker is after a space.
        std::string current = words.current;
        if (endsWord) {
            learnWord(plan, current);
            learnPair(plan, words.previous, current);
        }
        if (IsFragment(current)) {
            plan.fill = FillRule::Blank;
            return;
        }
        if (code == ' ' || suggestion_key::is(code)) current = earlierWord(current);
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
    const std::string previous = earlierWord(words.previous);
    if (previous.empty()) {
        plan.firstSource = {{statements::P1(current), statements::P2(current)}};
    } else {
        plan.firstSource = {{statements::N1(previous, current), statements::N2(previous, current)},
                            {statements::P1(current), statements::P2(current)}};
    }
    plan.fill = FillRule::SecondList;
    plan.prefix = current;
}

// Enter on a line that was not empty: its last word is learned, unless a
// space or a full stop after it has learned it.
void planEnter(PredictionPlan& plan, const std::string& lineBeforeEnter, bool& sentenceStart) {
    if (!lineBeforeEnter.empty()) {
        bool crossedPeriod = false;
        const EnterWords words = CutLineBeforeEnter(lineBeforeEnter, crossedPeriod);
        if (crossedPeriod) sentenceStart = false;
        if (words.lineStartWord) learnPair(plan, ".", *words.lineStartWord);
        // Once a word, however it ended: Enter learns only one it ends itself.
        if (!words.learnedAlready) {
            learnWord(plan, words.current);
            learnPair(plan, words.previous, words.current);
        }
    }
    sentenceStart = true;
    fillFromStartersWith(plan, "");
}

// The searches take the accent-free form, as every search does: the opening
// mark of a question or an exclamation is no part of the word.
void planSentenceStart(PredictionPlan& plan, unsigned char code, const std::string& line,
                       int marker, bool& sentenceStart, bool endsWord) {
    bool crossedPeriod = false;
    const ScannedWords words = ScanSentence(line, marker, crossedPeriod);
    if (crossedPeriod) sentenceStart = false;
    if (endsWord) {
        learnWord(plan, words.current);
        learnPair(plan, words.previous, words.current);
    }
    const std::string current = AccentFreeForm(words.current);
    if (code == ' ' || code == '.') {
        fillFromStarters(plan, current);
    } else {
        fillFromStartersWith(plan, current);
    }
}

}  // namespace

PredictionPlan PlanPrediction(unsigned char code, const std::string& line, int marker,
                              const std::string& lineBeforeEnter, bool& sentenceStart,
                              bool endsWord, bool textBeforeUnknown) {
    PredictionPlan plan;
    if (!sentenceStart && textBeforeUnknown) {
        planWord(plan, code, kUnknownText + line, marker + 1, endsWord);
    } else if (!sentenceStart) {
        planWord(plan, code, line, marker, endsWord);
    } else if (code == direct::kEnter && lineBeforeEnter != "_") {
        planEnter(plan, lineBeforeEnter, sentenceStart);
    } else {
        planSentenceStart(plan, code, line, marker, sentenceStart, endsWord);
    }
    return plan;
}
