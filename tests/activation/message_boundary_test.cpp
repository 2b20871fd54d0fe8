// No dictionary failure leaves a handler: it is shown once, in the keyboard's
// own message box, and the keyboard goes on typing.
#include <gtest/gtest.h>

#include "dictionary/messages.h"
#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"
#include "window/private_messages.h"

namespace pelvok_test {
namespace {

class MessageBoundaryTest : public KeyDriverTest {
protected:
    // Another program takes the tables away under the keyboard's feet.
    void breakDictionary(const std::string& windowsPath) {
        SqliteDatabase other;
        other.open(desktop().files().sqlitePath(windowsPath));
        other.executeUpdate("DROP TABLE palabras; DROP TABLE siguientes;");
        other.close();
    }
    const std::vector<sim::MessageBoxRecord>& boxes() { return desktop().dialogs().messageBoxes(); }
};

TEST_F(MessageBoundaryTest, FailureWhileTypingIsShownOnceUntilAnotherDictionaryIsOpened) {
    CPelvokDlg& keyboard = startTyping();
    breakDictionary(kDefaultDictionary);

    for (const char letter : std::string("hola")) click(static_cast<std::uint8_t>(letter));
    click(' ');

    ASSERT_EQ(boxes().size(), 1u);
    const sim::MessageBoxRecord& box = boxes()[0];
    EXPECT_TRUE(box.owned);
    EXPECT_EQ(box.caption, std::optional<std::string>(kMessageCaption));
    EXPECT_TRUE(box.stopIcon);
    EXPECT_NE(box.text.find(kDefaultDictionary), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(" / "), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("no such table"), std::string::npos) << box.text;
    // Every key still reached the application.
    EXPECT_EQ(strokes(), taps({0x48, 0x4F, 0x4C, 0x41, vk::kSpace}));
    EXPECT_FALSE(desktop().ended());

    // A good dictionary, which then breaks too: its failure is told again.
    const std::string other = "C:\\Otros\\otro.dic";
    prepareDictionary(other);
    desktop().queueFileAnswer(sim::FileAnswer::choose(other));
    keyboard.ChooseDictionaryFile(file_dialog::kOpen);
    ASSERT_EQ(keyboard.dictionaryPath, other);
    click('s');
    EXPECT_EQ(boxes().size(), 1u);
    breakDictionary(other);
    click('i');
    click('n');
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[1].text.find(other), std::string::npos) << boxes()[1].text;
}

TEST_F(MessageBoundaryTest, HandlersDoNothingOnceTheWindowIsClosed) {
    CPelvokDlg& keyboard = startTyping();
    const platform::Point q = pointOf('q');
    setLine("hola_");
    desktop().close();
    ASSERT_EQ(keyboard.layout, nullptr);
    clearStrokes();

    // Messages already queued still reach the handlers.
    keyboard.PreTranslateMessage();
    keyboard.OnMouseMove();
    keyboard.OnLButtonUp(0, packPoint(q.x, q.y));
    keyboard.OnRButtonUp(0, packPoint(q.x, q.y));
    keyboard.OnCommand(ID_SIZE_MEDIUM);
    EXPECT_EQ(keyboard.OnPrivateMessage(private_message::kDrive, 'W'), 0);
    EXPECT_EQ(keyboard.OnPrivateMessage(private_message::kResetLine, 0), 0);
    EXPECT_EQ(keyboard.OnMouseActivate(), 3);

    EXPECT_EQ(strokes(), "");
    EXPECT_EQ(keyboard.textLine, "hola_");
    EXPECT_EQ(keyboard.zoom, 1);
    EXPECT_TRUE(desktop().dialogs().menus().empty());
}

}  // namespace
}  // namespace pelvok_test
