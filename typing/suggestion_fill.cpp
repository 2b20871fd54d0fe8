#include "typing/suggestion_fill.h"

#include <algorithm>
#include <cstddef>
#include <memory>

#include "dictionary/shown_word.h"
#include "dictionary/statements.h"

namespace {

// One of the keys before `end` shows the word already.
bool shownBefore(const std::string& word, const SuggestionSlots& suggestions, std::size_t end) {
    if (word.empty()) return false;
    for (std::size_t k = 0; k < end; ++k)
        if (suggestions[k] == word) return true;
    return false;
}

// The next row of the first source while it has rows.
std::string nextFirst(FirstSource& first) {
    if (!first.rows || first.rows->atEnd()) return "";
    return NextShownWord(*first.rows);
}

}  // namespace

FirstSource RunFirstSource(SqliteDatabase& database, const std::vector<CountedQuery>& choices,
                           int extraRows) {
    FirstSource first;
    for (const CountedQuery& choice : choices) {
        first.count = database.queryInt(choice.first);
        if (first.count > 0) {
            first.rows = std::make_unique<SqliteQuery>(database.runQuery(
                extraRows > 0 ? statements::WithRowLimit(choice.second, 6 + extraRows)
                              : choice.second));
            break;
        }
    }
    return first;
}

void FillWithSecondList(SqliteDatabase& database, FirstSource& first, const std::string& prefix,
                        SuggestionSlots& suggestions) {
    const long long n = std::max(first.count, 0);
    long long m = 0;
    std::unique_ptr<SqliteQuery> second;
    bool stopped = false;
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
        const long long index = static_cast<long long>(i);
        std::string candidate;
        if (index < n) {
            candidate = nextFirst(first);
        } else {
            if (index == n) {
                m = database.queryInt(statements::P3(prefix));
                if (m > 0)
                    second =
                        std::make_unique<SqliteQuery>(database.runQuery(statements::P2(prefix)));
            }
            if (!stopped && second && index < n + m && !second->atEnd()) {
                // Rows that a key refilled in this pass shows already are
                // passed over; when the list ends on one, the remaining keys
                // stay blank. The key's own text from before is no duplicate:
                // it may well be the word being typed.
                do {
                    candidate = NextShownWord(*second);
                } while (shownBefore(candidate, suggestions, i) && !second->atEnd());
                if (shownBefore(candidate, suggestions, i)) {
                    candidate.clear();
                    stopped = true;
                }
            }
        }
        suggestions[i] = candidate;
    }
    if (first.rows) first.rows->finalize();
    if (second) second->finalize();
}

void FillPassingOver(SqliteDatabase& database, FirstSource& first, const std::string& prefix,
                     const std::vector<std::string>& passedOver, SuggestionSlots& suggestions) {
    std::size_t filled = 0;
    auto offer = [&](const std::string& word) {
        if (word.empty() || shownBefore(word, suggestions, filled) ||
            std::find(passedOver.begin(), passedOver.end(), word) != passedOver.end())
            return;
        suggestions[filled++] = word;
    };
    while (filled < suggestions.size() && first.rows && !first.rows->atEnd())
        offer(NextShownWord(*first.rows));
    if (filled < suggestions.size() && database.queryInt(statements::P3(prefix)) > 0) {
        const int rows = static_cast<int>(suggestions.size() + passedOver.size() + filled);
        SqliteQuery second =
            database.runQuery(statements::WithRowLimit(statements::P2(prefix), rows));
        while (filled < suggestions.size() && !second.atEnd()) offer(NextShownWord(second));
        second.finalize();
    }
    for (std::size_t i = filled; i < suggestions.size(); ++i) suggestions[i].clear();
    if (first.rows) first.rows->finalize();
}

void FillWithStarters(FirstSource& first, const SuggestionSlots& starters,
                      SuggestionSlots& suggestions) {
    const long long n = std::max(first.count, 0);
    std::size_t nextStarter = 0;
    bool stopped = false;
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
        std::string candidate;
        if (static_cast<long long>(i) < n) {
            candidate = nextFirst(first);
        } else if (!stopped) {
            candidate = starters[nextStarter++];
            // The key's own text from before counts here as well.
            if (shownBefore(candidate, suggestions, i + 1)) {
                candidate.clear();
                stopped = true;
            }
        }
        suggestions[i] = candidate;
    }
    if (first.rows) first.rows->finalize();
}
