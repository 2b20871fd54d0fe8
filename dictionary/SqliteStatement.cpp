#include "dictionary/SqliteStatement.h"

#include <sqlite3.h>

#include "dictionary/SqliteException.h"

SqliteStatement::SqliteStatement() : connection_(nullptr), statement_(nullptr) {}

SqliteStatement::SqliteStatement(sqlite3* connection, sqlite3_stmt* statement)
    : connection_(connection), statement_(statement) {}

SqliteStatement::SqliteStatement(SqliteStatement& other) : SqliteStatement() { takeFrom(other); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept : SqliteStatement() {
    takeFrom(other);
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement& other) {
    if (this != &other) {
        finalizeQuietly();
        takeFrom(other);
    }
    return *this;
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    return operator=(static_cast<SqliteStatement&>(other));
}

SqliteStatement::~SqliteStatement() { finalizeQuietly(); }

void SqliteStatement::takeFrom(SqliteStatement& other) {
    connection_ = other.connection_;
    statement_ = other.statement_;
    other.statement_ = nullptr;
}

void SqliteStatement::finalizeQuietly() {
    try {
        finalize();
    } catch (const SqliteException&) {
    }
}

int SqliteStatement::executeUpdate() {
    requireOpen();
    requireStatement();
    int result = sqlite3_step(statement_);
    if (result == SQLITE_DONE) {
        int changes = sqlite3_changes(connection_);
        int code = sqlite3_reset(statement_);
        if (code == SQLITE_OK) return changes;
        throw SqliteException(code, sqlite3_errmsg(connection_));
    }
    int code = sqlite3_reset(statement_);
    throw SqliteException(code, sqlite3_errmsg(connection_));
}

SqliteQuery SqliteStatement::runQuery() {
    requireOpen();
    requireStatement();
    int result = sqlite3_step(statement_);
    if (result == SQLITE_DONE) return SqliteQuery(connection_, statement_, true, false);
    if (result == SQLITE_ROW) return SqliteQuery(connection_, statement_, false, false);
    int code = sqlite3_reset(statement_);
    throw SqliteException(code, sqlite3_errmsg(connection_));
}

void SqliteStatement::bindText(int param, const char* text) {
    requireStatement();
    int code = sqlite3_bind_text(statement_, param, text, -1, SQLITE_TRANSIENT);
    if (code != SQLITE_OK) throw SqliteException(code, "Error binding string param");
}

void SqliteStatement::bindInt(int param, int value) {
    requireStatement();
    int code = sqlite3_bind_int(statement_, param, value);
    if (code != SQLITE_OK) throw SqliteException(code, "Error binding int param");
}

void SqliteStatement::bindDouble(int param, double value) {
    requireStatement();
    int code = sqlite3_bind_double(statement_, param, value);
    if (code != SQLITE_OK) throw SqliteException(code, "Error binding double param");
}

void SqliteStatement::bindBlob(int param, const unsigned char* bytes, int length) {
    requireStatement();
    int code = sqlite3_bind_blob(statement_, param, bytes, length, SQLITE_TRANSIENT);
    if (code != SQLITE_OK) throw SqliteException(code, "Error binding blob param");
}

void SqliteStatement::bindNull(int param) {
    requireStatement();
    int code = sqlite3_bind_null(statement_, param);
    if (code != SQLITE_OK) throw SqliteException(code, "Error binding NULL param");
}

void SqliteStatement::reset() {
    if (!statement_) return;
    int code = sqlite3_reset(statement_);
    if (code != SQLITE_OK) throw SqliteException(code, sqlite3_errmsg(connection_));
}

void SqliteStatement::finalize() {
    if (!statement_) return;
    int code = sqlite3_finalize(statement_);
    statement_ = nullptr;
    if (code != SQLITE_OK) throw SqliteException(code, sqlite3_errmsg(connection_));
}

void SqliteStatement::requireOpen() const {
    if (!connection_) throw SqliteException(SqliteException::kLayerError, "Database not open");
}

void SqliteStatement::requireStatement() const {
    if (!statement_)
        throw SqliteException(SqliteException::kLayerError, "Null Virtual Machine pointer");
}
