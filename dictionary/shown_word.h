// The apostrophe convention: no word holds an apostrophe when it reaches the
// dictionary, '!' stands in for it (the statements paste words between single
// quotes), and a word read back shows the apostrophe again.
#pragma once

#include <string>

class SqliteQuery;

// The word with '!' for each apostrophe, as the dictionary holds it.
std::string WithoutApostrophes(std::string word);
// The word with each '!' shown as an apostrophe.
std::string WithApostrophes(std::string word);
// A control byte (0x00-0x1F, 0x7F): a word from a file is text, and such a
// byte would reach the application as a command (Ctrl+A, Backspace).
bool IsControlByte(unsigned char c);
bool HoldsControlByte(const std::string& word);
// The word of the row's first column as a key shows it; a NULL reads "error".
std::string ShownWord(const SqliteQuery& row);
// The shown word of the next row without a control byte, the rows up to it
// passed over; "" when the rows end first.
std::string NextShownWord(SqliteQuery& rows);
