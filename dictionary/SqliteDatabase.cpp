#include "dictionary/SqliteDatabase.h"

#include <sqlite3.h>

#include "dictionary/SqliteConvert.h"
#include "dictionary/SqliteException.h"

SqliteDatabase::SqliteDatabase() : connection_(nullptr), busyTimeoutMs_(kDefaultBusyTimeoutMs) {}

SqliteDatabase::~SqliteDatabase() { close(); }

void SqliteDatabase::open(const std::string& path) {
    close();
    sqlite3* connection = nullptr;
    int code = sqlite3_open(path.c_str(), &connection);
    if (code != SQLITE_OK) {
        // A handle that failed to open is of no use; release it so that the
        // database reads as closed and every later call says so.
        SqliteException failure(code, connection ? sqlite3_errmsg(connection) : nullptr);
        sqlite3_close(connection);
        throw failure;
    }
    connection_ = connection;
    // A file is data: the triggers of a foreign one never run here, nor do
    // functions with side effects in its schema.
    sqlite3_db_config(connection_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(connection_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    setBusyWait(busyTimeoutMs_);
}

void SqliteDatabase::close() {
    if (connection_) {
        // A query still alive keeps its statement; close_v2 lets the
        // connection go once that statement is finalized instead of never.
        sqlite3_close_v2(connection_);
        connection_ = nullptr;
    }
}

int SqliteDatabase::executeUpdate(const std::string& sql) {
    requireOpen();
    char* error = nullptr;
    int code = sqlite3_exec(connection_, sql.c_str(), nullptr, nullptr, &error);
    if (code != SQLITE_OK) throw SqliteException(code, error, true);
    return sqlite3_changes(connection_);
}

SqliteQuery SqliteDatabase::runQuery(const std::string& sql) {
    requireOpen();
    sqlite3_stmt* statement = compile(sql);
    // A text without any statement (blanks, a comment) compiles to nothing.
    if (!statement)
        throw SqliteException(SqliteException::kLayerError, "Null Virtual Machine pointer");
    int result = sqlite3_step(statement);
    if (result == SQLITE_DONE) return SqliteQuery(connection_, statement, true, true);
    if (result == SQLITE_ROW) return SqliteQuery(connection_, statement, false, true);
    int code = sqlite3_finalize(statement);
    throw SqliteException(code, sqlite3_errmsg(connection_));
}

int SqliteDatabase::queryInt(const std::string& sql) {
    SqliteQuery query = runQuery(sql);
    if (query.atEnd() || query.columnCount() < 1)
        throw SqliteException(SqliteException::kLayerError, "Invalid scalar query");
    int value = sqliteTextToInt(query.columnText(0));
    query.finalize();
    return value;
}

bool SqliteDatabase::hasTable(const std::string& name) {
    // A name cut short by a NUL byte would ask about another table.
    if (name.find('\0') != std::string::npos) return false;
    // %q doubles any quote, so the name stays one literal whatever it holds.
    // Table names are the same in any case of their ASCII letters, as NOCASE
    // compares them.
    char* sql = sqlite3_mprintf(
        "select count(*) from sqlite_master where type='table' and name='%q' collate nocase",
        name.c_str());
    if (!sql) throw SqliteException(SQLITE_NOMEM, sqlite3_errstr(SQLITE_NOMEM));
    std::string text(sql);
    sqlite3_free(sql);
    return queryInt(text) > 0;
}

bool SqliteDatabase::inTransaction() const {
    return connection_ != nullptr && sqlite3_get_autocommit(connection_) == 0;
}

std::int64_t SqliteDatabase::lastInsertRowId() {
    requireOpen();
    return sqlite3_last_insert_rowid(connection_);
}

SqliteTable SqliteDatabase::fetchTable(const std::string& sql) {
    requireOpen();
    char** results = nullptr;
    int rows = 0;
    int columns = 0;
    char* error = nullptr;
    int code = sqlite3_get_table(connection_, sql.c_str(), &results, &rows, &columns, &error);
    if (code != SQLITE_OK) throw SqliteException(code, error, true);
    return SqliteTable(results, rows, columns);
}

SqliteStatement SqliteDatabase::prepare(const std::string& sql) {
    requireOpen();
    return SqliteStatement(connection_, compile(sql));
}

void SqliteDatabase::setBusyWait(int ms) {
    busyTimeoutMs_ = ms;
    if (connection_) sqlite3_busy_timeout(connection_, ms);
}

void SqliteDatabase::interrupt() {
    if (connection_) sqlite3_interrupt(connection_);
}

void SqliteDatabase::requireOpen() {
    if (!connection_) throw SqliteException(SqliteException::kLayerError, "Database not open");
}

sqlite3_stmt* SqliteDatabase::compile(const std::string& sql) {
    requireOpen();
    sqlite3_stmt* statement = nullptr;
    // The v2 interface recompiles a statement whose schema changed instead of
    // failing, which matters for statements kept and run again.
    int code = sqlite3_prepare_v2(connection_, sql.c_str(), -1, &statement, nullptr);
    if (code != SQLITE_OK) throw SqliteException(code, nullptr);
    return statement;
}
