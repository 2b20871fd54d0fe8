// A compiled statement with bound parameters, run as often as needed. Single
// owner, like SqliteQuery: copying or assigning moves the statement.
#pragma once

#include "dictionary/SqliteQuery.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteStatement {
public:
    SqliteStatement();
    SqliteStatement(sqlite3* connection, sqlite3_stmt* statement);
    SqliteStatement(SqliteStatement& other);
    SqliteStatement(SqliteStatement&& other) noexcept;
    // Finalizes the statement held before taking the other's.
    SqliteStatement& operator=(SqliteStatement& other);
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    virtual ~SqliteStatement();

    // Returns the rows changed; the statement is reset for the next run.
    int executeUpdate();
    // The query borrows the statement: finalizing the query leaves it usable.
    SqliteQuery runQuery();

    // Parameters are 1-based; SQLite keeps its own copy of texts and blobs.
    void bindText(int param, const char* text);
    void bindInt(int param, int value);
    void bindDouble(int param, double value);
    void bindBlob(int param, const unsigned char* bytes, int length);
    void bindNull(int param);

    void reset();
    void finalize();

private:
    void requireOpen() const;
    void requireStatement() const;
    void takeFrom(SqliteStatement& other);
    void finalizeQuietly();

    sqlite3* connection_;
    sqlite3_stmt* statement_;
};
