#include "dictionary/shown_word.h"

#include <algorithm>

#include "dictionary/SqliteQuery.h"

std::string WithoutApostrophes(std::string word) {
    std::replace(word.begin(), word.end(), '\'', '!');
    return word;
}

std::string WithApostrophes(std::string word) {
    std::replace(word.begin(), word.end(), '!', '\'');
    return word;
}

std::string ShownWord(const SqliteQuery& row) {
    const char* text = row.textOr(0, "error");
    return WithApostrophes(text ? text : "error");
}
