// The dictionary's words and word pairs, learned, aged, deleted and loaded
// into the suggestion slots, over the keyboard window's connection.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dictionary/SqliteDatabase.h"

// The texts of the six suggestion keys, or of the six sentence starters;
// an empty text is a blank key.
using SuggestionSlots = std::array<std::string, 6>;

// One learning call: LearnPair(first, folded, word) or LearnWord(folded, word).
struct LearnStep {
    bool pair = false;
    std::string first;
    std::string folded;
    std::string word;
};

class DictionaryStore {
public:
    // A count that reaches this halves every count of its table.
    static constexpr int kAgeingLimit = 2147483646;

    explicit DictionaryStore(SqliteDatabase& database) : database_(database) {}

    void CreateWordsTable();
    void CreateSuccessorsTable();
    // Each creates its table when the file has none; true when it did.
    bool CreateWordsTableIfMissing();
    bool CreateSuccessorsTableIfMissing();
    // Adds the indexes the lookups need to each table there is, when missing:
    // to be called every time a dictionary is opened, after its tables are
    // created, so that older files gain them. The statements' results do not
    // change. False when a read-only file lacks them: it is still usable,
    // only slower.
    bool EnsureIndexes();
    // Whether EnsureIndexes has an index to add, and how many rows the
    // tables have at most (their largest row ids, read without a scan).
    bool IndexesMissing();
    std::int64_t RowsAtMost();
    // Whether the SQLite in use ranges over a prefix index only up to the
    // first byte that is not valid UTF-8: its LIKE reads such bytes (n with
    // tilde, c cedilla) in its own way. Older versions range over the raw
    // bytes and would miss matches, so with them EnsureIndexes leaves the
    // prefix indexes out, and drops them from a file that has them.
    static bool PrefixIndexesKeepResults();

    // folded: the accent-free form; word: the stored form.
    void LearnWord(const std::string& folded, const std::string& word);
    // first: the stored form of the earlier word, or "." for a sentence start.
    void LearnPair(const std::string& first, const std::string& nextFolded,
                   const std::string& next);
    // Every accent variant of the word, and every pair whose second word it is.
    void DeleteWord(const std::string& folded);

    // The most frequent successors of "."; the slots keep their texts when
    // there are none.
    void LoadSentenceStarters(SuggestionSlots& suggestions, SuggestionSlots& starters);
    // The same at start-up, which blanks all slots when there are none.
    void LoadSentenceStartersAtStartup(SuggestionSlots& suggestions, SuggestionSlots& starters);
    // The most frequent words; the slots keep their texts when there are none.
    void LoadFrequentWords(SuggestionSlots& suggestions);

private:
    // Writes the first six rows to suggestions (and starters when given);
    // false, with nothing written, when the count is 0.
    bool FillSlots(const std::string& countSql, const std::string& rowsSql,
                   SuggestionSlots& suggestions, SuggestionSlots* starters);

    SqliteDatabase& database_;
};

// Makes the learning done while it lives one transaction: committed by
// commit(), undone when it ends without (a statement failed). Begun as a
// writer, so that a file another connection is writing is waited for (the
// connection's busy wait) at the start, not refused halfway; nests inside a
// transaction of the caller as a savepoint.
class LearningTransaction {
public:
    explicit LearningTransaction(SqliteDatabase& database);
    ~LearningTransaction();
    LearningTransaction(const LearningTransaction&) = delete;
    LearningTransaction& operator=(const LearningTransaction&) = delete;

    void commit();

private:
    SqliteDatabase& database_;
    bool open_ = true;
    bool nested_ = false;
};
