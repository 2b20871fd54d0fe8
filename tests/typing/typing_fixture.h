// The keyboard window on a simulated desktop, driven through
// UpdateComposition, with the rows of its dictionary file read back through
// a second connection.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "tests/support/keyboard_fixture.h"

namespace typing_test {

using Slots = SuggestionSlots;
// Rows of a table as "column|column|...", NULL as "NULL".
using Rows = std::set<std::string>;

// A word learned `times` times, a pair likewise.
inline void learnWord(DictionaryStore& store, const std::string& folded, const std::string& word,
                      int times) {
    for (int i = 0; i < times; ++i) store.LearnWord(folded, word);
}
inline void learnPair(DictionaryStore& store, const std::string& first, const std::string& next,
                      int times) {
    for (int i = 0; i < times; ++i) store.LearnPair(first, next, next);
}

// The dictionary most tests type against.
//   words: hoy 5, casa 4, hola 3, canción 2, cancion 1, mesa 1, hombre 1, cama 1
//   pairs: (., hoy) 3, (., la) 2, (., hace) 1, (hola, amigo) 2, (hola, la) 1,
//          (la, casa) 2, (la, cama) 1
// so the sentence starters at start-up are hoy, la, hace.
inline void standardWords(DictionaryStore& store, SqliteDatabase&) {
    learnWord(store, "hoy", "hoy", 5);
    learnWord(store, "casa", "casa", 4);
    learnWord(store, "hola", "hola", 3);
    learnWord(store, "cancion", "canci\xF3n", 2);
    learnWord(store, "cancion", "cancion", 1);
    learnWord(store, "mesa", "mesa", 1);
    learnWord(store, "hombre", "hombre", 1);
    learnWord(store, "cama", "cama", 1);
    learnPair(store, ".", "hoy", 3);
    learnPair(store, ".", "la", 2);
    learnPair(store, ".", "hace", 1);
    learnPair(store, "hola", "amigo", 2);
    learnPair(store, "hola", "la", 1);
    learnPair(store, "la", "casa", 2);
    learnPair(store, "la", "cama", 1);
}

// A keystroke as key activation passes it to UpdateComposition.
struct Keystroke {
    unsigned char code;
    bool shifted;
    bool control;
};
inline Keystroke plain(unsigned char code) { return {code, false, false}; }
inline Keystroke withShift(unsigned char code) { return {code, true, false}; }
inline Keystroke control(unsigned char code) { return {code, false, true}; }

class TypingTest : public pelvok_test::KeyboardTest {
protected:
    // Both connections skip the waits for the disk: durability plays no part here.
    CPelvokDlg& startWith(const pelvok_test::DictionaryFiller& fill) {
        prepareDefaultDictionary([&](DictionaryStore& store, SqliteDatabase& database) {
            database.executeUpdate("PRAGMA synchronous=OFF;");
            database.executeUpdate("PRAGMA journal_mode=MEMORY;");
            if (fill) fill(store, database);
        });
        CPelvokDlg& keyboard = start();
        if (keyboard.dictionaryAvailable()) {
            keyboard.database.executeUpdate("PRAGMA synchronous=OFF;");
            keyboard.database.executeUpdate("PRAGMA journal_mode=MEMORY;");
        }
        return keyboard;
    }

    void press(const Keystroke& key) {
        window().UpdateComposition(key.code, key.shifted, key.control);
    }
    // Each byte as a plain character key.
    void type(const std::string& text) {
        for (const char c : text) press(plain(static_cast<unsigned char>(c)));
    }

    // The line with its marker at its (only) '_'.
    void setLine(const std::string& line) {
        window().textLine = line;
        window().cursorPos = static_cast<int>(line.find('_'));
    }

    Rows words() { return rows("SELECT palabra, pSinAcento, repPal FROM palabras"); }
    Rows pairs() { return rows("SELECT palabra, siguiente, sSinAcento, repSig FROM siguientes"); }

    // The rows of `after` that `before` lacks: new rows and changed counts.
    static Rows added(const Rows& before, const Rows& after) {
        Rows result;
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                            std::inserter(result, result.begin()));
        return result;
    }

private:
    Rows rows(const std::string& sql) {
        SqliteDatabase database;
        database.open(desktop().files().sqlitePath(pelvok_test::kDefaultDictionary));
        SqliteQuery query = database.runQuery(sql);
        Rows result;
        while (!query.atEnd()) {
            std::string row;
            for (int i = 0; i < query.columnCount(); ++i) {
                if (i > 0) row += '|';
                row += query.textOr(i, "NULL");
            }
            result.insert(row);
            query.next();
        }
        return result;
    }
};

}  // namespace typing_test
