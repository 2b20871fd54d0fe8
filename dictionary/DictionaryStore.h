// The dictionary's words and word pairs, learned, aged, deleted and loaded
// into the suggestion slots, over the keyboard window's connection.
#pragma once

#include <array>
#include <string>

#include "dictionary/SqliteDatabase.h"

// The texts of the six suggestion keys, or of the six sentence starters;
// an empty text is a blank key.
using SuggestionSlots = std::array<std::string, 6>;

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
