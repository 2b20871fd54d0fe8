// Every statement assembled with hostile words (one a line of the input):
// outside its string literals each text is the one assembled with a plain
// word, so no word changes a statement; each runs on a dictionary in memory
// without a failure, as do learning and deleting through the store.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"
#include "dictionary/statements.h"

namespace {

using Words = std::vector<std::string>;
using Assembly = std::function<std::string(const Words&)>;

const Assembly kAssemblies[] = {
    [](const Words& w) { return statements::CountWord(w[0], w[1]); },
    [](const Words& w) { return statements::InsertWord(w[0], w[1]); },
    [](const Words& w) { return statements::IncrementWord(w[0], w[1]); },
    [](const Words& w) { return statements::MaxWordCount(w[0], w[1]); },
    [](const Words& w) { return statements::CountPair(w[0], w[1], w[2]); },
    [](const Words& w) { return statements::InsertPair(w[0], w[1], w[2]); },
    [](const Words& w) { return statements::IncrementPair(w[0], w[1], w[2]); },
    [](const Words& w) { return statements::MaxPairCount(w[0], w[1], w[2]); },
    [](const Words& w) { return statements::DeleteWord(w[0]); },
    [](const Words& w) { return statements::DeleteSuccessors(w[0]); },
    [](const Words& w) { return statements::P1(w[0]); },
    [](const Words& w) { return statements::P2(w[0]); },
    [](const Words& w) { return statements::P3(w[0]); },
    [](const Words& w) { return statements::N1(w[0], w[1]); },
    [](const Words& w) { return statements::N2(w[0], w[1]); },
    [](const Words& w) { return statements::N3(w[0]); },
    [](const Words& w) { return statements::N4(w[0]); },
    [](const Words& w) { return statements::S3(w[0]); },
    [](const Words& w) { return statements::S4(w[0]); },
};

// The text with the contents of its '...' literals left out.
std::string outsideLiterals(const std::string& sql) {
    std::string kept;
    bool inside = false;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        if (sql[i] != '\'') {
            if (!inside) kept += sql[i];
        } else if (inside && i + 1 < sql.size() && sql[i + 1] == '\'') {
            ++i;
        } else {
            inside = !inside;
            kept += '\'';
        }
    }
    return kept;
}

SqliteDatabase& dictionary() {
    static SqliteDatabase* database = [] {
        auto* opened = new SqliteDatabase;
        opened->open(":memory:");
        DictionaryStore store(*opened);
        store.CreateWordsTable();
        store.CreateSuccessorsTable();
        store.EnsureIndexes();
        return opened;
    }();
    return *database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Words words(3);
    std::size_t k = 0;
    for (std::size_t i = 0; i < size && k < words.size(); ++i) {
        if (data[i] == '\n') {
            ++k;
        } else {
            words[k] += static_cast<char>(data[i]);
        }
    }
    const Words plain(3, "x");
    // SQLite reads a text up to its first NUL; no word with a control byte
    // reaches a statement (the keyboard neither learns nor shows one).
    bool runs = true;
    for (const std::string& word : words) runs = runs && word.find('\0') == std::string::npos;

    SqliteDatabase& database = dictionary();
    for (const Assembly& assemble : kAssemblies) {
        const std::string sql = assemble(words);
        if (outsideLiterals(sql) != outsideLiterals(assemble(plain))) std::abort();
        if (!runs) continue;
        try {
            database.executeUpdate(sql);
        } catch (const SqliteException&) {
            std::abort();
        }
    }
    if (!runs) return 0;
    DictionaryStore store(database);
    try {
        store.LearnWord(words[0], words[1]);
        store.LearnPair(words[0], words[1], words[2]);
        store.DeleteWord(words[1]);
    } catch (const SqliteException&) {
        std::abort();
    }
    return 0;
}
