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
// The word of the row's first column as a key shows it; a NULL reads "error".
std::string ShownWord(const SqliteQuery& row);
