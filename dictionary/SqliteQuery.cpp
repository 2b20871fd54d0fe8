#include "dictionary/SqliteQuery.h"

#include <sqlite3.h>

#include <cstring>

#include "dictionary/SqliteException.h"

SqliteQuery::SqliteQuery()
    : connection_(nullptr),
      statement_(nullptr),
      atEnd_(true),
      columnCount_(0),
      ownsStatement_(false) {}

SqliteQuery::SqliteQuery(sqlite3* connection, sqlite3_stmt* statement, bool atEnd,
                         bool ownsStatement)
    : connection_(connection),
      statement_(statement),
      atEnd_(atEnd),
      columnCount_(statement ? sqlite3_column_count(statement) : 0),
      ownsStatement_(ownsStatement) {}

SqliteQuery::SqliteQuery(SqliteQuery& other) : SqliteQuery() { takeFrom(other); }

SqliteQuery::SqliteQuery(SqliteQuery&& other) noexcept : SqliteQuery() { takeFrom(other); }

SqliteQuery& SqliteQuery::operator=(SqliteQuery& other) {
    if (this != &other) {
        finalizeQuietly();
        takeFrom(other);
    }
    return *this;
}

SqliteQuery& SqliteQuery::operator=(SqliteQuery&& other) noexcept {
    return operator=(static_cast<SqliteQuery&>(other));
}

SqliteQuery::~SqliteQuery() { finalizeQuietly(); }

void SqliteQuery::takeFrom(SqliteQuery& other) {
    connection_ = other.connection_;
    statement_ = other.statement_;
    atEnd_ = other.atEnd_;
    columnCount_ = other.columnCount_;
    ownsStatement_ = other.ownsStatement_;
    other.statement_ = nullptr;
}

void SqliteQuery::finalizeQuietly() {
    try {
        finalize();
    } catch (const SqliteException&) {
    }
}

int SqliteQuery::columnCount() const {
    requireStatement();
    return columnCount_;
}

const char* SqliteQuery::columnText(int index) const {
    requireIndex(index);
    return reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
}

const char* SqliteQuery::columnText(const char* name) const {
    return columnText(columnIndex(name));
}

int SqliteQuery::intOr(int index, int value) const {
    if (columnType(index) == SQLITE_NULL) return value;
    return sqlite3_column_int(statement_, index);
}

int SqliteQuery::intOr(const char* name, int value) const {
    return intOr(columnIndex(name), value);
}

double SqliteQuery::doubleOr(int index, double value) const {
    if (columnType(index) == SQLITE_NULL) return value;
    return sqlite3_column_double(statement_, index);
}

double SqliteQuery::doubleOr(const char* name, double value) const {
    return doubleOr(columnIndex(name), value);
}

const char* SqliteQuery::textOr(int index, const char* text) const {
    if (columnType(index) == SQLITE_NULL) return text;
    return reinterpret_cast<const char*>(sqlite3_column_text(statement_, index));
}

const char* SqliteQuery::textOr(const char* name, const char* text) const {
    return textOr(columnIndex(name), text);
}

const unsigned char* SqliteQuery::blob(int index, int& length) const {
    requireIndex(index);
    // The bytes are fetched first: asking for the length first could convert
    // the value and invalidate it.
    auto bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement_, index));
    length = sqlite3_column_bytes(statement_, index);
    return bytes;
}

const unsigned char* SqliteQuery::blob(const char* name, int& length) const {
    return blob(columnIndex(name), length);
}

bool SqliteQuery::isNull(int index) const { return columnType(index) == SQLITE_NULL; }

bool SqliteQuery::isNull(const char* name) const { return isNull(columnIndex(name)); }

int SqliteQuery::columnIndex(const char* name) const {
    requireStatement();
    if (name) {
        for (int i = 0; i < columnCount_; ++i) {
            const char* columnName = sqlite3_column_name(statement_, i);
            if (columnName && std::strcmp(name, columnName) == 0) return i;
        }
    }
    throw SqliteException(SqliteException::kLayerError, "Invalid field name requested");
}

const char* SqliteQuery::columnName(int index) const {
    requireIndex(index);
    return sqlite3_column_name(statement_, index);
}

const char* SqliteQuery::declaredType(int index) const {
    requireIndex(index);
    return sqlite3_column_decltype(statement_, index);
}

int SqliteQuery::columnType(int index) const {
    requireIndex(index);
    return sqlite3_column_type(statement_, index);
}

bool SqliteQuery::atEnd() const {
    requireStatement();
    return atEnd_;
}

void SqliteQuery::next() {
    requireStatement();
    // Stepping again after the end would start the query over.
    if (atEnd_) return;
    int result = sqlite3_step(statement_);
    if (result == SQLITE_DONE) {
        atEnd_ = true;
    } else if (result != SQLITE_ROW) {
        // A statement lent by a SqliteStatement is reset, never finalized:
        // its owner still holds it.
        int code = ownsStatement_ ? sqlite3_finalize(statement_) : sqlite3_reset(statement_);
        statement_ = nullptr;
        throw SqliteException(code, sqlite3_errmsg(connection_));
    }
}

void SqliteQuery::finalize() {
    if (!statement_) return;
    sqlite3_stmt* statement = statement_;
    statement_ = nullptr;
    if (!ownsStatement_) return;
    int code = sqlite3_finalize(statement);
    if (code != SQLITE_OK) throw SqliteException(code, sqlite3_errmsg(connection_));
}

void SqliteQuery::requireStatement() const {
    if (!statement_)
        throw SqliteException(SqliteException::kLayerError, "Null Virtual Machine pointer");
}

void SqliteQuery::requireIndex(int index) const {
    requireStatement();
    if (index < 0 || index >= columnCount_)
        throw SqliteException(SqliteException::kLayerError, "Invalid field index requested");
}
