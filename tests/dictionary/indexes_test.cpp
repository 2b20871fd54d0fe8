// The indexes of the dictionary: the statements use them, their results do
// not change, old files gain them, and a word is learned with its pair as one
// transaction.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"
#include "dictionary/statements.h"
#include "tests/dictionary/temp_folder.h"

namespace {

// A finished word and its pair, learned as the keyboard learns them: in one
// transaction, both or neither.
void learnWordAndPair(SqliteDatabase& db, const std::string& first, const std::string& folded,
                      const std::string& word) {
    DictionaryStore store(db);
    LearningTransaction learning(db);
    store.LearnWord(folded, word);
    store.LearnPair(first, folded, word);
    learning.commit();
}

using namespace statements;

std::vector<std::string> rowsOf(SqliteDatabase& db, const std::string& sql) {
    std::vector<std::string> result;
    for (SqliteQuery q = db.runQuery(sql); !q.atEnd(); q.next()) {
        std::string row;
        for (int column = 0; column < q.columnCount(); ++column) {
            const char* text = q.textOr(column, "NULL");
            row += std::string(text ? text : "NULL") + "|";
        }
        result.push_back(row);
    }
    return result;
}

// The plan's lines, as EXPLAIN QUERY PLAN gives them.
std::string planOf(SqliteDatabase& db, const std::string& sql) {
    std::string plan;
    for (SqliteQuery q = db.runQuery("EXPLAIN QUERY PLAN " + sql); !q.atEnd(); q.next())
        plan += std::string(q.textOr(3, "")) + "\n";
    return plan;
}

// A small deterministic generator, the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint64_t state_;
};

// Accent-free and stored forms the cleaning can give, with the bytes that
// are invalid as UTF-8 (n with tilde, c cedilla, a lone middle dot) that
// SQLite's LIKE reads in its own way, and the LIKE wildcard '_'.
const std::string kFoldedLetters = std::string("aaeeioucdlmnrst") + "\xF1\xE7" + "019!._@\xB7";
const std::string kStoredExtra = "\xE1\xE9\xED\xF3\xFA\xFC";

std::string randomWord(Random& random, const std::string& letters) {
    std::string word;
    const int length = 1 + random.below(5);
    for (int i = 0; i < length; ++i)
        word += letters[random.below(static_cast<int>(letters.size()))];
    return word;
}

// Two dictionaries with the same rows, one of them with the indexes.
class IndexedPairTest : public testing::Test {
protected:
    void SetUp() override {
        for (SqliteDatabase* db : {&plain, &indexed}) {
            db->open(":memory:");
            DictionaryStore store(*db);
            store.CreateWordsTable();
            store.CreateSuccessorsTable();
        }
        ASSERT_TRUE(DictionaryStore(indexed).EnsureIndexes());
    }

    void learnBoth(const std::string& first, const std::string& folded, const std::string& word) {
        learnWordAndPair(plain, first, folded, word);
        learnWordAndPair(indexed, first, folded, word);
    }

    SqliteDatabase plain;
    SqliteDatabase indexed;
};

TEST_F(IndexedPairTest, EveryStatementGivesTheSameRowsWithAndWithoutIndexes) {
    Random random(20240611);
    std::vector<std::string> folded;
    for (int i = 0; i < 120; ++i) folded.push_back(randomWord(random, kFoldedLetters));
    std::vector<std::string> firsts{"."};
    for (int i = 0; i < 600; ++i) {
        const std::string& f = folded[random.below(static_cast<int>(folded.size()))];
        // A stored form: the folded one, sometimes with an accent in it.
        std::string word = f;
        if (random.below(3) == 0) word[0] = kStoredExtra[random.below(6)];
        const std::string first = firsts[random.below(static_cast<int>(firsts.size()))];
        learnBoth(first, f, word);
        if (random.below(4) == 0) firsts.push_back(word);
    }

    // Every prefix of every word, and prefixes holding wildcards and
    // characters LIKE decodes as a replacement character.
    std::set<std::string> prefixes{"", "_", "%", "a_", "\xF1", "\xE7", "\xB7", "c\xF1", "\xF1\xB7"};
    for (const std::string& f : folded)
        for (std::size_t n = 1; n <= f.size(); ++n) prefixes.insert(f.substr(0, n));
    std::vector<std::string> sqls{P4(),
                                  P5(),
                                  S1(),
                                  S2(),
                                  CountFrequentWords(),
                                  FrequentWords(),
                                  FileExportCount(),
                                  WordExportCount(),
                                  PairExportCount()};
    for (const std::string& prefix : prefixes) {
        for (const std::string& sql : {P1(prefix), P2(prefix), P3(prefix), S3(prefix), S4(prefix)})
            sqls.push_back(sql);
        for (int k = 0; k < 2; ++k) {
            const std::string& first = firsts[random.below(static_cast<int>(firsts.size()))];
            for (const std::string& sql :
                 {N1(first, prefix), N2(first, prefix), N3(first), N4(first)})
                sqls.push_back(sql);
        }
    }
    for (const std::string& sql : sqls) ASSERT_EQ(rowsOf(plain, sql), rowsOf(indexed, sql)) << sql;

    // Learning went the same way, row for row. The exports hold the same
    // rows; their order among equal counts is not defined by their
    // statements, and an index may change it.
    for (const char* table : {"palabras", "siguientes"}) {
        const std::string all = std::string("SELECT * FROM ") + table + " ORDER BY rowid";
        EXPECT_EQ(rowsOf(plain, all), rowsOf(indexed, all)) << table;
    }
    for (const std::string& sql : {FileExportRows(), WordExportRows(), PairExportRows()}) {
        std::vector<std::string> a = rowsOf(plain, sql), b = rowsOf(indexed, sql);
        EXPECT_EQ(std::multiset<std::string>(a.begin(), a.end()),
                  std::multiset<std::string>(b.begin(), b.end()))
            << sql;
    }
}

// What each statement may do: search an index, or (when it counts or
// orders every row) scan a covering index; never read the table itself.
TEST_F(IndexedPairTest, StatementsSearchTheIndexes) {
    struct Case {
        std::string sql;
        const char* plan;
    };
    const Case cases[] = {
        {P1("ca"), "SEARCH palabras USING COVERING INDEX palabras_prefijo"},
        {P2("ca"), "SEARCH palabras USING COVERING INDEX palabras_prefijo"},
        {P3("ca"), "SEARCH palabras USING COVERING INDEX palabras_prefijo"},
        {P1("ca\xF1"), "SEARCH palabras USING COVERING INDEX palabras_prefijo"},
        {P4(), "SCAN palabras"},
        {P5(), "SCAN palabras USING COVERING INDEX palabras_frecuencia"},
        {FrequentWords(), "SCAN palabras USING COVERING INDEX palabras_frecuencia"},
        {N1("la", "ca"), "SEARCH siguientes USING COVERING INDEX siguientes_prefijo"},
        {N2("la", "ca"), "SEARCH siguientes USING COVERING INDEX siguientes_prefijo"},
        {N3("la"), "SEARCH siguientes USING"},
        {N4("la"), "SEARCH siguientes USING INDEX siguientes_orden"},
        {S1(), "SEARCH siguientes USING"},
        {S2(), "SEARCH siguientes USING INDEX siguientes_orden"},
        {S3("h"), "SEARCH siguientes USING COVERING INDEX siguientes_prefijo"},
        {S4("h"), "SEARCH siguientes USING COVERING INDEX siguientes_prefijo"},
        {CountWord("casa", "casa"), "SEARCH palabras USING COVERING INDEX palabras_forma"},
        {IncrementWord("casa", "casa"), "SEARCH palabras USING INDEX palabras_forma"},
        {MaxWordCount("casa", "casa"), "SEARCH palabras USING COVERING INDEX palabras_forma"},
        {CountPair("la", "casa", "casa"),
         "SEARCH siguientes USING COVERING INDEX siguientes_forma"},
        {IncrementPair("la", "casa", "casa"), "SEARCH siguientes USING INDEX siguientes_forma"},
        {MaxPairCount("la", "casa", "casa"),
         "SEARCH siguientes USING COVERING INDEX siguientes_forma"},
        {DeleteWord("casa"), "SEARCH palabras USING"},
        {DeleteSuccessors("casa"), "SEARCH siguientes USING"},
    };
    const bool prefixes = DictionaryStore::PrefixIndexesKeepResults();
    for (const Case& c : cases) {
        if (!prefixes && std::string(c.plan).find("_prefijo") != std::string::npos) continue;
        const std::string plan = planOf(indexed, c.sql);
        EXPECT_NE(plan.find(c.plan), std::string::npos) << c.sql << "\n" << plan;
    }
    if (!prefixes) GTEST_SKIP() << "this SQLite cannot use prefix indexes for these words";
    // A prefix search ranges over the index, with the prefix up to the
    // first character that is not valid UTF-8.
    EXPECT_NE(planOf(indexed, P1("ca\xF1")).find("pSinAcento>? AND pSinAcento<?"),
              std::string::npos);
}

// Files of a test need not survive a crash.
const char* const kQuick = "PRAGMA synchronous = OFF;";

TEST(DictionaryIndexes, OldFilesGainThemAndStayReadable) {
    TempFolder folder;
    const std::string path = folder.file("viejo.dic");
    {
        SqliteDatabase db;
        db.open(path);
        db.executeUpdate(kQuick);
        DictionaryStore store(db);
        store.CreateWordsTable();
        store.CreateSuccessorsTable();
        learnWordAndPair(db, ".", "hola", "hola");
    }
    auto indexCount = [](SqliteDatabase& db) {
        return db.queryInt("SELECT count(*) FROM sqlite_master WHERE type = 'index'");
    };
    SqliteDatabase db;
    db.open(path);
    db.executeUpdate(kQuick);
    DictionaryStore store(db);
    const int all = DictionaryStore::PrefixIndexesKeepResults() ? 6 : 4;
    EXPECT_EQ(indexCount(db), 0);
    EXPECT_TRUE(store.EnsureIndexes());
    EXPECT_EQ(indexCount(db), all);
    EXPECT_TRUE(store.EnsureIndexes());
    EXPECT_EQ(indexCount(db), all);
    // Without the prefix indexes, those a file has are dropped.
    db.executeUpdate(CreateWordsIndexes() + CreateSuccessorsIndexes());
    EXPECT_EQ(indexCount(db), 6);
    db.executeUpdate(CreateWordsLookupIndexes() + CreateSuccessorsLookupIndexes());
    EXPECT_EQ(indexCount(db), 4);
    store.EnsureIndexes();
    // The partial index of earlier files, whose LIKE clause SQLite versions
    // read differently, gives way to one without a clause.
    db.executeUpdate(
        "DROP INDEX siguientes_orden; CREATE INDEX siguientes_frecuencia ON siguientes(palabra, "
        "repSig DESC, siguiente) WHERE sSinAcento LIKE '__%';");
    EXPECT_TRUE(store.IndexesMissing());
    store.EnsureIndexes();
    EXPECT_FALSE(store.IndexesMissing());
    EXPECT_EQ(indexCount(db), all);
    EXPECT_EQ(db.queryInt("SELECT count(*) FROM sqlite_master WHERE sql LIKE '%WHERE%'"), 0);
    db.close();

    // On a connection that may not write, a file with them is fine, one
    // without them is still readable.
    const std::string bare = folder.file("sin.dic");
    {
        SqliteDatabase other;
        other.open(bare);
        other.executeUpdate(kQuick);
        DictionaryStore(other).CreateWordsTable();
        other.executeUpdate(InsertWord("hola", "hola"));
    }
    for (const auto& [file, indexed] : {std::pair{path, true}, std::pair{bare, false}}) {
        SqliteDatabase readOnly;
        readOnly.open(file);
        readOnly.executeUpdate("PRAGMA query_only = ON;");
        EXPECT_EQ(DictionaryStore(readOnly).EnsureIndexes(), indexed) << file;
        EXPECT_EQ(rowsOf(readOnly, P2("ho")), std::vector<std::string>{"hola|"});
    }
}

TEST(DictionaryIndexes, TablesAreIndexedOnlyWhenTheyExist) {
    SqliteDatabase db;
    db.open(":memory:");
    DictionaryStore store(db);
    EXPECT_TRUE(store.EnsureIndexes());
    store.CreateWordsTable();
    EXPECT_TRUE(store.EnsureIndexes());
    EXPECT_EQ(db.queryInt("SELECT count(*) FROM sqlite_master WHERE type = 'index'"),
              DictionaryStore::PrefixIndexesKeepResults() ? 3 : 2);
}

TEST(LearningTransaction, AWordIsLearnedWithItsPairOrNotAtAll) {
    SqliteDatabase db;
    db.open(":memory:");
    DictionaryStore store(db);
    store.CreateWordsTable();
    store.CreateSuccessorsTable();
    learnWordAndPair(db, "la", "casa", "casa");
    learnWordAndPair(db, "la", "casa", "casa");
    EXPECT_EQ(rowsOf(db, "SELECT * FROM palabras"), std::vector<std::string>{"casa|casa|2|"});
    EXPECT_EQ(rowsOf(db, "SELECT * FROM siguientes"), std::vector<std::string>{"la|casa|casa|2|"});

    // The pair cannot be learned: the word is not learned either.
    db.executeUpdate("DROP TABLE siguientes;");
    EXPECT_THROW(learnWordAndPair(db, "la", "mesa", "mesa"), SqliteException);
    EXPECT_THROW(learnWordAndPair(db, "la", "casa", "casa"), SqliteException);
    EXPECT_EQ(rowsOf(db, "SELECT * FROM palabras"), std::vector<std::string>{"casa|casa|2|"});

    // Inside a transaction of the caller it nests, and goes with it.
    store.CreateSuccessorsTable();
    db.executeUpdate("BEGIN;");
    learnWordAndPair(db, ".", "mesa", "mesa");
    EXPECT_EQ(db.queryInt("SELECT count(*) FROM palabras"), 2);
    db.executeUpdate("ROLLBACK;");
    EXPECT_EQ(db.queryInt("SELECT count(*) FROM palabras"), 1);
    // And nothing is left open.
    EXPECT_NO_THROW(db.executeUpdate("BEGIN; COMMIT;"));
}

}  // namespace
