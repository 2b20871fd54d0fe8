// A dictionary file of any bytes, used as the keyboard uses the one it
// opens: tables made when missing, indexes, the sentence starters and the
// frequent words, a word and a pair learned, the six keys filled. A failure
// may only arrive as a SqliteException, which the keyboard shows.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"
#include "dictionary/shown_word.h"
#include "dictionary/statements.h"
#include "fuzz/input_file.h"
#include "typing/suggestion_fill.h"

namespace {

void useAsTheKeyboardDoes(SqliteDatabase& database) {
    DictionaryStore store(database);
    store.CreateWordsTableIfMissing();
    store.CreateSuccessorsTableIfMissing();
    try {
        store.EnsureIndexes();
    } catch (const SqliteException&) {
        // Only speed depends on them.
    }
    SuggestionSlots suggestions;
    SuggestionSlots starters;
    store.LoadSentenceStartersAtStartup(suggestions, starters);
    store.LoadFrequentWords(suggestions);
    {
        LearningTransaction learning(database);
        store.LearnWord("casa", "casa");
        store.LearnPair(".", "casa", "casa");
        learning.commit();
    }
    FirstSource first =
        RunFirstSource(database, {{statements::N1(".", "ca"), statements::N2(".", "ca")},
                                  {statements::P1("ca"), statements::P2("ca")}});
    FillWithSecondList(database, first, "ca", suggestions);
    first = RunFirstSource(database, {{statements::N3("casa"), statements::N4("casa")},
                                      {statements::P4(), statements::P5()}});
    FillWithStarters(first, starters, suggestions);
    store.DeleteWord("casa");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const toolbox::TempFolder folder("pelvok-fuzz-dic");
    const std::string path = fuzz::writeInputFile(folder, "d.dic", data, size);
    SqliteDatabase database;
    try {
        database.open(path);
        useAsTheKeyboardDoes(database);
    } catch (const SqliteException&) {
    }
    return 0;
}
