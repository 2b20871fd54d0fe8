#include "dictionary/DictionaryStore.h"

#include <sqlite3.h>

#include "dictionary/SqliteException.h"
#include "dictionary/shown_word.h"
#include "dictionary/statements.h"

void DictionaryStore::CreateWordsTable() {
    database_.executeUpdate(statements::CreateWordsTable());
}

void DictionaryStore::CreateSuccessorsTable() {
    database_.executeUpdate(statements::CreateSuccessorsTable());
}

bool DictionaryStore::CreateWordsTableIfMissing() {
    if (database_.hasTable("palabras")) return false;
    CreateWordsTable();
    return true;
}

bool DictionaryStore::CreateSuccessorsTableIfMissing() {
    if (database_.hasTable("siguientes")) return false;
    CreateSuccessorsTable();
    return true;
}

bool DictionaryStore::PrefixIndexesKeepResults() {
    // Asked once: a word with a capital N with tilde, which LIKE matches
    // with a prefix ending in a small one when it reads both as invalid
    // UTF-8; the index must find it too.
    static const bool keep = [] {
        SqliteDatabase probe;
        probe.open(":memory:");
        probe.executeUpdate(
            "CREATE TABLE t(c char(40)); CREATE INDEX i ON t(c COLLATE NOCASE);"
            "INSERT INTO t VALUES('a\xD1o');");
        const std::string like = "SELECT count(c) FROM t WHERE c LIKE 'a\xF1_%';";
        return probe.queryInt(like) == 1;
    }();
    return keep;
}

bool DictionaryStore::EnsureIndexes() {
    const bool withPrefixes = PrefixIndexesKeepResults();
    try {
        if (database_.hasTable("palabras"))
            database_.executeUpdate(withPrefixes ? statements::CreateWordsIndexes()
                                                 : statements::CreateWordsLookupIndexes());
        if (database_.hasTable("siguientes"))
            database_.executeUpdate(withPrefixes ? statements::CreateSuccessorsIndexes()
                                                 : statements::CreateSuccessorsLookupIndexes());
        return true;
    } catch (const SqliteException& failure) {
        if (failure.code() != SQLITE_READONLY) throw;
        return false;
    }
}

bool DictionaryStore::IndexesMissing() {
    const bool withPrefixes = PrefixIndexesKeepResults();
    int expected = 0;
    std::string names;
    for (const char* table : {"palabras", "siguientes"}) {
        if (!database_.hasTable(table)) continue;
        for (const std::string& name : statements::IndexNames(table, withPrefixes)) {
            names += (names.empty() ? "'" : ",'") + name + "'";
            ++expected;
        }
    }
    if (expected == 0) return false;
    return database_.queryInt("SELECT count(*) FROM sqlite_master WHERE type='index' AND name IN (" +
                              names + ");") < expected;
}

std::int64_t DictionaryStore::RowsAtMost() {
    std::int64_t rows = 0;
    for (const char* table : {"palabras", "siguientes"})
        if (database_.hasTable(table))
            rows += database_.queryInt(std::string("SELECT coalesce(max(rowid), 0) FROM ") +
                                       table + ";");
    return rows;
}

void DictionaryStore::LearnWord(const std::string& folded, const std::string& word) {
    if (database_.queryInt(statements::CountWord(folded, word)) <= 0) {
        database_.executeUpdate(statements::InsertWord(folded, word));
        return;
    }
    database_.executeUpdate(statements::IncrementWord(folded, word));
    if (database_.queryInt(statements::MaxWordCount(folded, word)) >= kAgeingLimit)
        database_.executeUpdate(statements::AgeWords());
}

void DictionaryStore::LearnPair(const std::string& first, const std::string& nextFolded,
                                const std::string& next) {
    if (database_.queryInt(statements::CountPair(first, nextFolded, next)) <= 0) {
        database_.executeUpdate(statements::InsertPair(first, nextFolded, next));
        return;
    }
    database_.executeUpdate(statements::IncrementPair(first, nextFolded, next));
    if (database_.queryInt(statements::MaxPairCount(first, nextFolded, next)) >= kAgeingLimit)
        database_.executeUpdate(statements::AgePairs());
}

void DictionaryStore::DeleteWord(const std::string& folded) {
    database_.executeUpdate(statements::DeleteWord(folded));
    database_.executeUpdate(statements::DeleteSuccessors(folded));
}

void DictionaryStore::LoadSentenceStarters(SuggestionSlots& suggestions,
                                           SuggestionSlots& starters) {
    FillSlots(statements::S1(), statements::S2(), suggestions, &starters);
}

void DictionaryStore::LoadSentenceStartersAtStartup(SuggestionSlots& suggestions,
                                                    SuggestionSlots& starters) {
    if (!FillSlots(statements::S1(), statements::S2(), suggestions, &starters)) {
        suggestions.fill("");
        starters.fill("");
    }
}

void DictionaryStore::LoadFrequentWords(SuggestionSlots& suggestions) {
    FillSlots(statements::CountFrequentWords(), statements::FrequentWords(), suggestions, nullptr);
}

bool DictionaryStore::FillSlots(const std::string& countSql, const std::string& rowsSql,
                                SuggestionSlots& suggestions, SuggestionSlots* starters) {
    int count = database_.queryInt(countSql);
    if (count <= 0) return false;
    SqliteQuery query = database_.runQuery(rowsSql);
    for (int k = 0; k < static_cast<int>(suggestions.size()); ++k) {
        std::string word;
        if (k < count) word = NextShownWord(query);
        suggestions[k] = word;
        if (starters) (*starters)[k] = word;
    }
    query.finalize();
    return true;
}

LearningTransaction::LearningTransaction(SqliteDatabase& database)
    : database_(database), nested_(database.inTransaction()) {
    database_.executeUpdate(nested_ ? statements::BeginLearning() : statements::BeginWriting());
}

LearningTransaction::~LearningTransaction() {
    if (!open_) return;
    // The failure that ended the learning is already on its way; a failure
    // to undo it has nowhere to go.
    try {
        database_.executeUpdate(nested_ ? statements::UndoLearning() : statements::Rollback());
    } catch (const SqliteException&) {
    }
}

void LearningTransaction::commit() {
    database_.executeUpdate(nested_ ? statements::EndLearning() : statements::Commit());
    open_ = false;
}
