// The power key: the settings written, the dictionary closed, the dialog
// ended, and an open file dialog closed first.
#include <gtest/gtest.h>

#include "model/key_codes.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

class ExitTest : public KeyDriverTest {
protected:
    // The writes made from now on, as "name=value".
    void markWrites() { writesBefore = desktop().settings().writes().size(); }
    std::vector<std::string> newWrites() {
        std::vector<std::string> names;
        const auto& writes = desktop().settings().writes();
        for (std::size_t i = writesBefore; i < writes.size(); ++i) {
            EXPECT_EQ(writes[i].key, kSettingsKey);
            names.push_back(writes[i].name + "=" + writes[i].value);
        }
        return names;
    }

    std::size_t writesBefore = 0;
};

TEST_F(ExitTest, WritesTheFiveSettingsClosesTheDictionaryAndEnds) {
    CPelvokDlg& keyboard = startTyping();
    click(command::kDockTopLeft, KeyKind::Command);  // position 3
    click(command::kNextSize, KeyKind::Command);     // size step 2
    markWrites();

    click(command::kExit, KeyKind::Command);

    EXPECT_EQ(newWrites(), (std::vector<std::string>{"Position=3", "Zoom=2", "KeyBoard=2",
                                                     std::string("ruta_BD=") + kDefaultDictionary,
                                                     "nombre_BD=default"}));
    EXPECT_FALSE(keyboard.dictionaryAvailable());
    EXPECT_TRUE(desktop().ended());
    EXPECT_EQ(desktop().dialogs().closeFileDialogCalls(), 0);
}

TEST_F(ExitTest, ValuesOutOfRangeAreNotWritten) {
    CPelvokDlg& keyboard = startTyping();
    keyboard.position = 7;
    keyboard.zoom = 0;
    keyboard.layout->setLetterLayout(3);
    markWrites();

    click(command::kExit, KeyKind::Command);

    EXPECT_EQ(newWrites(), (std::vector<std::string>{std::string("ruta_BD=") + kDefaultDictionary,
                                                     "nombre_BD=default"}));
}

TEST_F(ExitTest, ClosesTheOpenFileDialogFirst) {
    CPelvokDlg& keyboard = startTyping();
    prepareDictionary("C:\\Otros\\otro.dic");
    int kindWhileUp = -1;
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        kindWhileUp = keyboard.layout->getFileDialogKind();
        markWrites();
        click(command::kExit, KeyKind::Command);
        // The choice comes too late: the dialog was closed.
        return sim::SimDialogs::choiceFor("C:\\Otros\\otro.dic");
    }));

    keyboard.ChooseDictionaryFile(file_dialog::kOpen);

    EXPECT_EQ(kindWhileUp, file_dialog::kOpen);
    EXPECT_EQ(desktop().dialogs().closeFileDialogCalls(), 1);
    EXPECT_FALSE(desktop().dialogs().fileDialogUp());
    EXPECT_EQ(newWrites().size(), 5u);
    EXPECT_TRUE(desktop().ended());
    // Nothing was opened after the end.
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_FALSE(keyboard.dictionaryAvailable());
    EXPECT_EQ(keyboard.layout->getFileDialogKind(), file_dialog::kNone);
}

TEST_F(ExitTest, FolderKeyOpensTheDialogThatExitCloses) {
    CPelvokDlg& keyboard = startTyping();
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        click(command::kExit, KeyKind::Command);
        return std::nullopt;
    }));

    click(direct::kOpenDictionary, KeyKind::Direct);

    ASSERT_EQ(desktop().dialogs().fileDialogs().size(), 1u);
    EXPECT_TRUE(desktop().dialogs().fileDialogs()[0].open);
    EXPECT_EQ(desktop().dialogs().closeFileDialogCalls(), 1);
    EXPECT_TRUE(desktop().ended());
    EXPECT_FALSE(keyboard.dictionaryAvailable());
}

TEST_F(ExitTest, CloseFromOutsideAlsoClosesTheOpenFileDialog) {
    CPelvokDlg& keyboard = startTyping();
    desktop().queueFileAnswer(sim::FileAnswer::run([&]() -> std::optional<platform::FileChoice> {
        desktop().close();
        return std::nullopt;
    }));

    click(direct::kOpenDictionary, KeyKind::Direct);

    EXPECT_EQ(desktop().dialogs().closeFileDialogCalls(), 1);
    EXPECT_FALSE(desktop().dialogs().fileDialogUp());
    EXPECT_TRUE(desktop().ended());
    EXPECT_EQ(keyboard.layout, nullptr);
}

}  // namespace
}  // namespace pelvok_test
