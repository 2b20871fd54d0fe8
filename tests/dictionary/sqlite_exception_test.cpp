#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "dictionary/SqliteException.h"

namespace {

struct NameCase {
    int code;
    const char* name;
};

const NameCase kNames[] = {
    {0, "SQLITE_OK"},        {1, "SQLITE_ERROR"},          {2, "SQLITE_INTERNAL"},
    {3, "SQLITE_PERM"},      {4, "SQLITE_ABORT"},          {5, "SQLITE_BUSY"},
    {6, "SQLITE_LOCKED"},    {7, "SQLITE_NOMEM"},          {8, "SQLITE_READONLY"},
    {9, "SQLITE_INTERRUPT"}, {10, "SQLITE_IOERR"},         {11, "SQLITE_CORRUPT"},
    {12, "SQLITE_NOTFOUND"}, {13, "SQLITE_FULL"},          {14, "SQLITE_CANTOPEN"},
    {15, "SQLITE_PROTOCOL"}, {16, "SQLITE_EMPTY"},         {17, "SQLITE_SCHEMA"},
    {18, "SQLITE_TOOBIG"},   {19, "SQLITE_CONSTRAINT"},    {20, "SQLITE_MISMATCH"},
    {21, "SQLITE_MISUSE"},   {22, "SQLITE_NOLFS"},         {23, "SQLITE_AUTH"},
    {24, "SQLITE_FORMAT"},   {25, "SQLITE_RANGE"},         {100, "SQLITE_ROW"},
    {101, "SQLITE_DONE"},    {1000, "SQLITE_LAYER_ERROR"}, {26, "UNKNOWN_ERROR"},
    {27, "UNKNOWN_ERROR"},   {99, "UNKNOWN_ERROR"},        {102, "UNKNOWN_ERROR"},
    {999, "UNKNOWN_ERROR"},  {1001, "UNKNOWN_ERROR"},      {-1, "UNKNOWN_ERROR"},
    {266, "UNKNOWN_ERROR"},
};

TEST(SqliteExceptionTest, CodeNames) {
    for (const NameCase& c : kNames) {
        EXPECT_STREQ(SqliteException::codeName(c.code), c.name) << c.code;
    }
}

struct MessageCase {
    int code;
    const char* text;
    const char* message;
};

const MessageCase kMessages[] = {
    {1000, "Database not open", "SQLITE_LAYER_ERROR[1000]: Database not open"},
    {1, nullptr, "SQLITE_ERROR[1]: "},
    {5, "", "SQLITE_BUSY[5]: "},
    {26, "file is not a database", "UNKNOWN_ERROR[26]: file is not a database"},
    {-7, "x", "UNKNOWN_ERROR[-7]: x"},
    // The detail is pasted as it is, never read as a format.
    {19, "100% %s %n", "SQLITE_CONSTRAINT[19]: 100% %s %n"},
};

TEST(SqliteExceptionTest, MessageIsNameCodeAndDetail) {
    for (const MessageCase& c : kMessages) {
        SqliteException e(c.code, c.text);
        EXPECT_EQ(e.code(), c.code);
        EXPECT_STREQ(e.message(), c.message);
    }
}

// Run under the sanitizers: a text taken over is freed once, and only then.
TEST(SqliteExceptionTest, TakesOverTextAllocatedBySqlite) {
    char* text = sqlite3_mprintf("no such table: %s", "palabras");
    SqliteException e(1, text, true);
    EXPECT_STREQ(e.message(), "SQLITE_ERROR[1]: no such table: palabras");

    SqliteException withoutText(1, nullptr, true);
    EXPECT_STREQ(withoutText.message(), "SQLITE_ERROR[1]: ");
}

TEST(SqliteExceptionTest, CopiesOwnTheirMessage) {
    auto original = std::make_unique<SqliteException>(8, "attempt to write a readonly database");
    SqliteException copy(*original);
    SqliteException assigned(0, "other");
    assigned = *original;
    original.reset();
    const char* expected = "SQLITE_READONLY[8]: attempt to write a readonly database";
    EXPECT_EQ(copy.code(), 8);
    EXPECT_STREQ(copy.message(), expected);
    EXPECT_EQ(assigned.code(), 8);
    EXPECT_STREQ(assigned.message(), expected);
    // Through a reference: assigning a variable to itself by name is a warning.
    const SqliteException& self = assigned;
    assigned = self;
    EXPECT_STREQ(assigned.message(), expected);
}

}  // namespace
