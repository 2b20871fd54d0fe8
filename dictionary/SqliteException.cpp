#include "dictionary/SqliteException.h"

#include <sqlite3.h>

namespace {

char* copyMessage(const char* message) {
    return message ? sqlite3_mprintf("%s", message) : nullptr;
}

}  // namespace

SqliteException::SqliteException(int code, const char* text, bool takeOverText)
    : code_(code), message_(sqlite3_mprintf("%s[%d]: %s", codeName(code), code, text ? text : "")) {
    if (takeOverText && text) sqlite3_free(const_cast<char*>(text));
}

SqliteException::SqliteException(const SqliteException& other)
    : code_(other.code_), message_(copyMessage(other.message_)) {}

SqliteException& SqliteException::operator=(const SqliteException& other) {
    if (this != &other) {
        char* copy = copyMessage(other.message_);
        sqlite3_free(message_);
        message_ = copy;
        code_ = other.code_;
    }
    return *this;
}

SqliteException::~SqliteException() { sqlite3_free(message_); }

const char* SqliteException::codeName(int code) {
    struct Name {
        int code;
        const char* name;
    };
    static const Name kNames[] = {
        {SQLITE_OK, "SQLITE_OK"},
        {SQLITE_ERROR, "SQLITE_ERROR"},
        {SQLITE_INTERNAL, "SQLITE_INTERNAL"},
        {SQLITE_PERM, "SQLITE_PERM"},
        {SQLITE_ABORT, "SQLITE_ABORT"},
        {SQLITE_BUSY, "SQLITE_BUSY"},
        {SQLITE_LOCKED, "SQLITE_LOCKED"},
        {SQLITE_NOMEM, "SQLITE_NOMEM"},
        {SQLITE_READONLY, "SQLITE_READONLY"},
        {SQLITE_INTERRUPT, "SQLITE_INTERRUPT"},
        {SQLITE_IOERR, "SQLITE_IOERR"},
        {SQLITE_CORRUPT, "SQLITE_CORRUPT"},
        {SQLITE_NOTFOUND, "SQLITE_NOTFOUND"},
        {SQLITE_FULL, "SQLITE_FULL"},
        {SQLITE_CANTOPEN, "SQLITE_CANTOPEN"},
        {SQLITE_PROTOCOL, "SQLITE_PROTOCOL"},
        {SQLITE_EMPTY, "SQLITE_EMPTY"},
        {SQLITE_SCHEMA, "SQLITE_SCHEMA"},
        {SQLITE_TOOBIG, "SQLITE_TOOBIG"},
        {SQLITE_CONSTRAINT, "SQLITE_CONSTRAINT"},
        {SQLITE_MISMATCH, "SQLITE_MISMATCH"},
        {SQLITE_MISUSE, "SQLITE_MISUSE"},
        {SQLITE_NOLFS, "SQLITE_NOLFS"},
        {SQLITE_AUTH, "SQLITE_AUTH"},
        {SQLITE_FORMAT, "SQLITE_FORMAT"},
        {SQLITE_RANGE, "SQLITE_RANGE"},
        {SQLITE_ROW, "SQLITE_ROW"},
        {SQLITE_DONE, "SQLITE_DONE"},
        {kLayerError, "SQLITE_LAYER_ERROR"},
    };
    for (const Name& entry : kNames) {
        if (entry.code == code) return entry.name;
    }
    return "UNKNOWN_ERROR";
}
