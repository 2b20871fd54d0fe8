#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dictionary/SqliteDatabase.h"
#include "tests/dictionary/failure.h"
#include "tests/dictionary/temp_folder.h"

namespace {

TEST(SqliteDatabaseTest, EveryOperationOfAClosedDatabaseSaysSo) {
    SqliteDatabase db;
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"executeUpdate", [&] { db.executeUpdate("create table t(a)"); }},
        {"runQuery", [&] { db.runQuery("select 1"); }},
        {"queryInt", [&] { db.queryInt("select 1"); }},
        {"hasTable", [&] { db.hasTable("palabras"); }},
        {"lastInsertRowId", [&] { db.lastInsertRowId(); }},
        {"fetchTable", [&] { db.fetchTable("select 1"); }},
        {"prepare", [&] { db.prepare("select 1"); }},
        {"compile", [&] { db.compile("select 1"); }},
        {"requireOpen", [&] { db.requireOpen(); }},
    };
    for (const auto& [name, operation] : operations) {
        EXPECT_EQ(failureOf(operation), layerFailure("Database not open")) << name;
    }
    db.open(":memory:");
    db.close();
    EXPECT_EQ(failureOf([&] { db.queryInt("select 1"); }), layerFailure("Database not open"));
}

TEST(SqliteDatabaseTest, ClosingTwiceAndInterruptingWhileClosedAreHarmless) {
    SqliteDatabase db;
    db.interrupt();
    db.close();
    db.open(":memory:");
    db.close();
    db.close();
    db.interrupt();
    EXPECT_FALSE(db.isOpen());
}

TEST(SqliteDatabaseTest, BusyWaitIsKeptAcrossOpens) {
    SqliteDatabase db;
    EXPECT_EQ(db.busyTimeoutMs(), 60000);
    db.setBusyWait(25);
    db.open(":memory:");
    EXPECT_EQ(db.busyTimeoutMs(), 25);
}

TEST(SqliteDatabaseTest, ExecuteUpdateReturnsTheRowsChanged) {
    SqliteDatabase db;
    db.open(":memory:");
    EXPECT_EQ(db.executeUpdate("create table t(a int);"), 0);
    EXPECT_EQ(db.executeUpdate("insert into t values(1);"), 1);
    EXPECT_EQ(db.lastInsertRowId(), 1);
    EXPECT_EQ(db.executeUpdate("insert into t values(2); insert into t values(3);"), 1);
    EXPECT_EQ(db.lastInsertRowId(), 3);
    EXPECT_EQ(db.executeUpdate("update t set a = a + 1;"), 3);
    EXPECT_EQ(db.executeUpdate("delete from t where a > 100;"), 0);
}

TEST(SqliteDatabaseTest, FailuresCarrySqliteCodeAndText) {
    SqliteDatabase db;
    db.open(":memory:");
    db.executeUpdate("create table t(a int unique);");
    db.executeUpdate("insert into t values(1);");
    const std::pair<std::function<void()>, Failure> cases[] = {
        // sqlite3_exec gives its own error text.
        {[&] { db.executeUpdate("insert into nada values(1);"); },
         {1, "SQLITE_ERROR[1]: no such table: nada"}},
        {[&] { db.executeUpdate("insert into t values(1);"); },
         {19, "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.a"}},
        {[&] { db.executeUpdate("selec 1;"); },
         {1, "SQLITE_ERROR[1]: near \"selec\": syntax error"}},
        // A statement that does not compile carries no detail.
        {[&] { db.runQuery("select * from nada"); }, {1, "SQLITE_ERROR[1]: "}},
        {[&] { db.queryInt("select count(*) from nada"); }, {1, "SQLITE_ERROR[1]: "}},
        {[&] { db.compile("selec 1"); }, {1, "SQLITE_ERROR[1]: "}},
        // A failing first step reports the code of the finalize after it.
        {[&] { db.runQuery("insert into t values(1)"); },
         {19, "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: t.a"}},
        {[&] { db.fetchTable("select * from nada"); }, {1, "SQLITE_ERROR[1]: no such table: nada"}},
        {[&] { db.runQuery("  -- nothing to run"); }, layerFailure("Null Virtual Machine pointer")},
    };
    for (const auto& [action, failure] : cases) EXPECT_EQ(failureOf(action), failure);
}

TEST(SqliteDatabaseTest, QueryIntReadsTheFirstValue) {
    SqliteDatabase db;
    db.open(":memory:");
    db.executeUpdate("create table palabras(palabra char(40), pSinAcento char(40), repPal int);");
    const std::pair<const char*, int> cases[] = {
        {"SELECT count(*) FROM palabras", 0},
        {"select 42, 7", 42},
        {"select '17abc'", 17},
        {"select -3", -3},
        {"select 2.9", 2},
        {"select 2147483647", 2147483647},
        // Beyond int: clamped rather than undefined.
        {"select 2147483648", 2147483647},
        {"select -9999999999", -2147483647 - 1},
        {"select 'text'", 0},
        {"select NULL", 0},
        {"select MAX(repPal) FROM palabras", 0},
    };
    for (const auto& [sql, value] : cases) EXPECT_EQ(db.queryInt(sql), value) << sql;

    EXPECT_EQ(failureOf([&] { db.queryInt("select * from palabras"); }),
              layerFailure("Invalid scalar query"));
    // The failed scalar query left no statement behind to lock the table.
    EXPECT_EQ(db.executeUpdate("drop table palabras;"), 0);
}

TEST(SqliteDatabaseTest, HasTableIsExactAboutTheName) {
    SqliteDatabase db;
    db.open(":memory:");
    db.executeUpdate(
        "create table palabras(palabra, pSinAcento, repPal);"
        "create view vista as select * from palabras;"
        "create index indice on palabras(palabra);"
        "create table \"it's\"(a);");
    const std::string longName(300, 'n');
    db.executeUpdate("create table " + longName + "(a);");
    const std::pair<std::string, bool> cases[] = {
        {"palabras", true},
        {"siguientes", false},
        {"vista", false},
        {"indice", false},
        {"palabra", false},
        {"palabras ", false},
        {"", false},
        {"it's", true},
        {longName, true},
        {longName + "x", false},
        {"x' or '1'='1", false},
        {std::string("palabras\0x", 10), false},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(db.hasTable(name), expected) << name;
}

TEST(SqliteDatabaseTest, OpeningAgainClosesTheFirstFile) {
    TempFolder folder;
    SqliteDatabase db;
    db.open(folder.file("uno.dic"));
    db.executeUpdate("create table uno(a);");
    db.open(folder.file("dos.dic"));
    EXPECT_FALSE(db.hasTable("uno"));
    db.open(folder.file("uno.dic"));
    EXPECT_TRUE(db.hasTable("uno"));
}

TEST(SqliteDatabaseTest, AFailedOpenLeavesTheDatabaseClosed) {
    TempFolder folder;
    SqliteDatabase db;
    db.open(":memory:");
    EXPECT_EQ(failureOf([&] { db.open(folder.file("no-such-folder/x.dic")); }),
              (Failure{14, "SQLITE_CANTOPEN[14]: unable to open database file"}));
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(failureOf([&] { db.queryInt("select 1"); }), layerFailure("Database not open"));
    db.open(folder.file("x.dic"));
    EXPECT_EQ(db.queryInt("select 1"), 1);
}

TEST(SqliteDatabaseTest, InterruptStopsARunningQuery) {
    SqliteDatabase db;
    db.open(":memory:");
    SqliteQuery query = db.runQuery(
        "with recursive c(x) as (select 1 union all select x + 1 from c limit 100) select x from "
        "c");
    db.interrupt();
    EXPECT_EQ(failureOf([&] { query.next(); }), (Failure{9, "SQLITE_INTERRUPT[9]: interrupted"}));
    EXPECT_EQ(db.queryInt("select 5"), 5);
}

}  // namespace
