// The one failure type of the SQLite layer: an SQLite result code (or 1000 for
// misuse detected by the layer) and a message "NAME[code]: detail".
#pragma once

class SqliteException {
public:
    // Failures the layer detects itself.
    static constexpr int kLayerError = 1000;

    // text may be null. When takeOverText is set, text was allocated by SQLite
    // and is released with sqlite3_free once the message is built.
    SqliteException(int code, const char* text, bool takeOverText = false);
    SqliteException(const SqliteException& other);
    SqliteException& operator=(const SqliteException& other);
    virtual ~SqliteException();

    int code() const { return code_; }
    // May be null when SQLite could not allocate it.
    const char* message() const { return message_; }

    static const char* codeName(int code);

private:
    int code_;
    char* message_;
};
