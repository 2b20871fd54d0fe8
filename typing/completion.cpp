#include "typing/completion.h"

#include "dictionary/shown_word.h"
#include "typing/line_edit.h"
#include "typing/text_utils.h"

namespace {

bool isUpper(unsigned char c) { return ConvertCase(2, c) != c; }

bool isSeparator(unsigned char c) { return c == '-' || c == '\''; }

// A capital stays; any other letter takes the case of Caps Lock. The first
// character typed with the one-shot SHIFT flips against Caps Lock; a
// partial word that began with a capital gives the completion its capital.
// A control byte is never typed: it would reach the application as a command.
std::string casedText(const std::string& suggestion, bool capsLock, bool firstShifted,
                      bool capitalise) {
    std::string cased;
    cased.reserve(suggestion.size());
    for (std::size_t i = 0; i < suggestion.size(); ++i) {
        const auto c = static_cast<unsigned char>(suggestion[i]);
        if (IsControlByte(c)) continue;
        unsigned char typed = c;
        if (i == 0 && firstShifted) {
            typed = ConvertCase(capsLock ? 2 : 1, c);
        } else if (i == 0 && capitalise && !capsLock) {
            typed = ConvertCase(1, c);
        } else if (!isUpper(c)) {
            typed = ConvertCase(capsLock ? 1 : 2, c);
        }
        cased += static_cast<char>(typed);
    }
    return cased;
}

}  // namespace

CompletionPlan PlanCompletion(const std::string& line, int marker, const std::string& suggestion,
                              bool capsLock, bool firstShifted) {
    CompletionPlan plan;
    const unsigned char before = charAt(line, marker - 1);

    // The rest of the word after the marker goes too.
    int end = marker + 1;
    while (end < static_cast<int>(line.size()) && line[static_cast<std::size_t>(end)] != ' ') ++end;
    plan.removeTo = end;
    plan.attached = before != ' ' && !isSeparator(before) && !IsOpeningMark(before) &&
                    end < static_cast<int>(line.size());

    int from = marker > 0 ? static_cast<int>(PartialWordStart(line, static_cast<std::size_t>(marker)))
                          : 0;
    // A suggestion that brings its own hyphen or apostrophe joins the word
    // before it: the space in front goes when nothing else is taken back.
    if (!suggestion.empty() && isSeparator(static_cast<unsigned char>(suggestion[0])) &&
        from == marker && from > 0 && charAt(line, from - 1) == ' ')
        --from;
    plan.removeFrom = from;

    const bool capitalise = from < marker && isUpper(charAt(line, from));
    plan.text = casedText(suggestion, capsLock, firstShifted, capitalise);
    return plan;
}

std::string CompleteWord(LineEdit& line, const std::string& suggestion, KeyboardLayout& layout,
                         bool& attached) {
    // The completion's keystrokes spent the one-shot SHIFT on its first
    // character when they found it latched, and said so.
    const bool firstShifted = layout.getShiftConsumed() != 0;
    const CompletionPlan plan = PlanCompletion(line.text, line.marker, suggestion,
                                               layout.getCapsLock() != 0, firstShifted);
    if (firstShifted) layout.setShiftConsumed(0);
    line.text.erase(static_cast<std::size_t>(line.marker + 1),
                    static_cast<std::size_t>(plan.removeTo - line.marker - 1));
    while (line.marker > plan.removeFrom) line.deleteBefore();
    attached = plan.attached;
    return plan.text;
}
