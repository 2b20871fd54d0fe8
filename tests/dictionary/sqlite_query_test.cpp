#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "dictionary/SqliteDatabase.h"
#include "tests/dictionary/failure.h"

namespace {

// A table of three rows, one with NULLs.
class SqliteQueryTest : public testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.executeUpdate(
            "create table palabras(palabra char(40), pSinAcento char(40), repPal int);"
            "insert into palabras values('canci\xF3n', 'cancion', 3);"
            "insert into palabras values(NULL, 'nada', NULL);"
            "insert into palabras values('casa', 'casa', 1);"
            "create table probe(a);");
    }

    // No table can be dropped while a statement of the connection is still
    // between its first row and its end.
    bool noStatementRunning() {
        try {
            db.executeUpdate("drop table probe; create table probe(a);");
            return true;
        } catch (const SqliteException&) {
            return false;
        }
    }

    SqliteDatabase db;
};

TEST_F(SqliteQueryTest, FreshQueryIsOnItsFirstRowOrAtTheEnd) {
    SqliteQuery rows = db.runQuery("select palabra, repPal from palabras order by rowid");
    EXPECT_FALSE(rows.atEnd());
    EXPECT_EQ(rows.columnCount(), 2);
    EXPECT_STREQ(rows.columnText(0), "canci\xF3n");
    rows.next();
    EXPECT_TRUE(rows.isNull(0));
    rows.next();
    EXPECT_STREQ(rows.columnText("palabra"), "casa");
    rows.next();
    EXPECT_TRUE(rows.atEnd());
    // Stepping past the end does not start the query over.
    rows.next();
    EXPECT_TRUE(rows.atEnd());

    SqliteQuery none = db.runQuery("select palabra from palabras where repPal > 10");
    EXPECT_TRUE(none.atEnd());
    EXPECT_EQ(none.columnCount(), 1);
}

TEST_F(SqliteQueryTest, ValuesAndNullSubstitutes) {
    SqliteQuery q = db.runQuery(
        "select palabra, pSinAcento, repPal, 2.5, x'00ff41' from palabras where pSinAcento = "
        "'nada'");
    EXPECT_EQ(q.intOr(2, 0), 0);
    EXPECT_EQ(q.intOr("repPal", -4), -4);
    EXPECT_STREQ(q.textOr(0, ""), "");
    EXPECT_STREQ(q.textOr("palabra", "error"), "error");
    EXPECT_EQ(q.columnText(0), nullptr);
    EXPECT_STREQ(q.textOr(1, "error"), "nada");
    EXPECT_DOUBLE_EQ(q.doubleOr(2, 1.5), 1.5);
    EXPECT_DOUBLE_EQ(q.doubleOr(3, 0), 2.5);
    EXPECT_EQ(q.intOr(3, 0), 2);
    EXPECT_TRUE(q.isNull("repPal"));
    EXPECT_FALSE(q.isNull(1));
    EXPECT_EQ(q.columnType(0), 5);
    EXPECT_EQ(q.columnType(1), 3);
    EXPECT_EQ(q.columnType(3), 2);
    EXPECT_EQ(q.columnType(4), 4);
    int length = 0;
    const unsigned char* bytes = q.blob(4, length);
    ASSERT_EQ(length, 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 3), std::string("\x00\xff"
                                                                                "A",
                                                                                3));
    EXPECT_STREQ(q.columnName(2), "repPal");
    EXPECT_STREQ(q.declaredType(0), "char(40)");
    EXPECT_STREQ(q.declaredType(2), "INT");
    EXPECT_EQ(q.declaredType(3), nullptr);
}

TEST_F(SqliteQueryTest, ColumnsAreFoundByExactName) {
    SqliteQuery q = db.runQuery("select palabra, repPal, palabra as palabra from palabras");
    EXPECT_EQ(q.columnIndex("palabra"), 0);
    EXPECT_EQ(q.columnIndex("repPal"), 1);
    for (const char* name :
         {"Palabra", "reppal", "palabra ", "", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(failureOf([&] { q.columnIndex(name); }),
                  layerFailure("Invalid field name requested"))
            << (name ? name : "null");
    }
    EXPECT_EQ(failureOf([&] { q.textOr("Palabra", ""); }),
              layerFailure("Invalid field name requested"));
}

TEST_F(SqliteQueryTest, IndexesOutsideTheColumnsAreRefused) {
    SqliteQuery q = db.runQuery("select palabra, repPal from palabras");
    int length = 0;
    const std::function<void(int)> accessors[] = {
        [&](int i) { q.columnText(i); },   [&](int i) { q.intOr(i, 0); },
        [&](int i) { q.doubleOr(i, 0); },  [&](int i) { q.textOr(i, ""); },
        [&](int i) { q.blob(i, length); }, [&](int i) { q.isNull(i); },
        [&](int i) { q.columnName(i); },   [&](int i) { q.declaredType(i); },
        [&](int i) { q.columnType(i); },
    };
    for (const auto& accessor : accessors) {
        for (int index : {-1, 2, 1000}) {
            EXPECT_EQ(failureOf([&] { accessor(index); }),
                      layerFailure("Invalid field index requested"))
                << index;
        }
    }
}

TEST_F(SqliteQueryTest, AQueryWithoutStatementRefusesEverythingButFinalize) {
    SqliteQuery empty;
    int length = 0;
    const std::function<void()> operations[] = {
        [&] { empty.columnCount(); },   [&] { empty.atEnd(); },
        [&] { empty.next(); },          [&] { empty.columnText(0); },
        [&] { empty.intOr(0, 0); },     [&] { empty.textOr("a", ""); },
        [&] { empty.blob(0, length); }, [&] { empty.columnIndex("a"); },
        [&] { empty.columnType(0); },   [&] { empty.isNull(0); },
    };
    for (const auto& operation : operations) {
        EXPECT_EQ(failureOf(operation), layerFailure("Null Virtual Machine pointer"));
    }
    empty.finalize();

    SqliteQuery q = db.runQuery("select palabra from palabras");
    q.finalize();
    q.finalize();
    EXPECT_EQ(failureOf([&] { q.atEnd(); }), layerFailure("Null Virtual Machine pointer"));
    EXPECT_TRUE(noStatementRunning());
}

TEST_F(SqliteQueryTest, CopyingMovesTheStatement) {
    SqliteQuery first = db.runQuery("select palabra from palabras order by rowid");
    SqliteQuery copy(first);
    EXPECT_EQ(failureOf([&] { first.atEnd(); }), layerFailure("Null Virtual Machine pointer"));
    EXPECT_STREQ(copy.columnText(0), "canci\xF3n");

    SqliteQuery assigned;
    assigned = copy;
    EXPECT_EQ(failureOf([&] { copy.columnCount(); }), layerFailure("Null Virtual Machine pointer"));
    assigned.next();
    EXPECT_TRUE(assigned.isNull(0));

    SqliteQuery moved(std::move(assigned));
    moved.next();
    EXPECT_STREQ(moved.columnText(0), "casa");
    EXPECT_FALSE(noStatementRunning());
    { SqliteQuery last = std::move(moved); }
    EXPECT_TRUE(noStatementRunning());
}

TEST_F(SqliteQueryTest, AssignmentFinalizesTheStatementHeldBefore) {
    db.executeUpdate("create table siguientes(palabra, siguiente, sSinAcento, repSig);");
    SqliteQuery q = db.runQuery("select * from palabras");
    q = db.runQuery("select * from siguientes");
    // The first statement is gone: nothing reads palabras any more.
    EXPECT_TRUE(noStatementRunning());
    EXPECT_TRUE(q.atEnd());
    EXPECT_EQ(q.columnCount(), 4);
    // Through a reference: assigning a variable to itself by name is a warning.
    SqliteQuery& self = q;
    q = self;
    EXPECT_EQ(q.columnCount(), 4);
}

TEST_F(SqliteQueryTest, AFailingStepReportsTheFinalizeCodeAndReleasesTheStatement) {
    // The second row makes the expression fail while stepping.
    SqliteQuery q =
        db.runQuery("select abs(v) from (select 1 as v union all select -9223372036854775807 - 1)");
    EXPECT_EQ(failureOf([&] { q.next(); }), (Failure{1, "SQLITE_ERROR[1]: integer overflow"}));
    EXPECT_EQ(failureOf([&] { q.atEnd(); }), layerFailure("Null Virtual Machine pointer"));
}

}  // namespace
