// A whole query result fetched at once: all cells as texts, a null pointer
// for NULL. One row at a time is current. Single owner, like SqliteQuery.
#pragma once

class SqliteTable {
public:
    SqliteTable();
    // results comes from sqlite3_get_table: (rows + 1) * columns texts,
    // row-major, the first row holding the column names.
    SqliteTable(char** results, int rows, int columns);
    SqliteTable(SqliteTable& other);
    SqliteTable(SqliteTable&& other) noexcept;
    SqliteTable& operator=(SqliteTable& other);
    SqliteTable& operator=(SqliteTable&& other) noexcept;
    virtual ~SqliteTable();

    int columnCount() const;
    int rowCount() const;

    // Cells of the current row.
    const char* cell(int index) const;
    const char* cell(const char* name) const;
    int intOr(int index, int value) const;
    int intOr(const char* name, int value) const;
    double doubleOr(int index, double value) const;
    double doubleOr(const char* name, double value) const;
    const char* textOr(int index, const char* text) const;
    const char* textOr(const char* name, const char* text) const;
    bool isNull(int index) const;
    bool isNull(const char* name) const;

    const char* columnName(int index) const;
    void selectRow(int row);
    void release();

private:
    void requireResults() const;
    int columnOf(const char* name) const;
    void takeFrom(SqliteTable& other);

    char** results_;
    int rows_;
    int columns_;
    int currentRow_;
};
