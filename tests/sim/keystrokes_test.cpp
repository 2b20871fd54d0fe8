#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_codes.h"
#include "platform/sim/SimDesktop.h"

namespace {

using platform::kKeyExtended;
using platform::kKeyUp;

class RecordingSink : public sim::KeystrokeSink {
public:
    void onKeystroke(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
        got.push_back("key " + std::to_string(vk) + "/" + std::to_string(scan) + "/" +
                      std::to_string(flags));
    }
    void onCharacter(std::uint8_t ch) override { got.push_back("char " + std::to_string(ch)); }
    std::vector<std::string> got;
};

TEST(KeystrokesTest, LogsEveryKeystrokeInOrderWithCharactersMarked) {
    sim::SimDesktop desktop;
    platform::Keystrokes& keys = desktop.platform().keystrokes;
    keys.keybdEvent(vk::kShift, 0, 0);
    keys.typeCharacter(0xE1);
    keys.keybdEvent(vk::kDelete, vk::kDeleteScan, kKeyUp | kKeyExtended);

    const std::vector<sim::KeystrokeRecord>& log = desktop.keystrokes().log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_FALSE(log[0].isCharacter);
    EXPECT_EQ(log[0].vk, vk::kShift);
    EXPECT_TRUE(log[1].isCharacter);
    EXPECT_EQ(log[1].ch, 0xE1);
    EXPECT_EQ(log[2].vk, vk::kDelete);
    EXPECT_EQ(log[2].scan, vk::kDeleteScan);
    EXPECT_TRUE(log[2].keyUp());
}

TEST(KeystrokesTest, CapsLockTogglesOnItsInjectedPressOnly) {
    sim::SimDesktop desktop;
    platform::Keystrokes& keys = desktop.platform().keystrokes;
    EXPECT_FALSE(keys.capsLockToggled());
    keys.keybdEvent(vk::kCapsLock, 0, kKeyExtended);
    EXPECT_TRUE(keys.capsLockToggled());
    keys.keybdEvent(vk::kCapsLock, 0, kKeyExtended | kKeyUp);
    EXPECT_TRUE(keys.capsLockToggled());
    keys.keybdEvent(vk::kCapsLock, 0, 0);
    EXPECT_FALSE(keys.capsLockToggled());
    desktop.keystrokes().setCapsLock(true);
    EXPECT_TRUE(keys.capsLockToggled());
}

TEST(KeystrokesTest, GoToTheSinkOfTheForegroundWindowOnly) {
    sim::SimDesktop desktop;
    sim::SimWindows& windows = desktop.windows();
    RecordingSink editor;
    RecordingSink other;
    const platform::WindowId editorWindow = windows.createWindow("Editor", {0, 0, 300, 200});
    const platform::WindowId otherWindow = windows.createWindow("Other", {0, 0, 300, 200});
    windows.setSink(editorWindow, &editor);
    windows.setSink(otherWindow, &other);
    platform::Keystrokes& keys = desktop.platform().keystrokes;

    keys.keybdEvent('A', 0, 0);  // nothing in the foreground yet
    windows.setForeground(editorWindow);
    keys.keybdEvent('A', 0, 0);
    keys.typeCharacter(0xE9);
    windows.setForeground(otherWindow);
    keys.keybdEvent('A', 0, kKeyUp);
    windows.destroyWindow(otherWindow);
    keys.keybdEvent('B', 0, 0);

    EXPECT_EQ(editor.got, (std::vector<std::string>{"key 65/0/0", "char 233"}));
    EXPECT_EQ(other.got, (std::vector<std::string>{"key 65/0/2"}));
    EXPECT_EQ(desktop.keystrokes().log().size(), 5u);
}

}  // namespace
