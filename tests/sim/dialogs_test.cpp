#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/SimDesktop.h"
#include "resources/resource_ids.h"

namespace {

using sim::FileAnswer;

const std::string kFilter("Diccionary files (*.dic)\0*.dic\0All files (*.*)\0*.*\0\0", 51);

class DialogsTest : public testing::Test {
protected:
    std::optional<platform::FileChoice> openDialog() {
        return desktop.platform().dialogs.runFileDialog(true, "C:\\Pelvok", kFilter);
    }
    sim::SimDesktop desktop;
};

TEST_F(DialogsTest, AChosenFileGivesItsPathAndTitleAndBecomesTheCurrentFolder) {
    desktop.queueFileAnswer(FileAnswer::choose("D:\\Datos\\mi.dic"));
    desktop.queueFileAnswer(FileAnswer::choose("otro.dic"));  // in the initial directory
    desktop.queueFileAnswer(FileAnswer::cancel());

    const auto first = openDialog();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->fullPath, "D:\\Datos\\mi.dic");
    EXPECT_EQ(first->title, "mi.dic");
    EXPECT_EQ(desktop.files().currentDirectory(), "D:\\Datos");

    const auto second = openDialog();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->fullPath, "C:\\Pelvok\\otro.dic");
    EXPECT_EQ(desktop.files().currentDirectory(), "C:\\Pelvok");

    desktop.files().setCurrentDirectory("D:\\Datos");
    EXPECT_FALSE(openDialog());
    EXPECT_FALSE(openDialog()) << "an empty queue cancels";
    EXPECT_EQ(desktop.files().currentDirectory(), "D:\\Datos") << "cancelling leaves it";

    ASSERT_EQ(desktop.dialogs().fileDialogs().size(), 4u);
    EXPECT_TRUE(desktop.dialogs().fileDialogs()[0].open);
    EXPECT_EQ(desktop.dialogs().fileDialogs()[0].filter, kFilter);
}

TEST_F(DialogsTest, ACallbackRunsWhileTheDialogIsUpInFront) {
    sim::SimWindows& windows = desktop.windows();
    const platform::WindowId editor = windows.createWindow("Editor", {0, 0, 300, 200});
    windows.setForeground(editor);
    desktop.queueFileAnswer(FileAnswer::run([&] {
        EXPECT_TRUE(desktop.dialogs().fileDialogUp());
        const platform::WindowId dialog = desktop.dialogs().fileDialogWindow();
        EXPECT_EQ(windows.foregroundWindow(), dialog);
        EXPECT_EQ(windows.window(dialog)->title, "Abrir");
        EXPECT_EQ(windows.window(dialog)->thread, sim::kKeyboardThread);
        EXPECT_EQ(windows.activeWindow(), dialog) << "a window of the keyboard's own thread";
        return std::optional<platform::FileChoice>(sim::SimDialogs::choiceFor("C:\\x\\n.dic"));
    }));
    const auto chosen = openDialog();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->title, "n.dic");
    EXPECT_EQ(desktop.files().currentDirectory(), "C:\\x");
    EXPECT_FALSE(desktop.dialogs().fileDialogUp());
    EXPECT_EQ(windows.foregroundWindow(), editor) << "the foreground comes back";
}

TEST_F(DialogsTest, ClosingTheDialogWhileItIsUpCancelsIt) {
    desktop.queueFileAnswer(FileAnswer::run([this] {
        desktop.platform().dialogs.closeFileDialog();
        return std::optional<platform::FileChoice>(sim::SimDialogs::choiceFor("C:\\x\\n.dic"));
    }));
    EXPECT_FALSE(openDialog());
    EXPECT_EQ(desktop.files().currentDirectory(), "C:\\Pelvok");
    desktop.platform().dialogs.closeFileDialog();  // none up: only recorded
    EXPECT_EQ(desktop.dialogs().closeFileDialogCalls(), 2);
}

TEST_F(DialogsTest, MenusAreAnsweredFromTheQueueThenZero) {
    platform::Dialogs& dialogs = desktop.platform().dialogs;
    desktop.queueMenuAnswer(ID_SIZE_MEDIUM);
    desktop.queueMenuAnswer(0);
    EXPECT_EQ(dialogs.trackPopupMenu(IDR_MENU_SIZE, {500, 600}, {ID_SIZE_EXTRA_BIG}, {}),
              ID_SIZE_MEDIUM);
    EXPECT_EQ(dialogs.trackPopupMenu(IDR_MENU_SIZE, {500, 600}, {}, {}), 0);
    EXPECT_EQ(dialogs.trackPopupMenu(IDR_MENU_SUGGESTION, {10, 20}, {}, {}), 0);

    const auto& menus = desktop.dialogs().menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].menuId, IDR_MENU_SIZE);
    EXPECT_EQ(menus[0].disabledItems, std::vector<int>{ID_SIZE_EXTRA_BIG});
    EXPECT_EQ(menus[2].menuId, IDR_MENU_SUGGESTION);
    EXPECT_EQ(menus[2].screen.x, 10);
}

}  // namespace
