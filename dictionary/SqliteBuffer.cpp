#include "dictionary/SqliteBuffer.h"

#include <sqlite3.h>

#include <cstdarg>

SqliteBuffer::SqliteBuffer() : text_(nullptr) {}

SqliteBuffer::~SqliteBuffer() { clear(); }

void SqliteBuffer::clear() {
    sqlite3_free(text_);
    text_ = nullptr;
}

const char* SqliteBuffer::format(const char* fmt, ...) {
    clear();
    va_list arguments;
    va_start(arguments, fmt);
    text_ = sqlite3_vmprintf(fmt, arguments);
    va_end(arguments);
    return text_;
}
