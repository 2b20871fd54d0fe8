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

bool IsControlByte(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool HoldsControlByte(const std::string& word) {
    return std::any_of(word.begin(), word.end(),
                       [](char c) { return IsControlByte(static_cast<unsigned char>(c)); });
}

std::string NextShownWord(SqliteQuery& rows) {
    while (!rows.atEnd()) {
        std::string word = ShownWord(rows);
        rows.next();
        if (!HoldsControlByte(word)) return word;
    }
    return "";
}
