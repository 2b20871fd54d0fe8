// The text exports: the word table to a chosen file, and both tables to
// resultados1.txt and resultados2.txt in the current directory; byte for
// byte, with CR LF line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dictionary/messages.h"
#include "model/key_codes.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

// "%32s".
std::string field(const std::string& text) {
    return text.size() >= 32 ? text : std::string(32 - text.size(), ' ') + text;
}

void learnWords(DictionaryStore& store, SqliteDatabase&) {
    for (int i = 0; i < 3; ++i) store.LearnWord("casa", "casa");
    store.LearnWord("arbol", "\xE1rbol");
}

class ExportTest : public KeyDriverTest {
protected:
    std::optional<std::string> read(const std::string& windowsPath) {
        std::ifstream in(harness().hostPath(windowsPath), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    const std::vector<sim::MessageBoxRecord>& boxes() { return desktop().dialogs().messageBoxes(); }
    const std::vector<sim::Beep>& beeps() { return desktop().pointer().beeps(); }
    void exportTo(const std::string& path) {
        desktop().queueFileAnswer(sim::FileAnswer::choose(path));
        window().ChooseDictionaryFile(file_dialog::kExport);
    }
};

TEST_F(ExportTest, WordTableToAChosenFile) {
    prepareDefaultDictionary(learnWords);
    CPelvokDlg& keyboard = startTyping();
    harness().writeFile("C:\\Textos\\palabras.txt", "old contents that go away");

    exportTo("C:\\Textos\\palabras.txt");

    ASSERT_EQ(desktop().dialogs().fileDialogs().size(), 1u);
    EXPECT_FALSE(desktop().dialogs().fileDialogs()[0].open);
    EXPECT_EQ(read("C:\\Textos\\palabras.txt"), "Un total de: 2 registros introducidos\r\n\r\n" +
                                                    field("casa") + " " + field("casa") +
                                                    " 3  \r\n" + field("\xE1rbol") + " " +
                                                    field("arbol") + " 1  \r\n");
    EXPECT_EQ(beeps(), (std::vector<sim::Beep>{{1000, 100}}));
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(keyboard.layout->getFileDialogKind(), file_dialog::kNone);
    // The dictionary in use is not the exported file.
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
}

TEST_F(ExportTest, WordsOfEqualCountAreSortedByWordInTheChosenFile) {
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
        store.LearnWord("mesa", "mesa");
        store.LearnWord("agua", "agua");
    });
    startTyping();

    exportTo("C:\\Pelvok\\lista.txt");

    const std::optional<std::string> text = read("C:\\Pelvok\\lista.txt");
    ASSERT_TRUE(text);
    EXPECT_LT(text->find("agua"), text->find("mesa"));
}

TEST_F(ExportTest, EmptyWordTableIsReportedAndLeavesTheFileEmpty) {
    startTyping();

    exportTo("C:\\Pelvok\\vacio.txt");

    EXPECT_EQ(read("C:\\Pelvok\\vacio.txt"), "");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Datos perdidos / lost of data");
    EXPECT_EQ(boxes()[0].caption, std::optional<std::string>(kMessageCaption));
    EXPECT_TRUE(boxes()[0].stopIcon);
    EXPECT_EQ(beeps(), (std::vector<sim::Beep>{{1000, 100}}));
}

TEST_F(ExportTest, FileThatCannotBeCreatedIsReportedWithoutTheDoneBeep) {
    prepareDefaultDictionary(learnWords);
    startTyping();

    exportTo("C:\\NoExiste\\palabras.txt");

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find("C:\\NoExiste\\palabras.txt"), std::string::npos);
    EXPECT_NE(boxes()[0].text.find(" / "), std::string::npos);
    EXPECT_TRUE(boxes()[0].stopIcon);
    EXPECT_TRUE(beeps().empty());
}

TEST_F(ExportTest, NullsLongWordsAndPairsInTheFixedFiles) {
    const std::string longWord(40, 'x');
    prepareDefaultDictionary([&](DictionaryStore& store, SqliteDatabase& database) {
        store.LearnWord("casa", "casa");
        store.LearnWord("casa", "casa");
        database.executeUpdate("INSERT INTO palabras VALUES ('" + longWord + "', NULL, NULL);");
        store.LearnPair(".", "casa", "casa");
        database.executeUpdate("INSERT INTO siguientes VALUES (NULL, 'de', 'de', 7);");
    });
    startTyping();

    window().ExportDictionary();

    const std::optional<std::string> words = read("C:\\Pelvok\\resultados1.txt");
    ASSERT_TRUE(words);
    EXPECT_EQ(*words, "Un total de: 2 registros introducidos\r\n\r\n" + field("casa") + " " +
                          field("casa") + " 2  \r\n" + longWord + " " + field("") + " 0  \r\n");
    EXPECT_EQ(read("C:\\Pelvok\\resultados2.txt"),
              "Un total de: 2 registros introducidos\r\n\r\n" + field("") + " " + field("de") +
                  " " + field("de") + " 7  \r\n" + field(".") + " " + field("casa") + " " +
                  field("casa") + " 1  \r\n");
    EXPECT_EQ(beeps(), (std::vector<sim::Beep>{{800, 20}}));
}

TEST_F(ExportTest, NoPairsLeavesTheSecondFileEmpty) {
    prepareDefaultDictionary(learnWords);
    startTyping();

    window().ExportDictionary();

    EXPECT_TRUE(read("C:\\Pelvok\\resultados1.txt").has_value());
    EXPECT_EQ(read("C:\\Pelvok\\resultados2.txt"), "");
}

TEST_F(ExportTest, FixedFilesFollowTheFolderLastChosen) {
    prepareDefaultDictionary(learnWords);
    startTyping();
    std::filesystem::create_directories(harness().hostPath("C:\\Textos"));
    exportTo("C:\\Textos\\palabras.txt");

    window().ExportDictionary();

    EXPECT_TRUE(read("C:\\Textos\\resultados1.txt").has_value());
    EXPECT_TRUE(read("C:\\Textos\\resultados2.txt").has_value());
    EXPECT_FALSE(read("C:\\Pelvok\\resultados1.txt").has_value());
}

TEST_F(ExportTest, FixedFilesInAFolderThatIsGoneAreReported) {
    prepareDefaultDictionary(learnWords);
    startTyping();
    desktop().files().setCurrentDirectory("C:\\Borrada");

    window().ExportDictionary();

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find("C:\\Borrada\\resultados1.txt"), std::string::npos);
    EXPECT_TRUE(beeps().empty());
}

}  // namespace
}  // namespace pelvok_test
