#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "resources/resource_ids.h"
#include "window/private_messages.h"

namespace {

using Log = std::vector<std::string>;

// Handlers that note every message; a few behaviours are set per test.
class RecordingDialog : public platform::DialogHandlers {
public:
    explicit RecordingDialog(sim::SimDesktop& desktop) : desktop(desktop) {}

    int OnCreate() override { return note("create"), 0; }
    bool OnInitDialog() override {
        note("init");
        desktop.platform().windows.moveWindow(desktop.platform().framework.keyboardWindow(), 430,
                                              738, 419, 256, true);
        return true;
    }
    void OnPaint() override { note("paint"); }
    void PreTranslateMessage() override { note("pre"); }
    int OnMouseActivate() override { return note("activate"), activateReply; }
    void OnMouseMove() override { note("move"); }
    void OnLButtonUp(std::uint32_t, std::int32_t point) override {
        note("lbutton " + std::to_string(point));
        if (onClick) onClick();
    }
    void OnRButtonUp(std::uint32_t, std::int32_t point) override {
        note("rbutton " + std::to_string(point));
    }
    std::intptr_t OnPrivateMessage(int n, std::uintptr_t wParam) override {
        note("private " + std::to_string(n) + " " + std::to_string(wParam));
        return 7;
    }
    void OnCommand(int id) override { note("command " + std::to_string(id)); }
    void OnClose() override { note("close"); }
    void OnHotKey(int id) override { note("hotkey " + std::to_string(id)); }
    void OnTimer(int id) override {
        note("timer " + std::to_string(id) + " at " +
             std::to_string(desktop.framework().now() - start));
        if (onTimer) onTimer(id);
    }

    Log take() {
        Log taken;
        taken.swap(log);
        return taken;
    }

    int activateReply = sim::kMouseNoActivate;
    std::function<void()> onClick;
    std::function<void(int)> onTimer;
    std::int64_t start = 0;

private:
    void note(const std::string& what) { log.push_back(what); }

    sim::SimDesktop& desktop;
    Log log;
};

class FrameworkTest : public testing::Test {
protected:
    void startKeyboard() {
        desktop.start(dialog);
        dialog.take();
    }
    sim::SimDesktop desktop;
    RecordingDialog dialog{desktop};
};

// Timers fall due on the simulated clock, in time order, each through the
// message path (pre-translation first); killed or restarted, they stop or
// start again from that moment.
TEST_F(FrameworkTest, TimersFallDueOnTheSimulatedClock) {
    startKeyboard();
    sim::SimFramework& framework = desktop.framework();
    dialog.start = framework.now();
    framework.setTimer(1, 100);
    framework.setTimer(2, 250);
    framework.advance(99);
    EXPECT_EQ(dialog.take(), Log{});
    framework.advance(201);
    EXPECT_EQ(dialog.take(), (Log{"pre", "timer 1 at 100", "pre", "timer 1 at 200", "pre",
                                  "timer 2 at 250", "pre", "timer 1 at 300"}));
    dialog.onTimer = [&](int id) {
        if (id == 1) framework.killTimer(1);
    };
    framework.setTimer(2, 50);  // restarted from 300
    framework.advance(110);
    EXPECT_EQ(dialog.take(),
              (Log{"pre", "timer 2 at 350", "pre", "timer 1 at 400", "pre", "timer 2 at 400"}));
    EXPECT_FALSE(framework.timerRunning(1));
    EXPECT_EQ(framework.now() - dialog.start, 410);
}

TEST_F(FrameworkTest, StartCreatesInitialisesShowsAndPaints) {
    desktop.start(dialog);
    EXPECT_EQ(dialog.take(), (Log{"create", "init", "pre", "paint"}));
    const sim::SimWindow* window = desktop.windows().window(desktop.framework().keyboardWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(desktop.windows().activeWindow(), 0u) << "the keyboard is never activated";
    EXPECT_EQ(desktop.framework().clientRect().width(), 419);
}

TEST_F(FrameworkTest, EachPostedMessageIsPreTranslatedFirst) {
    startKeyboard();
    desktop.mouseMove(5, 6);
    desktop.leftClick(300, 200);
    desktop.rightClick(1, 2);
    desktop.command(ID_SIZE_SMALL);
    desktop.postPrivate(private_message::kSnap, 0);
    EXPECT_EQ(desktop.sendPrivate(private_message::kDrive, 'W'), 7);
    EXPECT_EQ(dialog.take(),
              (Log{"pre", "move", "activate", "pre", "lbutton " + std::to_string(200 << 16 | 300),
                   "activate", "pre", "rbutton " + std::to_string(2 << 16 | 1), "pre",
                   "command 32774", "pre", "private 31 0", "private 20 87"}));
}

TEST_F(FrameworkTest, PointerMovesToTheWindowPointWithoutBeingRecorded) {
    startKeyboard();
    desktop.mouseMove(10, 20);
    EXPECT_EQ(desktop.pointer().cursorPos().x, 440);
    EXPECT_EQ(desktop.pointer().cursorPos().y, 758);
    EXPECT_TRUE(desktop.pointer().cursorSets().empty());
}

TEST_F(FrameworkTest, InvalidationIsPaintedAfterTheMessageUnlessMinimised) {
    startKeyboard();
    dialog.onClick = [this] { desktop.platform().framework.invalidate(nullptr); };
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"activate", "pre", "lbutton 65537", "pre", "paint"}));

    const platform::Rect empty{0, 30, 0, 30};
    desktop.platform().framework.invalidate(&empty);
    EXPECT_FALSE(desktop.paintIfNeeded()) << "an empty rectangle invalidates nothing";

    desktop.windows().minimise(desktop.framework().keyboardWindow());
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"activate", "pre", "lbutton 65537"}));
    EXPECT_TRUE(desktop.framework().needsPaint());
}

TEST_F(FrameworkTest, NothingIsDeliveredAfterTheDialogEnds) {
    startKeyboard();
    desktop.close();
    EXPECT_EQ(dialog.take(), (Log{"pre", "close"}));
    EXPECT_TRUE(desktop.ended());
    EXPECT_EQ(desktop.framework().keyboardWindow(), 0u);

    desktop.platform().framework.invalidate(nullptr);
    desktop.mouseMove(1, 1);
    desktop.leftClick(1, 1);
    EXPECT_EQ(desktop.sendPrivate(private_message::kShow, 0), 0);
    desktop.command(ID_SIZE_SMALL);
    desktop.close();
    EXPECT_FALSE(desktop.paintIfNeeded());
    EXPECT_TRUE(dialog.take().empty());
}

TEST_F(FrameworkTest, EndingInsideAHandlerSkipsThePaintAfterIt) {
    startKeyboard();
    dialog.onClick = [this] {
        desktop.platform().framework.invalidate(nullptr);
        desktop.platform().framework.endDialog();
    };
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"activate", "pre", "lbutton 65537"}));
}

TEST_F(FrameworkTest, EndingInANestedLoopClosesTheWindowOnlyAfterTheOuterHandler) {
    startKeyboard();
    bool aliveAfterDialog = false;
    desktop.queueFileAnswer(sim::FileAnswer::run([this] {
        desktop.close();          // while the dialog's loop is up
        desktop.leftClick(2, 2);  // ended: not delivered
        return std::nullopt;
    }));
    dialog.onClick = [&] {
        dialog.onClick = nullptr;
        desktop.platform().dialogs.runFileDialog(true, "C:\\Pelvok", "");
        aliveAfterDialog = desktop.framework().keyboardWindow() != 0;
    };
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"activate", "pre", "lbutton 65537", "pre", "close"}));
    EXPECT_TRUE(aliveAfterDialog);
    EXPECT_EQ(desktop.framework().keyboardWindow(), 0u);
}

TEST_F(FrameworkTest, AKeyboardThatAsksToBeActivatedTakesTheForeground) {
    const platform::WindowId editor = desktop.windows().createWindow("Editor", {0, 0, 10, 10});
    desktop.windows().setForeground(editor);
    startKeyboard();
    dialog.activateReply = sim::kMouseActivate;
    desktop.leftClick(1, 1);
    EXPECT_EQ(desktop.windows().foregroundWindow(), desktop.framework().keyboardWindow());
    EXPECT_EQ(desktop.framework().keyboardActivations(), 1);
    dialog.take();
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"pre", "lbutton 65537"})) << "an active window is not asked";
}

TEST_F(FrameworkTest, RunModalRunsTheDriverThenDestroysTheWindow) {
    desktop.setModalDriver([this] {
        desktop.leftClick(1, 1);
        desktop.close();
        desktop.leftClick(1, 1);
    });
    EXPECT_EQ(desktop.platform().framework.runModal(dialog), sim::kModalCancel);
    EXPECT_EQ(dialog.take(), (Log{"create", "init", "pre", "paint", "activate", "pre",
                                  "lbutton 65537", "pre", "close"}));
    EXPECT_EQ(desktop.framework().keyboardWindow(), 0u);
}

TEST_F(FrameworkTest, ExitProcessThrowsTheCodeOutOfTheModalRun) {
    desktop.setModalDriver([this] { desktop.platform().framework.exitProcess(3); });
    try {
        desktop.platform().framework.runModal(dialog);
        FAIL() << "exitProcess returned";
    } catch (const sim::SimProcessExit& exit) {
        EXPECT_EQ(exit.code, 3);
    }
    EXPECT_EQ(desktop.framework().keyboardWindow(), 0u);
    desktop.leftClick(1, 1);
    EXPECT_EQ(dialog.take(), (Log{"create", "init", "pre", "paint"}));
}

// A registered key reaches the window as WM_HOTKEY, through the message
// path; one key has one owner, and a key given back no longer arrives.
TEST_F(FrameworkTest, SwitchKeysArriveAsHotKeysWhileRegistered) {
    sim::SimFramework& framework = desktop.framework();
    EXPECT_FALSE(framework.registerSwitchKey(1, 0x76)) << "no window yet";
    startKeyboard();
    framework.setKeyHeldElsewhere(0x20);
    EXPECT_TRUE(framework.registerSwitchKey(1, 0x76));
    EXPECT_FALSE(framework.registerSwitchKey(2, 0x76)) << "taken by id 1";
    EXPECT_FALSE(framework.registerSwitchKey(2, 0x20)) << "held by another program";
    EXPECT_EQ(framework.switchKey(1), 0x76);
    EXPECT_EQ(framework.switchKey(2), 0);

    EXPECT_FALSE(framework.pressSwitch(0x77));
    EXPECT_TRUE(framework.pressSwitch(0x76));
    EXPECT_EQ(dialog.take(), (Log{"pre", "hotkey 1"}));

    framework.unregisterSwitchKey(1);
    EXPECT_FALSE(framework.pressSwitch(0x76));
    EXPECT_TRUE(dialog.take().empty());
}

}  // namespace
