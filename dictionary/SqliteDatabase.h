// One connection to an SQLite database file. Every failure arrives as a
// SqliteException.
#pragma once

#include <cstdint>
#include <string>

#include "dictionary/SqliteQuery.h"
#include "dictionary/SqliteStatement.h"
#include "dictionary/SqliteTable.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteDatabase {
public:
    SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    virtual ~SqliteDatabase();

    // A failed open leaves the database closed.
    void open(const std::string& path);
    void close();
    bool isOpen() const { return connection_ != nullptr; }

    // Runs one or more statements; returns the rows changed by the last one.
    int executeUpdate(const std::string& sql);
    // A fresh query is either at its end or on its first row.
    SqliteQuery runQuery(const std::string& sql);
    // The first value of the first row, as an integer.
    int queryInt(const std::string& sql);
    bool hasTable(const std::string& name);
    // Whether a transaction begun on this connection is still open.
    bool inTransaction() const;
    std::int64_t lastInsertRowId();

    // Whole result at once, and statements with bound parameters.
    SqliteTable fetchTable(const std::string& sql);
    SqliteStatement prepare(const std::string& sql);

    // How long a statement waits for a file locked by another connection.
    void setBusyWait(int ms);
    int busyTimeoutMs() const { return busyTimeoutMs_; }
    // Makes the running statements fail with SQLITE_INTERRUPT; nothing when closed.
    void interrupt();

    void requireOpen();
    sqlite3_stmt* compile(const std::string& sql);

    static constexpr int kDefaultBusyTimeoutMs = 60000;

private:
    sqlite3* connection_;
    int busyTimeoutMs_;
};
