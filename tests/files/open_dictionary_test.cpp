// Choosing another dictionary file in the open dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include "dictionary/messages.h"
#include "model/key_codes.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

class OpenDictionaryTest : public KeyDriverTest {
protected:
    const std::vector<sim::MessageBoxRecord>& boxes() { return desktop().dialogs().messageBoxes(); }
    bool hasTable(const std::string& windowsPath, const std::string& table) {
        SqliteDatabase reader;
        reader.open(desktop().files().sqlitePath(windowsPath));
        return reader.hasTable(table);
    }
    void choose(const std::string& path) {
        desktop().queueFileAnswer(sim::FileAnswer::choose(path));
        window().ChooseDictionaryFile(file_dialog::kOpen);
    }
};

TEST_F(OpenDictionaryTest, DialogAsksForDictionaryFilesInTheCurrentDirectory) {
    CPelvokDlg& keyboard = startTyping();
    int kindWhileUp = -1;
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        kindWhileUp = keyboard.layout->getFileDialogKind();
        return std::nullopt;
    }));

    click(direct::kOpenDictionary, KeyKind::Direct);

    ASSERT_EQ(desktop().dialogs().fileDialogs().size(), 1u);
    const sim::FileDialogRecord& dialog = desktop().dialogs().fileDialogs()[0];
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(dialog.initialDirectory, kHome);
    EXPECT_EQ(dialog.filter, std::string("Diccionary files (*.dic)\0*.dic\0"
                                         "All files (*.*)\0*.*\0\0",
                                         52));
    EXPECT_EQ(kindWhileUp, file_dialog::kOpen);
    EXPECT_EQ(keyboard.layout->getFileDialogKind(), file_dialog::kNone);
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OpenDictionaryTest, NewFileBecomesAnEmptyDictionary) {
    CPelvokDlg& keyboard = startTyping();
    std::filesystem::create_directories(harness().hostPath("C:\\Textos"));
    keyboard.suggestions = {"uno", "dos", "", "", "", ""};

    choose("C:\\Textos\\nuevo.dic");

    EXPECT_EQ(keyboard.dictionaryPath, "C:\\Textos\\nuevo.dic");
    EXPECT_EQ(keyboard.dictionaryName, "nuevo");
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_TRUE(hasTable("C:\\Textos\\nuevo.dic", "palabras"));
    EXPECT_TRUE(hasTable("C:\\Textos\\nuevo.dic", "siguientes"));
    // No sentence starters yet: the keys keep their words.
    EXPECT_EQ(keyboard.suggestions[0], "uno");
    EXPECT_EQ(keyboard.suggestions[1], "dos");
    EXPECT_TRUE(boxes().empty());
    // The folder of the file is the current directory now.
    EXPECT_EQ(desktop().files().currentDirectory(), "C:\\Textos");
}

TEST_F(OpenDictionaryTest, DictionaryWithSentenceStartersFillsTheKeys) {
    prepareDictionary("C:\\Textos\\frases.dic", [](DictionaryStore& store, SqliteDatabase&) {
        store.LearnPair(".", "hola", "hola");
        store.LearnPair(".", "buenos", "buenos");
        store.LearnPair(".", "buenos", "buenos");
    });
    CPelvokDlg& keyboard = startTyping();

    choose("C:\\Textos\\frases.dic");

    EXPECT_EQ(keyboard.dictionaryName, "frases");
    EXPECT_EQ(keyboard.suggestions[0], "buenos");
    EXPECT_EQ(keyboard.suggestions[1], "hola");
    EXPECT_EQ(keyboard.sentenceStarters[0], "buenos");
}

struct RefusedCase {
    const char* name;
    const char* file;
    const char* message;  // nullptr: nothing shown
};

const RefusedCase kRefused[] = {
    {"ExtensionIsCaseSensitive", "C:\\Textos\\Palabras.DIC",
     "Formato incompatible / Uncompatible format"},
    {"OtherExtension", "C:\\Textos\\foto.bmp", "Formato incompatible / Uncompatible format"},
    {"NoExtension", "C:\\Textos\\LEEME", "Formato incompatible / Uncompatible format"},
    {"TextFileIsIgnored", "C:\\Textos\\notas.txt", nullptr},
};

class RefusedFileTest : public OpenDictionaryTest,
                        public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFileTest, CurrentDictionaryStaysOpen) {
    const RefusedCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    harness().writeFile(c.file, "texto");

    choose(c.file);

    if (c.message == nullptr) {
        EXPECT_TRUE(boxes().empty());
    } else {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, c.message);
        EXPECT_EQ(boxes()[0].caption, std::optional<std::string>(kMessageCaption));
        EXPECT_TRUE(boxes()[0].stopIcon);
        EXPECT_TRUE(boxes()[0].owned);
    }
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryName, "default");
    EXPECT_TRUE(keyboard.dictionaryAvailable());
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest, testing::ValuesIn(kRefused),
                         [](const testing::TestParamInfo<RefusedCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(OpenDictionaryTest, FileThatIsNotADatabaseLeavesThePreviousDictionary) {
    prepareDefaultDictionary(
        [](DictionaryStore& store, SqliteDatabase&) { store.LearnPair(".", "hola", "hola"); });
    harness().writeFile("C:\\Textos\\roto.dic", std::string(4096, 'x'));
    CPelvokDlg& keyboard = startTyping();

    choose("C:\\Textos\\roto.dic");

    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find("C:\\Textos\\roto.dic"), std::string::npos) << boxes()[0].text;
    EXPECT_TRUE(boxes()[0].stopIcon);
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryName, "default");
    ASSERT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_EQ(keyboard.database.queryInt("SELECT count(*) FROM siguientes"), 1);
}

TEST_F(OpenDictionaryTest, CancelChangesNothing) {
    CPelvokDlg& keyboard = startTyping();
    desktop().queueFileAnswer(sim::FileAnswer::cancel());

    keyboard.ChooseDictionaryFile(file_dialog::kOpen);

    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_EQ(desktop().files().currentDirectory(), kHome);
}

TEST_F(OpenDictionaryTest, SecondDialogIsNotOpenedWhileOneIsUp) {
    CPelvokDlg& keyboard = startTyping();
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        click(direct::kOpenDictionary, KeyKind::Direct);
        return std::nullopt;
    }));

    keyboard.ChooseDictionaryFile(file_dialog::kOpen);

    EXPECT_EQ(desktop().dialogs().fileDialogs().size(), 1u);
    EXPECT_EQ(keyboard.layout->getFileDialogKind(), file_dialog::kNone);
}

TEST_F(OpenDictionaryTest, KeyboardClosedUnderTheDialogOpensNothing) {
    CPelvokDlg& keyboard = startTyping();
    prepareDictionary("C:\\Textos\\otro.dic");
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        desktop().close();
        return sim::SimDialogs::choiceFor("C:\\Textos\\otro.dic");
    }));

    keyboard.ChooseDictionaryFile(file_dialog::kOpen);

    EXPECT_EQ(keyboard.layout, nullptr);
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
}

}  // namespace
}  // namespace pelvok_test
