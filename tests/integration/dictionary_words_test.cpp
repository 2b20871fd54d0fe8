// A dictionary word is text, never a command: a word of the file holding a
// control byte (0x00-0x1F, 0x7F) is never shown on a key, so never typed into
// the application, and never learned; the file's other words serve as ever.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "dictionary/shown_word.h"
#include "tests/integration/typing_session.h"

namespace integration_test {
namespace {

using DictionaryWordsTest = TypingSession;

// Every word of both tables that holds a control byte, as "table:word".
std::vector<std::string> wordsWithControlBytes(const std::string& path) {
    SqliteDatabase database;
    database.open(path);
    std::vector<std::string> found;
    SqliteQuery rows = database.runQuery(
        "SELECT 'palabras', palabra FROM palabras UNION ALL SELECT 'siguientes', palabra FROM "
        "siguientes UNION ALL SELECT 'siguientes', siguiente FROM siguientes");
    for (; !rows.atEnd(); rows.next()) {
        const std::string word = rows.textOr(1, "");
        if (HoldsControlByte(word)) found.push_back(std::string(rows.textOr(0, "")) + ":" + word);
    }
    return found;
}

TEST_F(DictionaryWordsTest, WordsWithControlBytesAreNeverShownTypedOrLearned) {
    // Each hostile word is more frequent than the plain ones.
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase& database) {
        database.executeUpdate(
            "INSERT INTO palabras VALUES"
            "('zorro' || char(1) || char(8), 'zorro' || char(1) || char(8), 90),"
            "('zo' || char(27), 'zo' || char(27), 80),"
            "('zorr' || char(127), 'zorr' || char(127), 70),"
            "('zona' || char(9) || 'x', 'zona' || char(9) || 'x', 60),"
            "('casa' || char(13), 'casa' || char(13), 50);"
            "INSERT INTO siguientes VALUES"
            "('.', 'mi' || char(10), 'mi' || char(10), 90),"
            "('.', char(3) || 'te', char(3) || 'te', 80);");
        store.LearnWord("zorra", "zorra");
        store.LearnWord("zorra", "zorra");
        store.LearnWord("zoologico", "zool\xF3gico");
        store.LearnPair(".", "mi", "mi");
    });
    const std::vector<std::string> hostile =
        wordsWithControlBytes(desktop().files().sqlitePath(pelvok_test::kDefaultDictionary));
    ASSERT_EQ(hostile.size(), 7u);
    startTyping();
    const SuggestionSlots starters = {"mi", "", "", "", "", ""};
    EXPECT_EQ(window().suggestions, starters);

    ASSERT_TRUE(run("mi texto importante zo"));
    const SuggestionSlots offered = {"zorra", "zool\xF3gico", "", "", "", ""};
    EXPECT_EQ(window().suggestions, offered);
    // The first key, which a word of Ctrl+A and Backspace once took.
    ASSERT_TRUE(run("1"));
    EXPECT_EQ(target().text(), "mi texto importante zorra ");
    for (const sim::KeystrokeRecord& stroke : desktop().keystrokes().log()) {
        EXPECT_NE(stroke.vk, 0x11) << "Control pressed";
        EXPECT_NE(stroke.vk, 0x1B) << "Esc pressed";
    }
    EXPECT_EQ(wordsWithControlBytes(desktop().files().sqlitePath(pelvok_test::kDefaultDictionary)),
              hostile);
}

}  // namespace
}  // namespace integration_test
