// Rows no typing should learn: the query finds each kind, and a dictionary
// learned by typing holds none of them: the starter dictionary when set-up
// made it, otherwise one learned here from text that once taught junk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"
#include "tests/tools/tool_files.h"
#include "tools/toolbox/text_codec.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace {

using tools_test::TempFolder;

std::vector<std::string> junkOf(SqliteDatabase& db) {
    std::vector<std::string> rows;
    for (SqliteQuery q = db.runQuery(statements::JunkRows()); !q.atEnd(); q.next())
        rows.push_back(std::string(q.textOr(0, "")) + ": " + q.textOr(1, "NULL"));
    return rows;
}

TEST(JunkRows, TheQueryFindsEachKind) {
    SqliteDatabase db;
    db.open(":memory:");
    DictionaryStore store(db);
    store.CreateWordsTable();
    store.CreateSuccessorsTable();
    // Sound rows, which the query must pass over.
    store.LearnWord("a\xF1o", "a\xF1o");
    store.LearnWord("economico", "econ\xF3mico");
    store.LearnWord("l!home", "l!home");
    store.LearnPair(".", "hola", "hola");
    store.LearnPair("socio", "economico", "econ\xF3mico");
    store.LearnPair("electroencefalograma", "de", "de");  // 20 letters
    db.executeUpdate("INSERT INTO palabras VALUES(NULL, 'x', 1);");
    // Junk.
    store.LearnWord("-", "-");
    store.LearnWord("-economico", "-econ\xF3mico");
    store.LearnWord("", "");
    store.LearnWord("a\xD1o", "a\xF1o");
    store.LearnPair("-", "que", "que");
    store.LearnPair("el", "-economico", "-econ\xF3mico");
    store.LearnPair("hola", "", "");
    store.LearnPair("hola canci\xF3n", "hola", "hola");
    store.LearnPair("holacancionholacancion", "hola", "hola");  // 22 letters
    store.LearnPair("un", "lan\xC7o", "lan\xE7o");
    EXPECT_EQ(junkOf(db),
              (std::vector<std::string>{
                  "palabras: -", "palabras: -econ\xF3mico", "palabras: ", "palabras: a\xF1o",
                  "siguientes: - que", "siguientes: el -econ\xF3mico", "siguientes: hola ",
                  "siguientes: hola canci\xF3n hola", "siguientes: holacancionholacancion hola",
                  "siguientes: un lan\xE7o"}));
    EXPECT_EQ(db.queryInt(statements::CountJunkRows()), 10);
}

TEST(JunkRows, ADictionaryLearnedByTypingHoldsNone) {
    const std::string starter = PELVOK_SOURCE_DIR "/deps/starter/default.dic";
    TempFolder folder;
    std::string dictionary = starter;
    if (!std::filesystem::exists(starter)) {
        // Each line once taught junk.
        const char* const text =
            "hola,que tal\n"
            "Hola canci\xC3\xB3n. Hola de nuevo\n"
            "el socio-econ\xC3\xB3mico y el - otro\n"
            "ESPA\xC3\x91"
            "A y FRAN\xC3\x87"
            "A\n"
            "\xC3\xA9l come.. y bebe.\n";
        dictionary = folder.file("learned.dic");
        typist::KeyboardSession session(dictionary, typist::KeyboardSession::Indexes::Ensure,
                                        false);
        session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
        typist::Typist typist(session, true);
        for (const std::string& p :
             typist::MakeTypeable(toolbox::decodeText(text)->text).paragraphs)
            typist.typeParagraph(p);
    }
    SqliteDatabase db;
    db.open(dictionary);
    const std::vector<std::string> junk = junkOf(db);
    EXPECT_TRUE(junk.empty()) << junk.size() << " junk rows in " << dictionary << ", the first "
                              << toolbox::utf8ForMessages(junk.front());
}

}  // namespace
