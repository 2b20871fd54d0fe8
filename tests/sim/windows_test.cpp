#include <gtest/gtest.h>

#include "platform/sim/SimWindows.h"

namespace {

using platform::Rect;
using platform::WindowId;
using sim::WindowCall;

void expectRect(const Rect& got, int left, int top, int right, int bottom) {
    EXPECT_EQ(got.left, left);
    EXPECT_EQ(got.top, top);
    EXPECT_EQ(got.right, right);
    EXPECT_EQ(got.bottom, bottom);
}

class WindowsTest : public testing::Test {
protected:
    sim::SimWindows windows{1280, 1024};
    WindowId keyboard = windows.createKeyboardWindow();
    WindowId editor = windows.createWindow("Editor", {100, 100, 700, 500}, 7);
    WindowId editorDialog = windows.createWindow("Buscar", {200, 200, 400, 300}, 7);
    WindowId browser = windows.createWindow("Browser", {0, 0, 800, 600}, 9);
};

TEST_F(WindowsTest, ActiveWindowIsTheTargetsOnlyWhileAttachedToTheForegroundThread) {
    windows.setForeground(editor);
    EXPECT_EQ(windows.activeWindow(), 0u) << "not attached: the keyboard's own, none";

    windows.attachInput(editor, true);
    EXPECT_EQ(windows.activeWindow(), editor);
    windows.setActive(editorDialog);
    EXPECT_EQ(windows.activeWindow(), editorDialog);

    windows.setForeground(browser);
    EXPECT_EQ(windows.activeWindow(), 0u) << "attached to a thread no longer in front";

    windows.attachInput(editor, false);
    windows.attachInput(browser, true);
    EXPECT_EQ(windows.activeWindow(), browser);
    EXPECT_EQ(windows.callsOf(WindowCall::Kind::Attach).size(), 2u);
    EXPECT_EQ(windows.callsOf(WindowCall::Kind::Detach).size(), 1u);
}

TEST_F(WindowsTest, SetActiveWindowWorksOnlyThroughTheAttachment) {
    windows.setForeground(editor);
    windows.setActiveWindow(editorDialog);
    EXPECT_EQ(windows.threadActiveWindow(7), editor) << "another thread's window, not attached";

    windows.attachInput(editor, true);
    windows.setActiveWindow(editorDialog);
    EXPECT_EQ(windows.activeWindow(), editorDialog);

    windows.attachInput(keyboard, true);  // its own thread: no effect
    EXPECT_FALSE(windows.inputAttachedTo(sim::kKeyboardThread));

    windows.setActiveWindow(keyboard);
    EXPECT_EQ(windows.foregroundWindow(), keyboard) << "activating itself takes the foreground";
}

TEST_F(WindowsTest, MovesAreRecordedAndApplied) {
    windows.moveWindow(keyboard, 430, 738, 419, 256, true);
    expectRect(windows.windowRect(keyboard), 430, 738, 849, 994);

    windows.setWindowPos(editor, 490, 438, 1, 1, false);
    expectRect(windows.windowRect(editor), 490, 438, 1090, 838);

    windows.maximise(browser);
    expectRect(windows.windowRect(browser), 0, 0, 1280, 1024);
    windows.restoreWindow(browser);
    EXPECT_FALSE(windows.window(browser)->maximised);
    expectRect(windows.windowRect(browser), 0, 0, 800, 600);
    windows.setWindowPos(browser, 0, 0, 1280, 738, true);
    expectRect(windows.windowRect(browser), 0, 0, 1280, 738);

    ASSERT_EQ(windows.calls().size(), 4u);
    EXPECT_EQ(windows.calls()[0].kind, WindowCall::Kind::Move);
    EXPECT_TRUE(windows.calls()[0].flag);
    EXPECT_EQ(windows.calls()[2].kind, WindowCall::Kind::Restore);
}

TEST_F(WindowsTest, ShowWindowAnswersTheFormerVisibility) {
    EXPECT_FALSE(windows.showWindow(keyboard, true));
    EXPECT_TRUE(windows.showWindow(keyboard, true));
    EXPECT_TRUE(windows.showWindow(keyboard, false));
    EXPECT_FALSE(windows.window(keyboard)->visible);
}

TEST_F(WindowsTest, ADestroyedWindowIsGoneButStaysReadable) {
    windows.setForeground(editor);
    windows.destroyWindow(editor);
    EXPECT_FALSE(windows.isWindow(editor));
    EXPECT_EQ(windows.foregroundWindow(), 0u);
    expectRect(windows.windowRect(editor), 0, 0, 0, 0);
    ASSERT_NE(windows.window(editor), nullptr);
    EXPECT_EQ(windows.window(editor)->title, "Editor");
}

}  // namespace
