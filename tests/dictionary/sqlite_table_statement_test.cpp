#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "dictionary/SqliteDatabase.h"
#include "tests/dictionary/failure.h"

namespace {

class SqliteTableTest : public testing::Test {
protected:
    void SetUp() override {
        db.open(":memory:");
        db.executeUpdate(
            "create table palabras(palabra char(40), pSinAcento char(40), repPal int);"
            "insert into palabras values('casa', 'casa', 3);"
            "insert into palabras values(NULL, 'nada', NULL);"
            "insert into palabras values('\xE1rbol', 'arbol', 1);");
    }
    SqliteDatabase db;
};

TEST_F(SqliteTableTest, CellsOfTheSelectedRow) {
    SqliteTable t = db.fetchTable("select palabra, pSinAcento, repPal, 1.5 from palabras");
    EXPECT_EQ(t.columnCount(), 4);
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_STREQ(t.columnName(1), "pSinAcento");
    EXPECT_STREQ(t.cell(0), "casa");
    EXPECT_EQ(t.intOr("repPal", 0), 3);
    EXPECT_DOUBLE_EQ(t.doubleOr(3, 0), 1.5);
    t.selectRow(1);
    EXPECT_TRUE(t.isNull(0));
    EXPECT_TRUE(t.isNull("repPal"));
    EXPECT_EQ(t.intOr(2, -1), -1);
    EXPECT_DOUBLE_EQ(t.doubleOr("repPal", 0.25), 0.25);
    EXPECT_STREQ(t.textOr("palabra", "error"), "error");
    EXPECT_STREQ(t.textOr(1, "error"), "nada");
    t.selectRow(2);
    EXPECT_STREQ(t.cell("palabra"), "\xE1rbol");
}

TEST_F(SqliteTableTest, RefusedIndexesNamesAndRows) {
    SqliteTable t = db.fetchTable("select palabra, repPal from palabras");
    const std::pair<std::function<void()>, Failure> cases[] = {
        {[&] { t.cell(2); }, layerFailure("Invalid field index requested")},
        {[&] { t.cell(-1); }, layerFailure("Invalid field index requested")},
        {[&] { t.columnName(2); }, layerFailure("Invalid field index requested")},
        {[&] { t.intOr(5, 0); }, layerFailure("Invalid field index requested")},
        {[&] { t.cell("Palabra"); }, layerFailure("Invalid field name requested")},
        {[&] { t.cell(static_cast<const char*>(nullptr)); },
         layerFailure("Invalid field name requested")},
        {[&] { t.textOr("nada", ""); }, layerFailure("Invalid field name requested")},
        {[&] { t.selectRow(3); }, layerFailure("Invalid row index requested")},
        {[&] { t.selectRow(-1); }, layerFailure("Invalid row index requested")},
    };
    for (const auto& [action, failure] : cases) EXPECT_EQ(failureOf(action), failure);

    SqliteTable none = db.fetchTable("select palabra from palabras where repPal > 10");
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(failureOf([&] { none.selectRow(0); }), layerFailure("Invalid row index requested"));
    EXPECT_EQ(failureOf([&] { none.cell(0); }), layerFailure("Invalid field index requested"));
}

TEST_F(SqliteTableTest, CopyingMovesTheResults) {
    SqliteTable t = db.fetchTable("select palabra from palabras");
    t.selectRow(2);
    SqliteTable copy(t);
    SqliteTable assigned;
    EXPECT_EQ(failureOf([&] { assigned.rowCount(); }), layerFailure("Null Results pointer"));
    assigned = copy;
    assigned = db.fetchTable("select 1, 2");
    EXPECT_EQ(assigned.columnCount(), 2);
    EXPECT_EQ(failureOf([&] { t.cell(0); }), layerFailure("Null Results pointer"));
    EXPECT_EQ(failureOf([&] { copy.selectRow(0); }), layerFailure("Null Results pointer"));
    assigned.release();
    assigned.release();
    EXPECT_EQ(failureOf([&] { assigned.columnName(0); }), layerFailure("Null Results pointer"));
}

class SqliteStatementTest : public SqliteTableTest {};

TEST_F(SqliteStatementTest, BindsAndRunsRepeatedly) {
    SqliteStatement insert = db.prepare("insert into palabras values(?, ?, ?)");
    insert.bindText(1, "l!home");
    insert.bindText(2, "it's");
    insert.bindInt(3, 7);
    EXPECT_EQ(insert.executeUpdate(), 1);
    insert.bindText(1, "doble");
    insert.bindNull(2);
    insert.bindDouble(3, 2.0);
    EXPECT_EQ(insert.executeUpdate(), 1);
    const unsigned char bytes[] = {0, 39, 255};
    insert.bindBlob(1, bytes, 3);
    EXPECT_EQ(insert.executeUpdate(), 1);
    EXPECT_EQ(db.queryInt("select count(*) from palabras where pSinAcento = 'it''s'"), 1);
    EXPECT_EQ(db.queryInt("select repPal from palabras where palabra = 'doble'"), 2);
    EXPECT_EQ(db.queryInt("select length(palabra) from palabras where typeof(palabra) = 'blob'"),
              3);

    SqliteStatement update = db.prepare("update palabras set repPal = repPal + 1");
    EXPECT_EQ(update.executeUpdate(), 6);
}

TEST_F(SqliteStatementTest, ItsQueriesLeaveItUsable) {
    SqliteStatement select = db.prepare("select palabra from palabras where pSinAcento = ?");
    for (const auto& [folded, word] : {std::pair{"casa", "casa"}, {"arbol", "\xE1rbol"}}) {
        select.bindText(1, folded);
        {
            SqliteQuery q = select.runQuery();
            EXPECT_STREQ(q.columnText(0), word);
            q.next();
            EXPECT_TRUE(q.atEnd());
            q.finalize();
            EXPECT_EQ(failureOf([&] { q.atEnd(); }), layerFailure("Null Virtual Machine pointer"));
        }
        select.reset();
    }
    select.bindText(1, "ninguna");
    EXPECT_TRUE(select.runQuery().atEnd());
    select.reset();

    // A query that fails while stepping resets the statement, never finalizes it.
    db.executeUpdate("create table big(v int); insert into big values(-9223372036854775807 - 1);");
    SqliteStatement overflow =
        db.prepare("select abs(v) from (select 1 as v union all select v from big)");
    SqliteQuery q = overflow.runQuery();
    EXPECT_EQ(failureOf([&] { q.next(); }), (Failure{1, "SQLITE_ERROR[1]: integer overflow"}));
    EXPECT_EQ(overflow.runQuery().intOr(0, 0), 1);
}

TEST_F(SqliteStatementTest, FailuresCarryTheResetCodeOrTheBindText) {
    db.executeUpdate("create table u(a unique); insert into u values(1);");
    SqliteStatement insert = db.prepare("insert into u values(?)");
    insert.bindInt(1, 1);
    const Failure constraint{19, "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: u.a"};
    EXPECT_EQ(failureOf([&] { insert.executeUpdate(); }), constraint);
    EXPECT_EQ(failureOf([&] { insert.runQuery(); }), constraint);
    insert.bindInt(1, 2);
    EXPECT_EQ(insert.executeUpdate(), 1);

    const unsigned char byte = 0;
    const std::pair<std::function<void()>, Failure> binds[] = {
        {[&] { insert.bindText(2, "x"); }, {25, "SQLITE_RANGE[25]: Error binding string param"}},
        {[&] { insert.bindInt(0, 1); }, {25, "SQLITE_RANGE[25]: Error binding int param"}},
        {[&] { insert.bindDouble(9, 1); }, {25, "SQLITE_RANGE[25]: Error binding double param"}},
        {[&] { insert.bindBlob(2, &byte, 1); }, {25, "SQLITE_RANGE[25]: Error binding blob param"}},
        {[&] { insert.bindNull(-1); }, {25, "SQLITE_RANGE[25]: Error binding NULL param"}},
    };
    for (const auto& [action, failure] : binds) EXPECT_EQ(failureOf(action), failure);
}

TEST_F(SqliteStatementTest, AStatementWithoutHandleRefusesToRun) {
    SqliteStatement none;
    EXPECT_EQ(failureOf([&] { none.executeUpdate(); }), layerFailure("Database not open"));
    EXPECT_EQ(failureOf([&] { none.runQuery(); }), layerFailure("Database not open"));
    none.reset();
    none.finalize();

    SqliteStatement s = db.prepare("select 1");
    SqliteStatement copy(s);
    EXPECT_EQ(failureOf([&] { s.executeUpdate(); }), layerFailure("Null Virtual Machine pointer"));
    EXPECT_EQ(failureOf([&] { s.runQuery(); }), layerFailure("Null Virtual Machine pointer"));
    EXPECT_EQ(failureOf([&] { s.bindInt(1, 1); }), layerFailure("Null Virtual Machine pointer"));
    SqliteStatement assigned = db.prepare("select 2");
    // The statement held before is finalized, not leaked (the sanitizer build
    // reports leaks).
    assigned = copy;
    EXPECT_EQ(assigned.runQuery().intOr(0, 0), 1);
    assigned.reset();
    assigned.finalize();
    EXPECT_EQ(failureOf([&] { assigned.runQuery(); }),
              layerFailure("Null Virtual Machine pointer"));
    EXPECT_EQ(failureOf([&] { db.prepare("selec 1"); }), (Failure{1, "SQLITE_ERROR[1]: "}));
}

}  // namespace
