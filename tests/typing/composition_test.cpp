// The echo of the typed text, edited through UpdateComposition on the real
// window with its dictionary.
#include <gtest/gtest.h>

#include <string>

#include "model/key_codes.h"
#include "tests/typing/typing_fixture.h"

namespace {

using typing_test::control;
using typing_test::Keystroke;
using typing_test::plain;
using typing_test::TypingTest;
using typing_test::withShift;

using CompositionTest = TypingTest;

// Flags as letters: C Caps Lock, L Shift latched, U Shift consumed, Y symbols
// page, S sentence start, A selection active, B space absorbed, X text before
// the echo unknown, Z text after it unknown, D a dead key waiting; a digit:
// where the selection began.
void setFlags(CPelvokDlg& keyboard, const std::string& flags) {
    auto has = [&](char flag) { return flags.find(flag) != std::string::npos; };
    const std::size_t digit = flags.find_first_of("0123456789");
    keyboard.selectionAnchor = digit == std::string::npos ? -1 : flags[digit] - '0';
    keyboard.textBeforeUnknown = has('X');
    keyboard.textAfterUnknown = has('Z');
    keyboard.deadKeyPending = has('D');
    keyboard.layout->setCapsLock(has('C'));
    keyboard.layout->setShiftLatched(has('L'));
    keyboard.layout->setShiftConsumed(has('U'));
    keyboard.layout->setSymbolsPage(has('Y'));
    keyboard.sentenceStart = has('S');
    keyboard.selectionActive = has('A');
    keyboard.spaceAbsorbed = has('B');
}

std::string flagsOf(CPelvokDlg& keyboard) {
    std::string flags;
    if (keyboard.layout->getCapsLock()) flags += 'C';
    if (keyboard.layout->getShiftLatched()) flags += 'L';
    if (keyboard.layout->getShiftConsumed()) flags += 'U';
    if (keyboard.layout->getSymbolsPage()) flags += 'Y';
    if (keyboard.sentenceStart) flags += 'S';
    if (keyboard.selectionActive) flags += 'A';
    if (keyboard.spaceAbsorbed) flags += 'B';
    if (keyboard.textBeforeUnknown) flags += 'X';
    if (keyboard.textAfterUnknown) flags += 'Z';
    if (keyboard.deadKeyPending) flags += 'D';
    if (keyboard.selectionActive && keyboard.selectionAnchor >= 0)
        flags += static_cast<char>('0' + keyboard.selectionAnchor);
    return flags;
}

struct Edit {
    const char* before;  // '_' is the marker
    Keystroke key;
    const char* flagsBefore;
    const char* suggestion1;  // text of suggestion key 1
    const char* after;
    const char* flagsAfter;  // after the prediction step too
};

TEST_F(CompositionTest, EditsTheLineAsTheKeystrokesEditedTheTarget) {
    CPelvokDlg& keyboard = startWith({});
    const Edit edits[] = {
        // Punctuation and automatic spaces. After '.' the prediction step
        // passes the period and clears the sentence start again.
        {"hola_", plain('.'), "", "", "hola. _", ""},
        {"casa _", plain(','), "", "", "casa, _", "B"},
        {"casa, _", plain(','), "B", "", "casa,, _", "B"},
        {"casa _", plain(' '), "", "", "casa _", "B"},
        {"casa _", plain(' '), "B", "", "casa  _", "B"},
        {"casa _", plain('-'), "", "", "casa-_", "B"},
        {"3_", plain('.'), "Y", "", "3._", "Y"},
        // Inverted and closing question marks.
        {"hola _", withShift(cp1252::kInvertedQuestion), "", "", "hola \xBF_", ""},
        {"hola_", withShift(cp1252::kInvertedQuestion), "", "", "hola?_", ""},
        {"hola \xBF_", withShift(cp1252::kInvertedQuestion), "", "", "hola? _", ""},
        {" \xBF_", withShift(cp1252::kInvertedQuestion), "", "", "? _", ""},
        {"ab\xBF_", withShift(cp1252::kInvertedQuestion), "", "", "ab? _", ""},
        {"hola_", withShift(cp1252::kInvertedQuestion), "Y", "", "hola\xBF_", "Y"},
        // Dead keys and case.
        {"_", plain(cp1252::kAcute), "", "", "\xB4_", "D"},
        {"\xB4_", plain('e'), "D", "", "\xE9_", ""},
        {"\xB4_", plain('e'), "CD", "", "\xC9_", "C"},
        // The target cases the vowel after a dead key as any letter, so the
        // one-shot Shift raises it and cancels Caps Lock.
        {"\xB4_", withShift('e'), "LD", "", "\xC9_", ""},
        {"\xB4_", withShift('e'), "CLD", "", "\xE9_", "C"},
        // A letter it cannot combine with comes after it; a space types it alone.
        {"\xB4_", plain('n'), "D", "", "\xB4n_", ""},
        {"\xB4_", plain(' '), "D", "", "\xB4_", ""},
        // An accent typed alone earlier waits for nothing.
        {"\xB4_", plain('e'), "", "", "\xB4" "e_", ""},
        {"_", withShift('a'), "CS", "", "a_", "CS"},
        {"_", plain('a'), "CS", "", "A_", "CS"},
        {"_", withShift('a'), "LS", "", "A_", "S"},
        // Control keys. Backspace at the line start joins the line before,
        // Left past it goes there: the echo no longer knows what is before.
        {"_", control(direct::kBackspace), "S", "", "_", "X"},
        {"_", control(direct::kLeft), "S", "", "_", "XZ"},
        {"ab_", control(direct::kRight), "", "", "_", "XZ"},
        {"ab_", control(command::kForwardDelete), "", "", "ab_", "Z"},
        {"ab_", control(direct::kLeft), "", "", "a_b", ""},
        {"a_b", control(direct::kRight), "", "", "ab_", ""},
        {"ho_la", control(command::kForwardDelete), "", "", "ho_a", ""},
        {"hola_", control(direct::kBackspace), "", "", "hol_", ""},
        {"la casa  _x", control(command::kDeleteWord), "", "", "la _x", ""},
        // The word before may go on into text the echo does not know.
        {"casa_", control(command::kDeleteWord), "", "", "_", "X"},
        // Keys that take the caret where the echo cannot follow, or change
        // text it has not seen.
        {"ab_cd", control(direct::kTab), "", "", "_", "XZ"},
        {"ab_cd", control(direct::kUp), "", "", "_", "XZ"},
        {"ab_cd", control(direct::kDown), "", "", "_", "XZ"},
        {"hola_", control(direct::kHome), "", "", "_", "XZ"},
        {"hola_", control(direct::kEnd), "", "", "_", "XZ"},
        {"hola_", control(direct::kUndo), "", "", "_", "XZ"},
        {"hola_", control(command::kPaste), "", "", "_", "XZ"},
        {"hola_", control(command::kCut), "", "", "_", "XZ"},
        {"hola_", control(direct::kHome), "A", "", "_", "XZ"},
        // Enter starts a line the echo knows from its start.
        {"hola_", control(direct::kEnter), "", "", "_", "S"},
        {"hola _", control(direct::kEnter), "X", "", "_", "S"},
        {"ho_la", control(command::kCopy), "", "", "ho_la", ""},
        {"ho_la", control(direct::kEscape), "", "", "ho_la", ""},
        // A pending selection, from the digit to the marker, goes as a whole.
        {"hola_", control(direct::kBackspace), "AL2", "", "ho_", ""},
        {"ho_la", control(command::kForwardDelete), "AL4", "", "ho_", ""},
        {"la casa_", control(command::kDeleteWord), "AL3", "", "la _", ""},
        {"ho_la", control(command::kCut), "AL4", "", "ho_", "L"},
        {"ab_cd", plain('x'), "AL4", "", "abx_", ""},
        {"abcd_", plain('x'), "AL2", "", "abx_", ""},
        {"ab_", withShift('x'), "AU2", "", "abx_", ""},
        {"ab_", plain(','), "A2", "", "ab, _", ""},
        // Without the latch an arrow leaves the selection at its side.
        {"abcd_", control(direct::kLeft), "A2", "", "ab_cd", ""},
        {"ab_cd", control(direct::kRight), "A4", "", "abcd_", ""},
        {"ab_cd", control(direct::kLeft), "A4", "", "ab_cd", ""},
        // One that reaches into text the echo does not know.
        {"hola_", control(direct::kBackspace), "AL", "", "_", "XZ"},
        {"hola_", plain('x'), "AL", "", "x_", "XZ"},
        // Suggestion keys.
        {"Ca_", plain(suggestion_key::kFirst), "", "casa", "Casa _", ""},
        {"Ca_", plain(suggestion_key::kFirst), "C", "casa", "CASA _", "C"},
        {"Ca_", plain(suggestion_key::kFirst), "U", "casa", "Casa _", ""},
        {"_", plain(suggestion_key::kFirst), "SU", "casa", "Casa _", ""},
        {"_", plain(suggestion_key::kFirst), "CSU", "casa", "cASA _", "C"},
        {"la ca_ mesa", plain(suggestion_key::kFirst), "", "casa", "la casa_ mesa", ""},
        {"anti-terr_", plain(suggestion_key::kFirst), "", "-terrorismo", "anti-terrorismo _", ""},
        {"\xBFqu_", plain(suggestion_key::kFirst), "", "que", "\xBFque _", ""},
        // A capital after the opening question mark begins the word, as in the
        // keystrokes; one further in does not.
        {"\xBFQu_", plain(suggestion_key::kFirst), "", "que", "\xBFQue _", ""},
        {"cO_", plain(suggestion_key::kFirst), "", "como", "como _", ""},
        {"hola_", plain(suggestion_key::kFirst), "S", "", "hola_", ""},
        {"_", plain('1'), "SY", "casa", "1_", "Y"},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(std::string("line ") + edit.before + ", code " +
                     std::to_string(edit.key.code) + ", flags " + edit.flagsBefore);
        setLine(edit.before);
        setFlags(keyboard, edit.flagsBefore);
        keyboard.suggestions = {edit.suggestion1, "", "", "", "", ""};

        press(edit.key);

        EXPECT_EQ(keyboard.textLine, edit.after);
        EXPECT_EQ(keyboard.cursorPos, static_cast<int>(std::string(edit.after).find('_')));
        EXPECT_EQ(flagsOf(keyboard), edit.flagsAfter);
    }
}

TEST_F(CompositionTest, LongTextKeepsTheTailThatFitsTheWidth) {
    CPelvokDlg& keyboard = startWith(typing_test::standardWords);
    std::string typed;
    for (int i = 0; i < 4; ++i) typed += "esto es un texto bastante largo para la linea ";
    type(typed);

    auto width = [&](const std::string& text) {
        return desktop().graphics().defaultFontTextWidth(text);
    };
    const std::string kept = keyboard.textLine.substr(0, keyboard.cursorPos);
    EXPECT_EQ(keyboard.textLine, kept + "_");
    ASSERT_LT(kept.size(), typed.size());
    EXPECT_EQ(typed.substr(typed.size() - kept.size()), kept);
    EXPECT_LE(width(kept), 350);
    EXPECT_GT(width(typed.substr(typed.size() - kept.size() - 1)), 350);
}

}  // namespace
