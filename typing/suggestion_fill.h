// Filling the six suggestion keys from the prediction queries.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/SqliteQuery.h"

// A count statement and the row statement it guards.
using CountedQuery = std::pair<std::string, std::string>;

// The list that fills the keys first: its count and, when the count is
// above 0, its rows (held by pointer: a query's transferring copy is no
// copy that std::optional accepts with every compiler).
struct FirstSource {
    int count = 0;
    std::unique_ptr<SqliteQuery> rows;
};

// Runs the counts in turn; the first above 0 gives the rows, `extraRows`
// more of them than the keys hold. With none the count is that of the last
// statement.
FirstSource RunFirstSource(SqliteDatabase& database, const std::vector<CountedQuery>& choices,
                           int extraRows = 0);

// The first source, then the words that begin with `prefix` that the keys do
// not show yet.
void FillWithSecondList(SqliteDatabase& database, FirstSource& first, const std::string& prefix,
                        SuggestionSlots& suggestions);

// The same, passing over the words in `passedOver` (the first source run
// with as many extra rows): each freed key shows the next candidate.
void FillPassingOver(SqliteDatabase& database, FirstSource& first, const std::string& prefix,
                     const std::vector<std::string>& passedOver, SuggestionSlots& suggestions);

// The first source, then the sentence starters, up to the first that a key
// shows already.
void FillWithStarters(FirstSource& first, const SuggestionSlots& starters,
                      SuggestionSlots& suggestions);
