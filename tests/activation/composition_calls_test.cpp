// What each kind of key hands to the composition engine, seen in the echo of
// the typed text: the code and flags passed, or no call at all.
#include <gtest/gtest.h>

#include "model/key_codes.h"
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
    // Back-tab is passed on as Tab, which leaves the line the echo knows.
    {"BackTabAsTab", false, false, command::kBackTab, KeyKind::Command, "ab_cd", "_"},
    {"DeleteWord", false, false, command::kDeleteWord, KeyKind::Command, "la casa_", "la _"},
    {"ForwardDelete", false, false, command::kForwardDelete, KeyKind::Command, "a_b", "a_"},
    // Copy changes nothing; Paste and Cut change text the echo has not seen.
    {"Copy", true, false, command::kCopy, KeyKind::Command, "hola_", "hola_"},
    {"Paste", true, false, command::kPaste, KeyKind::Command, "hola_", "_"},
    {"Cut", true, false, command::kCut, KeyKind::Command, "hola_", "_"},
    {"Backspace", false, false, direct::kBackspace, KeyKind::Direct, "ab_", "a_"},
    {"Left", false, false, direct::kLeft, KeyKind::Direct, "ab_", "a_b"},
    {"Home", false, false, direct::kHome, KeyKind::Direct, "hola_", "_"},
    {"Enter", false, false, direct::kEnter, KeyKind::Direct, "hola_", "_"},
    {"CapsLockNotPassed", false, false, direct::kCapsLock, KeyKind::Direct, "hola_", "hola_"},
    {"ShiftLatchNotPassed", false, false, direct::kShiftLatch, KeyKind::Direct, "hola_", "hola_"},
    {"OneShotLetterShifted", false, true, 'q', KeyKind::Character, "_", "Q_"},
    {"ShiftedCharacter", false, false, cp1252::kDiaeresis, KeyKind::Character, "_", "\xA8_"},
    {"AltGrCharacter", true, false, '@', KeyKind::Character, "_", "@_"},
    {"PlainCharacter", false, false, 'q', KeyKind::Character, "_", "q_"},
};

class EchoTest : public KeyDriverTest, public testing::WithParamInterface<EchoCase> {};

TEST_P(EchoTest, EditsTheEchoAsTheTargetWasEdited) {
    const EchoCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(direct::kSymbols, KeyKind::Direct);
    if (c.latched) click(direct::kShiftLatch, KeyKind::Direct);
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

    click(suggestion_key::kFirst);

    EXPECT_EQ(keyboard.textLine, "la casa_ mesa");
}

}  // namespace
}  // namespace pelvok_test
