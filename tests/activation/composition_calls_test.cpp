// What each kind of key hands to the composition engine, seen in the echo of
// the typed text: the code and flags passed, or no call at all.
#include <gtest/gtest.h>

#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

struct EchoCase {
    const char* name;
    bool symbolsPage;
    bool latched;
    std::uint8_t code;
    KeyKind kind;
    const char* before;
    const char* after;
};

const EchoCase kCases[] = {
    // Back-tab is passed on as Tab, which takes the text before the marker.
    {"BackTabAsTab", false, false, 6, KeyKind::Command, "ab_cd", "_cd"},
    {"DeleteWord", false, false, 7, KeyKind::Command, "la casa_", "la _"},
    {"ForwardDelete", false, false, 46, KeyKind::Command, "a_b", "a_"},
    {"Copy", true, false, 11, KeyKind::Command, "hola_", "_"},
    {"PasteNotPassed", true, false, 12, KeyKind::Command, "hola_", "hola_"},
    {"CutNotPassed", true, false, 33, KeyKind::Command, "hola_", "hola_"},
    {"Backspace", false, false, 8, KeyKind::Direct, "ab_", "a_"},
    {"Left", false, false, 37, KeyKind::Direct, "ab_", "a_b"},
    {"Home", false, false, 31, KeyKind::Direct, "hola_", "_"},
    {"Enter", false, false, 13, KeyKind::Direct, "hola_", "_"},
    {"CapsLockNotPassed", false, false, 20, KeyKind::Direct, "hola_", "hola_"},
    {"ShiftLatchNotPassed", false, false, 16, KeyKind::Direct, "hola_", "hola_"},
    {"OneShotLetterShifted", false, true, 'q', KeyKind::Character, "_", "Q_"},
    {"ShiftedCharacter", false, false, 0xA8, KeyKind::Character, "_", "\xA8_"},
    {"AltGrCharacter", true, false, '@', KeyKind::Character, "_", "@_"},
    {"PlainCharacter", false, false, 'q', KeyKind::Character, "_", "q_"},
};

class EchoTest : public KeyDriverTest, public testing::WithParamInterface<EchoCase> {};

TEST_P(EchoTest, EditsTheEchoAsTheTargetWasEdited) {
    const EchoCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(14, KeyKind::Direct);
    if (c.latched) click(16, KeyKind::Direct);
    setLine(c.before);

    click(c.code, c.kind);

    EXPECT_EQ(keyboard.textLine, c.after);
}

INSTANTIATE_TEST_SUITE_P(Keys, EchoTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EchoCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeyDriverTest, SuggestionCompletesTheEcho) {
    CPelvokDlg& keyboard = startTyping();
    keyboard.suggestions[0] = "casa";
    setLine("la ca_sa mesa");

    click('1');

    EXPECT_EQ(keyboard.textLine, "la casa_ mesa");
}

}  // namespace
}  // namespace pelvok_test
