// A text formatted with SQLite's printf (%q, %Q and %w quote for SQL), owned
// until the next format or clear.
#pragma once

class SqliteBuffer {
public:
    SqliteBuffer();
    SqliteBuffer(const SqliteBuffer&) = delete;
    SqliteBuffer& operator=(const SqliteBuffer&) = delete;
    ~SqliteBuffer();

    void clear();
    const char* format(const char* fmt, ...);
    // Null while empty.
    const char* text() const { return text_; }

private:
    char* text_;
};
