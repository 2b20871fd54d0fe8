#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"
#include "tests/dictionary/temp_folder.h"

namespace {

using Row = std::tuple<std::string, std::string, int>;
using PairRow = std::tuple<std::string, std::string, std::string, int>;

class DictionaryStoreTest : public testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        EXPECT_TRUE(store.CreateWordsTableIfMissing());
        EXPECT_TRUE(store.CreateSuccessorsTableIfMissing());
    }

    std::vector<Row> words() {
        std::vector<Row> rows;
        for (SqliteQuery q = db.runQuery("select * from palabras order by rowid"); !q.atEnd();
             q.next())
            rows.emplace_back(q.textOr(0, "NULL"), q.textOr(1, "NULL"), q.intOr(2, -1));
        return rows;
    }

    std::vector<PairRow> pairs() {
        std::vector<PairRow> rows;
        for (SqliteQuery q = db.runQuery("select * from siguientes order by rowid"); !q.atEnd();
             q.next())
            rows.emplace_back(q.textOr(0, "NULL"), q.textOr(1, "NULL"), q.textOr(2, "NULL"),
                              q.intOr(3, -1));
        return rows;
    }

    // The words a row statement returns, in order.
    std::vector<std::string> rowsOf(const std::string& sql) {
        std::vector<std::string> result;
        for (SqliteQuery q = db.runQuery(sql); !q.atEnd(); q.next())
            result.push_back(q.textOr(0, "NULL"));
        return result;
    }

    void learnWords(const std::vector<std::pair<std::string, int>>& counts) {
        for (const auto& [word, count] : counts)
            for (int i = 0; i < count; ++i) store.LearnWord(word, word);
    }

    void learnStarters(const std::vector<std::pair<std::string, int>>& counts) {
        for (const auto& [word, count] : counts)
            for (int i = 0; i < count; ++i) store.LearnPair(".", word, word);
    }

    SqliteDatabase db;
    DictionaryStore store{db};
};

TEST_F(DictionaryStoreTest, TablesAreCreatedOnlyWhenMissing) {
    EXPECT_FALSE(store.CreateWordsTableIfMissing());
    EXPECT_FALSE(store.CreateSuccessorsTableIfMissing());
    TempFolder folder;
    SqliteDatabase file;
    file.open(folder.file("nuevo.dic"));
    file.executeUpdate(statements::CreateWordsTable());
    DictionaryStore fileStore(file);
    EXPECT_FALSE(fileStore.CreateWordsTableIfMissing());
    EXPECT_TRUE(fileStore.CreateSuccessorsTableIfMissing());
    file.close();
    file.open(folder.file("nuevo.dic"));
    EXPECT_TRUE(file.hasTable("palabras"));
    EXPECT_TRUE(file.hasTable("siguientes"));
}

TEST_F(DictionaryStoreTest, LearningInsertsThenCountsAndKeepsAccentVariantsApart) {
    store.LearnWord("cancion", "canci\xF3n");
    store.LearnWord("cancion", "canci\xF3n");
    store.LearnWord("cancion", "cancion");
    EXPECT_EQ(words(), (std::vector<Row>{{"canci\xF3n", "cancion", 2}, {"cancion", "cancion", 1}}));

    store.LearnPair(".", "cancion", "canci\xF3n");
    store.LearnPair("la", "cancion", "canci\xF3n");
    store.LearnPair("la", "cancion", "canci\xF3n");
    store.LearnPair("la", "cancion", "cancion");
    EXPECT_EQ(pairs(), (std::vector<PairRow>{{".", "canci\xF3n", "cancion", 1},
                                             {"la", "canci\xF3n", "cancion", 2},
                                             {"la", "cancion", "cancion", 1}}));
}

struct AgeingCase {
    int before;
    // The learned count afterwards, and the other counts 5 and 1 afterwards.
    int after;
    int otherFive;
    int otherOne;
};

const AgeingCase kAgeing[] = {
    {2147483644, 2147483645, 5, 1},
    {2147483645, 1073741823, 2, 0},
    {2147483646, 1073741823, 2, 0},
    // Beyond the limit: aged as a count at it.
    {2147483647, 1073741823, 2, 0},
};

TEST_F(DictionaryStoreTest, ACountReachingTheLimitHalvesItsTableOnly) {
    for (const AgeingCase& c : kAgeing) {
        db.executeUpdate("delete from palabras; delete from siguientes;");
        learnWords({{"casa", 1}, {"arbol", 5}, {"y", 1}});
        learnStarters({{"casa", 1}, {"arbol", 5}, {"y", 1}});
        const std::string before = std::to_string(c.before);
        db.executeUpdate("update palabras set repPal = " + before + " where palabra = 'casa';");
        db.executeUpdate("update siguientes set repSig = " + before + " where siguiente = 'casa';");

        store.LearnWord("casa", "casa");
        EXPECT_EQ(words(), (std::vector<Row>{{"casa", "casa", c.after},
                                             {"arbol", "arbol", c.otherFive},
                                             {"y", "y", c.otherOne}}))
            << c.before;
        EXPECT_EQ(db.queryInt("select repSig from siguientes where siguiente = 'arbol'"), 5);

        store.LearnPair(".", "casa", "casa");
        EXPECT_EQ(pairs(), (std::vector<PairRow>{{".", "casa", "casa", c.after},
                                                 {".", "arbol", "arbol", c.otherFive},
                                                 {".", "y", "y", c.otherOne}}))
            << c.before;
    }
}

// An edited or foreign file: tables named in another case, columns in another
// order, triggers, a count beyond 32 bits. Learning uses the tables, puts each
// value in its column, runs no trigger, and ages the table once for the huge
// count, as for one at the limit, not on every use.
TEST_F(DictionaryStoreTest, AForeignSchemaIsLearnedIntoSafely) {
    db.executeUpdate(
        "drop table palabras; drop table siguientes;"
        "create table PALABRAS(repPal int, pSinAcento char(40), palabra char(40));"
        "create table Siguientes(repSig int, sSinAcento char(40), siguiente char(40), "
        "palabra char(40));"
        "create table marcas(n);"
        "create trigger t1 after insert on PALABRAS begin insert into marcas values(1); end;"
        "create trigger t2 before update on Siguientes begin delete from PALABRAS; end;"
        "insert into PALABRAS values(1099511627776, 'la', 'la'), (5, 'arbol', 'arbol'),"
        "(1, 'y', 'y');");
    EXPECT_FALSE(store.CreateWordsTableIfMissing());
    EXPECT_FALSE(store.CreateSuccessorsTableIfMissing());

    for (int i = 0; i < 5; ++i) store.LearnWord("la", "la");
    store.LearnWord("cancion", "canci\xF3n");
    store.LearnPair(".", "la", "la");
    store.LearnPair(".", "la", "la");

    std::vector<std::string> rows;
    for (SqliteQuery q = db.runQuery("select palabra, pSinAcento, repPal from palabras order by "
                                     "rowid");
         !q.atEnd(); q.next())
        rows.push_back(std::string(q.textOr(0, "NULL")) + "|" + q.textOr(1, "NULL") + "|" +
                       q.textOr(2, "NULL"));
    EXPECT_EQ(rows, (std::vector<std::string>{"la|la|1073741827", "arbol|arbol|2", "y|y|0",
                                              "canci\xF3n|cancion|1"}));
    EXPECT_EQ(db.queryInt("select count(*) from marcas"), 0);
    EXPECT_EQ(db.queryInt("select repSig from siguientes where palabra = '.' and siguiente = 'la' "
                          "and sSinAcento = 'la'"),
              2);
}

TEST_F(DictionaryStoreTest, PrefixStatementsNeverReturnThePrefixItself) {
    store.LearnWord("cancion", "canci\xF3n");
    store.LearnWord("cancion", "cancion");
    store.LearnWord("can", "can");
    store.LearnWord("casa", "casa");
    store.LearnPair("la", "cancion", "canci\xF3n");
    store.LearnPair("la", "can", "can");
    store.LearnPair(".", "can", "can");
    store.LearnPair(".", "cancion", "cancion");
    using namespace statements;
    struct Case {
        std::string count;
        std::string rows;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {P1("can"), P2("can"), {"cancion", "canci\xF3n"}},
        {P1("cancion"), P2("cancion"), {}},
        {P1("ca"), P2("ca"), {"can", "cancion", "canci\xF3n", "casa"}},
        {N1("la", "can"), N2("la", "can"), {"canci\xF3n"}},
        {S3("can"), S4("can"), {"cancion"}},
        {S3(""), S4(""), {"can", "cancion"}},
        {N3("la"), N4("la"), {"can", "canci\xF3n"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rowsOf(c.rows), c.expected) << c.rows;
        EXPECT_EQ(db.queryInt(c.count), static_cast<int>(c.expected.size())) << c.count;
    }
    EXPECT_EQ(db.queryInt(P3("can")), 2);
}

TEST_F(DictionaryStoreTest, RowStatementsOrderByCountThenWordAndStopAtSix) {
    learnWords({{"b", 2},
                {"zeta", 3},
                {"alfa", 3},
                {"mu", 3},
                {"beta", 1},
                {"gamma", 1},
                {"delta", 1},
                {"eta", 1}});
    using namespace statements;
    EXPECT_EQ(rowsOf(P5()), (std::vector<std::string>{"alfa", "mu", "zeta", "b", "beta", "delta"}));
    // The counts stop at six as well.
    EXPECT_EQ(db.queryInt(P4()), 6);
    EXPECT_EQ(rowsOf(FrequentWords()),
              (std::vector<std::string>{"alfa", "mu", "zeta", "beta", "delta", "eta"}));
    EXPECT_EQ(db.queryInt(CountFrequentWords()), 6);
}

TEST_F(DictionaryStoreTest, NineSentenceStartersLoadTheSixMostFrequent) {
    learnStarters({{"yo", 1},
                   {"el", 4},
                   {"la", 2},
                   {"t\xFA", 4},
                   {"a", 9},
                   {"no", 2},
                   {"si", 2},
                   {"es", 1},
                   {"de", 3}});
    store.LearnPair("la", "casa", "casa");
    SuggestionSlots suggestions{"1", "2", "3", "4", "5", "6"};
    SuggestionSlots starters;
    store.LoadSentenceStarters(suggestions, starters);
    // "a" has one character and is no sentence starter.
    const SuggestionSlots expected{"el", "t\xFA", "de", "la", "no", "si"};
    EXPECT_EQ(suggestions, expected);
    EXPECT_EQ(starters, expected);
}

TEST_F(DictionaryStoreTest, LoadersShowApostrophesErrorForNullAndBlanksBeyondTheRows) {
    learnStarters({{"l!home", 2}, {"qu!il", 1}});
    db.executeUpdate("insert into siguientes values('.', NULL, 'zz', 0);");
    SuggestionSlots suggestions{"1", "2", "3", "4", "5", "6"};
    SuggestionSlots starters{"a", "b", "c", "d", "e", "f"};
    store.LoadSentenceStarters(suggestions, starters);
    // count(siguiente) leaves the NULL out, so two rows are read.
    const SuggestionSlots two{"l'home", "qu'il", "", "", "", ""};
    EXPECT_EQ(suggestions, two);
    EXPECT_EQ(starters, two);

    learnWords({{"l!home", 2}, {"casa", 1}});
    db.executeUpdate("insert into palabras values(NULL, 'zz', 5);");
    store.LoadFrequentWords(suggestions);
    // Here the NULL comes first, and still only two rows are read.
    EXPECT_EQ(suggestions, (SuggestionSlots{"error", "l'home", "", "", "", ""}));
    // The stored form keeps its '!'.
    EXPECT_EQ(db.queryInt("select count(*) from palabras where palabra = 'l!home'"), 1);
}

TEST_F(DictionaryStoreTest, WithNothingToLoadTheSlotsStayExceptAtStartUp) {
    learnWords({{"a", 3}});
    learnStarters({{"a", 3}});
    const SuggestionSlots shown{"uno", "dos", "", "", "", "seis"};
    SuggestionSlots suggestions = shown;
    SuggestionSlots starters = shown;
    store.LoadFrequentWords(suggestions);
    store.LoadSentenceStarters(suggestions, starters);
    EXPECT_EQ(suggestions, shown);
    EXPECT_EQ(starters, shown);
    store.LoadSentenceStartersAtStartup(suggestions, starters);
    EXPECT_EQ(suggestions, SuggestionSlots{});
    EXPECT_EQ(starters, SuggestionSlots{});

    learnStarters({{"hola", 1}});
    store.LoadSentenceStartersAtStartup(suggestions, starters);
    EXPECT_EQ(suggestions, (SuggestionSlots{"hola", "", "", "", "", ""}));
}

TEST_F(DictionaryStoreTest, DeletingAWordRemovesItsVariantsAndThePairsItEnds) {
    store.LearnWord("cancion", "canci\xF3n");
    store.LearnWord("cancion", "cancion");
    store.LearnWord("casa", "casa");
    store.LearnPair(".", "cancion", "canci\xF3n");
    store.LearnPair("la", "cancion", "cancion");
    store.LearnPair("canci\xF3n", "casa", "casa");
    store.DeleteWord("cancion");
    EXPECT_EQ(words(), (std::vector<Row>{{"casa", "casa", 1}}));
    EXPECT_EQ(pairs(), (std::vector<PairRow>{{"canci\xF3n", "casa", "casa", 1}}));

    // After the last word goes, the frequent words keep what the keys show.
    store.DeleteWord("casa");
    SuggestionSlots suggestions{"casa", "", "", "", "", ""};
    store.LoadFrequentWords(suggestions);
    EXPECT_EQ(suggestions, (SuggestionSlots{"casa", "", "", "", "", ""}));
}

// Words that break the '!' convention or hold LIKE wildcards are stored and
// matched as themselves, and change nothing else.
TEST_F(DictionaryStoreTest, HostileWordsStayLiterals) {
    const std::string hostile[] = {
        "'; DROP TABLE palabras; --", "'", "it's", "''", "%", "_", "a%b", std::string(200, 'w'),
        std::string(199, 'q') + "'",
    };
    learnWords({{"casa", 2}});
    store.LearnPair(".", "casa", "casa");
    for (const std::string& word : hostile) {
        store.LearnWord(word, word);
        store.LearnWord(word, word);
        store.LearnPair(word, word, word);
        store.LearnPair(word, word, word);
        EXPECT_EQ(db.queryInt("select repPal from palabras where palabra = '" +
                              statements::Quote(word) + "'"),
                  2)
            << word;
        EXPECT_EQ(db.queryInt(statements::CountPair(word, word, word)), 1) << word;
        EXPECT_EQ(db.queryInt(statements::MaxPairCount(word, word, word)), 2) << word;
    }
    EXPECT_EQ(words().size(), 1u + std::size(hostile));
    EXPECT_EQ(std::get<2>(words()[0]), 2);
    EXPECT_EQ(std::get<0>(words()[1]), hostile[0]);

    for (const std::string& word : hostile) store.DeleteWord(word);
    EXPECT_EQ(words(), (std::vector<Row>{{"casa", "casa", 2}}));
    EXPECT_EQ(pairs(), (std::vector<PairRow>{{".", "casa", "casa", 1}}));
    EXPECT_TRUE(db.hasTable("palabras"));
    EXPECT_TRUE(db.hasTable("siguientes"));
}

TEST_F(DictionaryStoreTest, WildcardsInAPrefixStillMatchAsPatterns) {
    learnWords({{"casa", 1}, {"cosa", 1}, {"c%x", 1}});
    EXPECT_EQ(rowsOf(statements::P2("c_")), (std::vector<std::string>{"c%x", "casa", "cosa"}));
    EXPECT_EQ(rowsOf(statements::P2("it'")), std::vector<std::string>{});
    store.LearnWord("it's", "it's");
    EXPECT_EQ(rowsOf(statements::P2("it'")), std::vector<std::string>{"it's"});
}

}  // namespace
