// The counts stop at six rows: each gives min(count of every row, 6), on
// small dictionaries built around that boundary, with and without indexes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"

namespace {

using namespace statements;

// A row of both tables: the word (NULL when null) with its accent-free form,
// and the pair (first, word).
struct Row {
    std::string folded;
    bool null;
};

struct Case {
    const char* name;
    std::vector<Row> rows;
    std::string prefix;
};

std::string literal(const Row& row) { return row.null ? "NULL" : "'" + Quote(row.folded) + "'"; }

// Every row as a word, a successor of "la" and a sentence starter. NULLs
// come first, where a LIMIT without "IS NOT NULL" would take them.
void fill(SqliteDatabase& db, const std::vector<Row>& rows) {
    DictionaryStore store(db);
    store.CreateWordsTable();
    store.CreateSuccessorsTable();
    for (const Row& row : rows) {
        const std::string folded = "'" + Quote(row.folded) + "'";
        db.executeUpdate("INSERT INTO palabras VALUES(" + literal(row) + "," + folded + ",1);");
        for (const char* first : {"la", "."})
            db.executeUpdate("INSERT INTO siguientes VALUES('" + std::string(first) + "'," +
                             literal(row) + "," + folded + ",1);");
    }
}

// n words: the stem followed by a, b, c...
std::vector<Row> words(const std::string& stem, int n) {
    std::vector<Row> rows;
    for (int i = 0; i < n; ++i) rows.push_back({stem + static_cast<char>('a' + i), false});
    return rows;
}

std::vector<Row> operator+(std::vector<Row> a, const std::vector<Row>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(CappedCounts, EachCountIsTheFullCountUpToSix) {
    const Row nullWord{"caz", true};
    const Case cases[] = {
        {"five matches", words("ca", 5), "ca"},
        {"six matches", words("ca", 6), "ca"},
        {"seven matches", words("ca", 7), "ca"},
        {"NULL words are not counted, before six or after",
         std::vector<Row>{nullWord, nullWord, nullWord} + words("ca", 5), "ca"},
        {"NULL words before more than six", std::vector<Row>{nullWord, nullWord} + words("ca", 8),
         "ca"},
        {"n with tilde, small and capital",
         words("ca\xF1", 4) + words("ca\xD1", 4) + words("cana", 2), "ca\xF1"},
        {"c cedilla",
         words("\xE7"
               "a",
               6) +
             words("\xC7"
                   "a",
                   3),
         "\xE7"},
        {"an underscore in the prefix matches any character", words("cb", 4) + words("ca", 4),
         "c_"},
        {"a percent sign in the prefix matches anything", words("xy", 3) + words("ca", 5), "%"},
        {"the empty prefix", words("a", 3) + words("", 1), ""},
        {"no rows", {}, "ca"},
    };
    for (const Case& c : cases) {
        for (const bool indexed : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (indexed ? ", with indexes" : ", without"));
            SqliteDatabase db;
            db.open(":memory:");
            fill(db, c.rows);
            if (indexed) {
                ASSERT_TRUE(DictionaryStore(db).EnsureIndexes());
            }
            auto counts = [&] {
                return std::vector<std::string>{
                    CountFrequentWords(), P1(c.prefix), P3(c.prefix), P4(),
                    N1("la", c.prefix),   N3("la"),     S1(),         S3(c.prefix)};
            };
            CapCounts(false);
            const std::vector<std::string> full = counts();
            CapCounts(true);
            const std::vector<std::string> capped = counts();
            for (std::size_t i = 0; i < capped.size(); ++i)
                EXPECT_EQ(db.queryInt(capped[i]), std::min(db.queryInt(full[i]), 6)) << capped[i];
        }
    }
}

}  // namespace
