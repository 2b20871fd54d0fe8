// The keyboard's input follows the application in front, so that it sees
// that application's active window; the keyboard itself is never activated.
#include <gtest/gtest.h>

#include "platform/sim/SimWindows.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

using Kind = sim::WindowCall::Kind;

class AttachmentTest : public KeyDriverTest {
protected:
    platform::WindowId openApplication(const char* title) {
        return desktop().windows().createWindow(title, platform::Rect{50, 50, 450, 350});
    }
    std::uint32_t threadOf(platform::WindowId window) {
        return desktop().windows().window(window)->thread;
    }
    std::vector<sim::WindowCall> attachCalls() {
        std::vector<sim::WindowCall> calls;
        for (const sim::WindowCall& call : desktop().windows().calls())
            if (call.kind == Kind::Attach || call.kind == Kind::Detach) calls.push_back(call);
        return calls;
    }
};

TEST_F(AttachmentTest, FollowsTheForegroundWindow) {
    const platform::WindowId editor = openApplication("Editor");
    const platform::WindowId mail = openApplication("Correo");
    desktop().windows().setForeground(editor);
    // Start-up already dispatched a message.
    CPelvokDlg& keyboard = start();
    EXPECT_EQ(keyboard.lastTarget, editor);
    EXPECT_TRUE(desktop().windows().inputAttachedTo(threadOf(editor)));
    EXPECT_EQ(desktop().windows().activeWindow(), editor);
    desktop().windows().clearCalls();

    desktop().mouseMove(6, 6);  // the same window: no new attachment
    EXPECT_TRUE(attachCalls().empty());

    desktop().windows().setForeground(mail);
    desktop().mouseMove(7, 7);
    EXPECT_EQ(keyboard.lastTarget, mail);
    EXPECT_FALSE(desktop().windows().inputAttachedTo(threadOf(editor)));
    EXPECT_TRUE(desktop().windows().inputAttachedTo(threadOf(mail)));
    const std::vector<sim::WindowCall> calls = attachCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::Detach);
    EXPECT_EQ(calls[0].window, editor);
    EXPECT_EQ(calls[1].kind, Kind::Attach);
    EXPECT_EQ(calls[1].window, mail);
}

TEST_F(AttachmentTest, WindowThatIsGoneIsNotDetached) {
    const platform::WindowId editor = openApplication("Editor");
    desktop().windows().setForeground(editor);
    CPelvokDlg& keyboard = start();
    desktop().mouseMove(5, 5);
    const platform::WindowId mail = openApplication("Correo");
    desktop().windows().destroyWindow(editor);
    desktop().windows().setForeground(mail);
    desktop().windows().clearCalls();

    desktop().mouseMove(6, 6);

    const std::vector<sim::WindowCall> calls = attachCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, Kind::Attach);
    EXPECT_EQ(keyboard.lastTarget, mail);
}

TEST_F(AttachmentTest, KeyboardInFrontIsNotATarget) {
    CPelvokDlg& keyboard = start();
    desktop().windows().setForeground(desktop().framework().keyboardWindow());
    desktop().windows().clearCalls();

    desktop().mouseMove(5, 5);

    EXPECT_EQ(keyboard.lastTarget, 0u);
    EXPECT_TRUE(attachCalls().empty());
}

TEST_F(AttachmentTest, ClickLeavesTheApplicationActiveWithItsFocus) {
    CPelvokDlg& keyboard = startTyping();
    EXPECT_EQ(keyboard.OnMouseActivate(), 3);

    click('a');

    EXPECT_EQ(desktop().framework().keyboardActivations(), 0);
    EXPECT_EQ(desktop().windows().foregroundWindow(), target);
    EXPECT_EQ(desktop().windows().threadActiveWindow(threadOf(target)), target);
}

}  // namespace
}  // namespace pelvok_test
