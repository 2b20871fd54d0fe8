// Suggestion keys: the partial word is taken back and the chosen word typed
// character by character, each with the modifiers the layout asks for.
#include <gtest/gtest.h>

#include "model/key_codes.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

struct CompletionCase {
    const char* name;
    const char* line;
    const char* suggestion;  // on key 1
    bool latched;
    bool capsLock;
    std::string strokes;
};

std::string join(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

const std::string kShiftDown = "10/0";
const std::string kShiftUp = "10/2";

const CompletionCase kCases[] = {
    {"CapitalInPartialWord", "Ca_", "casa", false, false,
     join({taps({vk::kBackspace, vk::kBackspace}), kShiftDown, taps({0x43}), kShiftUp,
           taps({0x41, 0x53, 0x41, vk::kSpace})})},
    // Only a capital that begins the partial word raises the completed one.
    {"CapitalInsideWordNotCarried", "cA_", "casa", false, false,
     taps({vk::kBackspace, vk::kBackspace, 0x43, 0x41, 0x53, 0x41, vk::kSpace})},
    {"CapitalAfterQuestionMark", "\xBFQu_", "que", false, false,
     join({taps({vk::kBackspace, vk::kBackspace}), kShiftDown, taps({0x51}), kShiftUp,
           taps({0x55, 0x45, vk::kSpace})})},
    {"CapsLockTypesPlainKeys", "Ca_", "casa", false, true,
     taps({vk::kBackspace, vk::kBackspace, 0x43, 0x41, 0x53, 0x41, vk::kSpace})},
    {"AcuteVowelByDeadKey", "_", "canci\xF3n", false, false,
     taps({0x43, 0x41, 0x4E, 0x43, 0x49, 0xDE, 0x4F, 0x4E, vk::kSpace})},
    // The dead keys of the diaeresis and the circumflex, and the middle dot,
    // need Shift on the Spanish layout.
    {"DiaeresisDeadKeyWithShift", "_", "ping\xFCino", false, false,
     join({taps({0x50, 0x49, 0x4E, 0x47}), kShiftDown, taps({0xDE}), kShiftUp,
           taps({0x55, 0x49, 0x4E, 0x4F, vk::kSpace})})},
    {"CircumflexDeadKeyWithShift", "_", "cr\xEApe", false, false,
     join({taps({0x43, 0x52}), kShiftDown, taps({0xBA}), kShiftUp,
           taps({0x45, 0x50, 0x45, vk::kSpace})})},
    {"MiddleDotWithShift", "_", "col\xB7la", false, false,
     join({taps({0x43, 0x4F, 0x4C}), kShiftDown, taps({0x33}), kShiftUp,
           taps({0x4C, 0x41, vk::kSpace})})},
    {"AltGrCharacter", "_", "a@b", false, false,
     join({taps({0x41}), "11/0 12/0", taps({0x32}), "12/2 11/2", taps({0x42, vk::kSpace})})},
    // Neither a key nor a dead key: typed as the character itself.
    {"CharacterWithoutKey", "_", "h\xE3y", false, false,
     join({taps({0x48}), "'\xE3'", taps({0x59, vk::kSpace})})},
    {"AttachedBeforeText", "la ca_ mesa", "casa", false, false,
     taps({vk::kBackspace, vk::kBackspace, 0x43, 0x41, 0x53, 0x41})},
    {"RestOfWordDeleted", "la ca_sa mesa", "casa", false, false,
     taps({vk::kBackspace, vk::kBackspace, vk::kDelete, vk::kDelete, 0x43, 0x41, 0x53, 0x41})},
    {"LatchRaisesFirstLetter", "_", "casa", true, false,
     join({kShiftDown, taps({0x43}), kShiftUp, taps({0x41, 0x53, 0x41, vk::kSpace})})},
    // A hyphen typed with Shift would be '_'.
    {"LatchLeavesHyphen", "_", "-ito", true, false, taps({0xBD, 0x49, 0x54, 0x4F, vk::kSpace})},
    {"HyphenWordTakesHyphenBack", "e-ma_", "-mail", false, false,
     taps({vk::kBackspace, vk::kBackspace, vk::kBackspace, 0xBD, 0x4D, 0x41, 0x49, 0x4C,
           vk::kSpace})},
    {"ApostropheWordTakesSpaceBack", "d _", "'acord", false, false,
     taps({vk::kBackspace, vk::kQuestionKey, 0x41, 0x43, 0x4F, 0x52, 0x44, vk::kSpace})},
    // A word is text: its control bytes would be Ctrl+A, Backspace, Esc.
    {"ControlBytesNeverTyped", "_", "zo\x01\x08rro\x1B\x7F", false, false,
     taps({0x5A, 0x4F, 0x52, 0x52, 0x4F, vk::kSpace})},
    {"EmptySuggestion", "hola_", "", false, false, ""},
};

class CompletionTest : public KeyDriverTest, public testing::WithParamInterface<CompletionCase> {};

TEST_P(CompletionTest, TypesTheRestOfTheWord) {
    const CompletionCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.capsLock) click(direct::kCapsLock, KeyKind::Direct);
    if (c.latched) click(direct::kShiftLatch, KeyKind::Direct);
    keyboard.suggestions[0] = c.suggestion;
    setLine(c.line);
    clearStrokes();

    click(suggestion_key::kFirst);

    EXPECT_EQ(strokes(), c.strokes);
}

INSTANTIATE_TEST_SUITE_P(Words, CompletionTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CompletionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeyDriverTest, CompletionSpendsTheLatchAndResetsTheAbsorbedSpace) {
    CPelvokDlg& keyboard = startTyping();
    click(direct::kShiftLatch, KeyKind::Direct);
    keyboard.suggestions[1] = "mesa";
    keyboard.spaceAbsorbed = true;

    click(suggestion_key::kFirst + 1);

    EXPECT_EQ(keyboard.layout->getShiftLatched(), 0);
    EXPECT_FALSE(keyboard.spaceAbsorbed);
}

}  // namespace
}  // namespace pelvok_test
