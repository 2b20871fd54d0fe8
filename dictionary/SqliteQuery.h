// The rows of one query, walked forwards. A query is the single owner of its
// compiled statement: copying or assigning moves the statement and leaves the
// source empty. A query made by a SqliteStatement does not own the statement
// and never finalizes it.
#pragma once

struct sqlite3;
struct sqlite3_stmt;

class SqliteQuery {
public:
    SqliteQuery();
    SqliteQuery(sqlite3* connection, sqlite3_stmt* statement, bool atEnd, bool ownsStatement);
    // Transfers, as the layer hands queries out by value.
    SqliteQuery(SqliteQuery& other);
    SqliteQuery(SqliteQuery&& other) noexcept;
    SqliteQuery& operator=(SqliteQuery& other);
    SqliteQuery& operator=(SqliteQuery&& other) noexcept;
    virtual ~SqliteQuery();

    int columnCount() const;

    // Column values of the current row; texts stay valid until the next
    // step. columnText yields null for a NULL value.
    const char* columnText(int index) const;
    const char* columnText(const char* name) const;
    int intOr(int index, int value) const;
    int intOr(const char* name, int value) const;
    double doubleOr(int index, double value) const;
    double doubleOr(const char* name, double value) const;
    const char* textOr(int index, const char* text) const;
    const char* textOr(const char* name, const char* text) const;
    const unsigned char* blob(int index, int& length) const;
    const unsigned char* blob(const char* name, int& length) const;
    bool isNull(int index) const;
    bool isNull(const char* name) const;

    // Exact, case-sensitive match on the column's name.
    int columnIndex(const char* name) const;
    const char* columnName(int index) const;
    const char* declaredType(int index) const;
    // 1 integer, 2 float, 3 text, 4 blob, 5 NULL.
    int columnType(int index) const;

    bool atEnd() const;
    // Steps to the next row; after the last one the query is at its end.
    void next();
    void finalize();

private:
    void requireStatement() const;
    void requireIndex(int index) const;
    void takeFrom(SqliteQuery& other);
    void finalizeQuietly();

    sqlite3* connection_;
    sqlite3_stmt* statement_;
    bool atEnd_;
    int columnCount_;
    bool ownsStatement_;
};
