// Character keys: the keystrokes of plain, shifted and AltGr characters, the
// one-shot SHIFT, and the spaces taken back or added around punctuation.
#include <gtest/gtest.h>

#include "model/key_codes.h"
#include "tests/activation/key_driver.h"

namespace pelvok_test {
namespace {

struct CharacterCase {
    const char* name;
    bool symbolsPage;
    bool latched;  // the one-shot SHIFT
    const char* line;
    bool spaceAbsorbed;
    std::uint8_t code;
    std::string strokes;
    int latchedAfter;  // -1: not looked at
};

std::string shifted(int key) {
    char text[32];
    std::snprintf(text, sizeof text, "10/0 %02X/0 %02X/2 10/2", key, key);
    return text;
}

const CharacterCase kCases[] = {
    {"PlainLetter", false, false, "_", false, 'q', taps({0x51}), 0},
    {"OneShotCapital", false, true, "_", false, 'q', shifted(0x51), -1},
    {"OneShotEnye", false, true, "_", false, cp1252::kSmallNTilde, shifted(vk::kEnyeKey), -1},
    {"OneShotCedilla", false, true, "_", false, cp1252::kSmallCCedilla, shifted(vk::kCedillaKey),
     -1},
    {"FullStopAddsSpaceAndLatches", false, false, "hola_", false, '.', taps({0xBE, vk::kSpace}), 1},
    {"CommaAddsSpace", false, false, "hola_", false, ',', taps({0xBC, vk::kSpace}), 0},
    {"CommaTakesSpaceBack", false, false, "hola _", false, ',',
     taps({vk::kBackspace, 0xBC, vk::kSpace}), 0},
    // As in the echo, only the space key minds a space absorbed before.
    {"CommaTakesSpaceBackAfterAbsorbedOne", false, false, "hola _", true, ',',
     taps({vk::kBackspace, 0xBC, vk::kSpace}), 0},
    {"SpaceReplacesSpace", false, false, "casa _", false, ' ', taps({vk::kBackspace, vk::kSpace}),
     0},
    {"SpaceAfterAbsorbedSpace", false, false, "casa _", true, ' ', taps({vk::kSpace}), 0},
    {"HyphenJoinsWord", false, false, "casa _", false, '-', taps({vk::kBackspace, 0xBD}), 0},
    {"HyphenAfterWord", false, false, "casa_", false, '-', taps({0xBD}), 0},
    {"ApostropheJoinsWord", false, false, "casa _", false, '\'',
     taps({vk::kBackspace, vk::kQuestionKey}), 0},
    {"EmptyQuestionClosed", false, false, "hola \xBF_", false, cp1252::kInvertedQuestion,
     taps({vk::kBackspace, vk::kBackspace}) + " " + shifted(vk::kQuestionKey) + " " +
         taps({vk::kSpace}),
     -1},
    {"QuestionClosedAfterWord", false, false, "hola_", false, cp1252::kInvertedQuestion,
     shifted(vk::kQuestionKey), -1},
    {"QuestionOpenedAfterSpace", false, false, "hola _", false, cp1252::kInvertedQuestion,
     shifted(vk::kInvertedQuestionKey), -1},
    {"QuestionOpenedOnEmptyLine", false, false, "_", false, cp1252::kInvertedQuestion,
     shifted(vk::kInvertedQuestionKey), -1},
    // A one-letter word before the closing mark stays.
    {"QuestionClosedAfterOneLetter", false, false, "ab c_", false, cp1252::kInvertedQuestion,
     shifted(vk::kQuestionKey), -1},
    {"QuestionClosedAtLineStart", false, false, "\xBF_", false, cp1252::kInvertedQuestion,
     taps({vk::kBackspace}) + " " + shifted(vk::kQuestionKey), -1},
    {"DeadDiaeresisNeedsShift", false, false, "_", false, cp1252::kDiaeresis, shifted(0xDE), -1},
    {"MiddleDotNeedsShift", false, false, "_", false, cp1252::kMiddleDot, shifted(0x33), -1},
    {"DeadAcute", false, false, "_", false, cp1252::kAcute, taps({0xDE}), -1},
    {"DeadGrave", false, false, "_", false, '`', taps({0xBA}), -1},
    {"FullStopOnSymbolsPage", true, false, "hola_", false, '.', taps({0xBE}), 0},
    {"AltGrCharacter", true, false, "_", false, '@', "12/0 11/0 32/1 32/3 11/2 12/2", -1},
    {"InvertedQuestionOnSymbolsPage", true, false, "hola_", false, cp1252::kInvertedQuestion,
     shifted(vk::kInvertedQuestionKey), -1},
    {"DigitOnSymbolsPage", true, false, "_", false, '1', taps({0x31}), -1},
    {"ColonOnSymbolsPage", true, false, "hola_", false, ':', shifted(0xBE), -1},
    // ':' and ';' need Shift, and take the space before them back as '.' does.
    {"ColonTakesSpaceBack", true, false, "hola _", false, ':',
     taps({vk::kBackspace}) + " " + shifted(0xBE), -1},
    {"SemicolonTakesSpaceBack", true, false, "hola _", true, ';',
     taps({vk::kBackspace}) + " " + shifted(0xBC), -1},
    {"AmpersandNeedsShift", true, false, "_", false, '&', shifted(0x36), -1},
};

class CharacterKeyTest : public KeyDriverTest, public testing::WithParamInterface<CharacterCase> {};

TEST_P(CharacterKeyTest, InjectsTheKeystrokes) {
    const CharacterCase& c = GetParam();
    CPelvokDlg& keyboard = startTyping();
    if (c.symbolsPage) click(direct::kSymbols, KeyKind::Direct);
    if (c.latched) click(direct::kShiftLatch, KeyKind::Direct);
    // A suggestion that the digit on the symbols page must not type.
    keyboard.suggestions[0] = "casa";
    setLine(c.line);
    keyboard.spaceAbsorbed = c.spaceAbsorbed;
    clearStrokes();

    click(c.code);

    EXPECT_EQ(strokes(), c.strokes);
    EXPECT_EQ(keyboard.highlightState, 2);
    if (c.latchedAfter >= 0) {
        EXPECT_EQ(keyboard.layout->getShiftLatched(), c.latchedAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CharacterKeyTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CharacterCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(KeyDriverTest, KeystrokesReachTheApplicationInFront) {
    struct Recorder : sim::KeystrokeSink {
        std::vector<std::uint8_t> keys;
        void onKeystroke(std::uint8_t vk, std::uint8_t, std::uint32_t flags) override {
            if ((flags & platform::kKeyUp) == 0) keys.push_back(vk);
        }
        void onCharacter(std::uint8_t) override {}
    } editor;
    startTyping();
    desktop().windows().setSink(target, &editor);

    click('h');
    click('o');

    EXPECT_EQ(editor.keys, (std::vector<std::uint8_t>{'H', 'O'}));
    // The keyboard never took the focus.
    EXPECT_EQ(desktop().windows().foregroundWindow(), target);
    EXPECT_EQ(desktop().framework().keyboardActivations(), 0);
}

TEST_F(KeyDriverTest, SelectionSpendsTheLatchBeforeTheCharacter) {
    CPelvokDlg& keyboard = startTyping();
    click(direct::kShiftLatch, KeyKind::Direct);
    keyboard.selectionActive = true;
    clearStrokes();

    click('q');

    // Backspace takes the selection, then the letter comes in lower case.
    EXPECT_EQ(strokes(), taps({vk::kBackspace, 0x51}));
}

}  // namespace
}  // namespace pelvok_test
