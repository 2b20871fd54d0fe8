// Learning that respects privacy: paused by the user, and never in a
// password field.
#include <gtest/gtest.h>

#include <string>

#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace pelvok_test {
namespace {

class PrivacyTest : public KeyDriverTest {
protected:
    // A dictionary that knows "hola", then the keyboard typing into an editor.
    CPelvokDlg& startWithHola() {
        prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
            store.LearnWord("hola", "hola");
        });
        return startTyping();
    }
    void type(const std::string& keys) {
        for (char c : keys) click(static_cast<std::uint8_t>(c == ' ' ? 32 : c));
    }
    int learnedRows(CPelvokDlg& keyboard) {
        return keyboard.database.queryInt("SELECT count(*) FROM palabras") +
               keyboard.database.queryInt("SELECT count(*) FROM siguientes");
    }
    bool pausedLabelDrawn() {
        desktop().graphics().clearDrawLog();
        desktop().framework().invalidate(nullptr);
        desktop().paintIfNeeded();
        for (const sim::DrawRecord& drawn : desktop().graphics().drawLog())
            if (drawn.kind == sim::DrawRecord::Kind::DrawText &&
                drawn.text.rfind("sin aprender", 0) == 0)
                return true;
        return false;
    }
};

TEST_F(PrivacyTest, PausedLearningStillSuggestsAndIsKeptAcrossStarts) {
    CPelvokDlg& keyboard = startWithHola();
    const int before = learnedRows(keyboard);
    EXPECT_FALSE(pausedLabelDrawn());
    const platform::Point magnifier = pointOf(command::kNextSize, KeyKind::Command);
    desktop().dialogs().queueMenuAnswer(ID_PAUSE_LEARNING);
    desktop().rightClick(magnifier.x, magnifier.y);
    EXPECT_TRUE(keyboard.learningPaused);
    EXPECT_TRUE(pausedLabelDrawn());

    type("casa hola ");
    EXPECT_EQ(learnedRows(keyboard), before) << "nothing learned";
    type("h");
    EXPECT_EQ(keyboard.suggestions[0], "hola") << "suggestions still come";

    click(command::kExit, KeyKind::Command);
    EXPECT_EQ(setting(settings::kLearningPaused.name), "1");

    makeDesktop(KeyboardHarness::defaultOptions());
    setSetting(settings::kLearningPaused.name, "1");
    EXPECT_TRUE(start().learningPaused);
}

TEST_F(PrivacyTest, APasswordFieldLearnsNothingAndShowsNoWords) {
    CPelvokDlg& keyboard = startWithHola();
    const int before = learnedRows(keyboard);
    desktop().windows().setPasswordFocus(target, true);
    type("casa hola h");
    EXPECT_EQ(learnedRows(keyboard), before);
    for (const std::string& suggestion : keyboard.suggestions) EXPECT_EQ(suggestion, "");

    // Back in a plain field, words are learned and offered again.
    desktop().windows().setPasswordFocus(target, false);
    type("ola ");
    EXPECT_GT(learnedRows(keyboard), before);
    type("h");
    EXPECT_EQ(keyboard.suggestions[0], "hola");
}

}  // namespace
}  // namespace pelvok_test
