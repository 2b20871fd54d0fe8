// Whole Spanish sentences typed on the keyboard into an edit box, key by key
// as a user clicks them: capitals by SHIFT and Caps Lock, accents by dead
// keys, questions, punctuation with its automatic spaces, digits from the
// symbols page, corrections, and words completed from suggestion keys at the
// end of the line and inside it. After every key the edit box's line must
// read as the keyboard's echo of it.
#include <gtest/gtest.h>

#include <string>

#include "tests/integration/typing_session.h"

namespace integration_test {
namespace {

struct Sentence {
    const char* name;
    // Typed first, then Enter, so that the dictionary knows these words;
    // the edit box is emptied afterwards.
    const char* learn;
    const char* script;  // see typing_session.h
    const char* expected;
    const char* zoom = "1";
    const char* arrangement = "2";  // QWERTY
};

// In the scripts '\xB4' is the dead acute, '\xA8' the dead diaeresis, '\xBF'
// the key of the inverted question mark, '\xF1' the key of n with tilde.
// clang-format off
const Sentence kSentences[] = {
    {"QuestionAfterComma", "", "{SHIFT}hola,\xBFqu\xB4" "e tal est\xB4" "as\xBF",
     "Hola, \xBFqu\xE9 tal est\xE1s?"},
    // The space typed after the comma replaces its automatic space.
    {"SpaceAfterComma", "", "{SHIFT}hola, \xBF" "c\xB4" "omo est\xB4" "as\xBF",
     "Hola, \xBF" "c\xF3mo est\xE1s?"},
    {"QuestionAtLineStart", "", "\xBF{SHIFT}qu\xB4" "e hora es\xBF", "\xBFQu\xE9 hora es?"},
    // Right after its '¿' the key closes an empty question.
    {"EmptyQuestion", "", "hola \xBF\xBF", "hola? "},
    {"FullStopLatchesShift", "", "{SHIFT}el ni\xF1o comi\xB4o pan.despu\xB4" "es se fue.",
     "El ni\xF1o comi\xF3 pan. Despu\xE9s se fue. "},
    {"CapsLockWord", "", "{SHIFT}viva {CAPS}espa\xF1" "a{CAPS}.", "Viva ESPA\xD1" "A. "},
    {"CapsLockDeadKey", "", "{CAPS}canci\xB4on{CAPS} de amor", "CANCI\xD3N de amor"},
    {"ShiftUnderCapsLock", "", "{CAPS}{SHIFT}ipod{CAPS}", "iPOD"},
    {"ShiftThenDeadKey", "", "{SHIFT}\xB4" "africa y {SHIFT}\xB4" "el", "\xC1" "frica y \xC9l"},
    {"ShiftThenDeadKeyUnderCapsLock", "", "{CAPS}{SHIFT}\xB4" "a{CAPS}", "\xE1"},
    {"Diaeresis", "", "ping\xA8uino", "ping\xFCino"},
    {"EnyeAndCedilla", "", "{SHIFT}\xF1o {CAPS}\xF1{CAPS}\xE7", "\xD1o \xD1\xE7"},
    // The symbols page switches Caps Lock off, in the target too.
    {"SymbolsPageEndsCapsLock", "", "{CAPS}ab{SYM}1{SYM}c", "AB1c"},
    // A comma after a typed space, once a space has already been absorbed.
    {"CommaAfterSpace", "", "uno, dos ,tres", "uno, dos, tres"},
    {"FullStopAfterSuggestion", "comi\xB4o", "co{=comi\xF3}.", "comi\xF3. "},
    {"SuggestionAtLineEnd", "comi\xB4o mucho", "{SHIFT}el ni\xF1o co{=comi\xF3}pan.",
     "El ni\xF1o comi\xF3 pan. "},
    {"SuggestionAfterCapital", "despu\xB4" "es", "{SHIFT}comi\xB4o.d{=despu\xE9s}se fue.",
     "Comi\xF3. Despu\xE9s se fue. "},
    // The typed space replaces the automatic one; the next space is doubled.
    {"SpaceAfterSuggestion", "comi\xB4o", "co{=comi\xF3} pan  y", "comi\xF3 pan  y"},
    {"HyphenAfterSuggestion", "franco", "fr{=franco}-alem\xB4" "an", "franco-alem\xE1n"},
    {"SuggestionInQuestion", "qu\xB4" "e", "hola \xBF{SHIFT}qu{=qu\xE9}tal\xBF",
     "hola \xBFQu\xE9 tal?"},
    // Only a capital that begins the partial word carries over.
    {"CapitalInsideWordNotCarried", "comi\xB4o", "c{SHIFT}o{=comi\xF3}", "comi\xF3 "},
    {"SuggestionUnderCapsLock", "comi\xB4o", "{CAPS}co{=comi\xF3}{CAPS}", "COMI\xD3 "},
    // The sentence starters after Enter; the one-shot SHIFT raises the first letter.
    {"SuggestionWithShift", "{SHIFT}comi\xB4o pan", "{SHIFT}{=comi\xF3}pan", "Comi\xF3 pan"},
    {"SuggestionInsideWord", "comi\xB4o",
     "el gato come pan{LEFT}{LEFT}{LEFT}{LEFT}{LEFT}{=comi\xF3}{RIGHT}{RIGHT}{RIGHT}{RIGHT}.",
     "el gato comi\xF3 pan. "},
    {"SuggestionBeforeSpace", "casa", "la ca mesa{LEFT}{LEFT}{LEFT}{LEFT}{LEFT}{=casa}",
     "la casa mesa"},
    // Before a word, a suggestion takes that word's place.
    {"SuggestionBeforeWord", "la casa", "la mesa{LEFT}{LEFT}{LEFT}{LEFT}{=casa}", "la casa "},
    {"HyphenatedWord", "", "{SHIFT}un acuerdo franco-alem\xB4" "an.",
     "Un acuerdo franco-alem\xE1n. "},
    {"HyphenJoinsWord", "", "franco -alem\xB4" "an", "franco-alem\xE1n"},
    {"Apostrophe", "", "{SHIFT}l'home de {SHIFT}d'{SHIFT}artagnan", "L'home de D'Artagnan"},
    {"ApostropheJoinsWord", "", "l 'home", "l'home"},
    {"Backspace", "", "hola muhco{BS}{BS}{BS}cho gusto", "hola mucho gusto"},
    {"BackspaceAfterComma", "", "{SHIFT}hola,{BS}{BS} amigo", "Hola amigo"},
    {"DeleteWord", "", "la casa roja{WORD}azul.", "la casa azul. "},
    {"DeleteWordAfterComma", "", "uno dos,{WORD}tres", "uno tres"},
    {"DeleteWordInsideText", "", "hola mundo{LEFT}{LEFT}{WORD}x", "hola xdo"},
    {"ForwardDeleteInsideText", "", "hola mundo{LEFT}{LEFT}{LEFT}{LEFT}{LEFT}{DEL}{DEL}x",
     "hola xndo"},
    // With SHIFT the arrows select; the letter replaces the selection.
    {"SelectionReplaced", "", "hola mundo{SHIFT}{LEFT}{LEFT}{LEFT}{LEFT}{LEFT}x", "hola x"},
    {"Digits", "", "tengo {SYM}25{SYM} a\xF1os", "tengo 25 a\xF1os"},
    {"DecimalPointAndComma", "", "{SYM}3.5{SYM} y {SYM}1,5{SYM} kg", "3.5 y 1,5 kg"},
    {"ColonAfterSpace", "", "nota {SYM}:{SYM} hola", "nota: hola"},
    {"SemicolonAfterSpace", "", "uno {SYM};{SYM} dos", "uno; dos"},
    {"Exclamation", "", "{SYM}\xA1{SYM}hola{SYM}!{SYM}", "\xA1hola!"},
    // A suggestion that brings its own hyphen or apostrophe replaces the one typed.
    // (Typing learns no word beginning with a hyphen: the apostrophe stands in.)
    {"SuggestionAfterApostrophe", "bien'o", "y bien'{='o}", "y bien'o "},
    // An opening mark stays before the completed word, which keeps its capital.
    {"SuggestionAfterExclamationMark", "hola", "y {SYM}\xA1{SYM}{SHIFT}ho{=hola}", "y \xA1Hola "},
    {"SuggestionAfterParenthesis", "casa", "y {SYM}({SYM}ca{=casa}", "y (casa "},
    {"CapitalCarriedToAccentedLetter", "\xB4" "arbol", "y {SHIFT}ar{=\xE1rbol}", "y \xC1rbol "},
    {"ShiftUnderCapsLockOnSuggestion", "casa", "{CAPS}ca{SHIFT}{=casa}{CAPS}", "cASA "},
    // The marker inside the last word: the whole word goes, and a space follows.
    {"SuggestionInsideLastWord", "casa", "ca{LEFT}{=casa}", "casa "},
    // On the symbols page '?' after '\xBF' is just a question mark.
    {"QuestionMarkAfterInvertedOnSymbolsPage", "", "hola {SYM}\xBF?{SYM}", "hola \xBF?"},
    // A waiting accent: a space types it alone, and so does any key that is
    // not a letter, before it acts; a consonant comes after it.
    {"DeadKeyThenSpace", "", "caf\xB4 y", "caf\xB4y"},
    {"DeadKeyThenBackspace", "", "ab\xB4{BS}e", "abe"},
    {"DeadKeyThenLeft", "", "ab\xB4{LEFT}x", "abx\xB4"},
    {"DeadKeyThenDelete", "", "abc{LEFT}\xB4{DEL}e", "ab\xB4" "e"},
    {"TwoDeadKeys", "", "\xB4\xB4" "e", "\xB4\xE9"},
    {"DeadKeyBeforeConsonant", "", "\xB4n", "\xB4n"},
    // The echo keeps the end of a line wider than it shows.
    {"LongLine", "",
     "{SHIFT}el ni\xF1o comi\xB4o pan con su madre y despu\xB4" "es se fue a la casa de su abuela.",
     "El ni\xF1o comi\xF3 pan con su madre y despu\xE9s se fue a la casa de su abuela. "},
    // The same keys at another size and in the other arrangement.
    {"LargestSize", "comi\xB4o", "{SHIFT}el ni\xF1o co{=comi\xF3}pan.", "El ni\xF1o comi\xF3 pan. ",
     "4"},
    {"OptimizedArrangement", "comi\xB4o", "{SHIFT}el ni\xF1o co{=comi\xF3}\xBF" "pan\xBF",
     "El ni\xF1o comi\xF3 \xBFpan?", "2", "1"},
};
// clang-format on

class SentenceTest : public TypingSession, public testing::WithParamInterface<Sentence> {
protected:
    // Learns the sentence's words, empties the edit box, then types its script.
    void typeSentence() {
        const Sentence& sentence = GetParam();
        startTyping(sentence.zoom, sentence.arrangement);
        if (*sentence.learn != '\0') {
            ASSERT_TRUE(run(std::string(sentence.learn) + "{ENTER}"));
            target().setText("");
        }

        ASSERT_TRUE(run(sentence.script));

        EXPECT_EQ(Printable(target().text()), Printable(sentence.expected)) << describe();
    }
};

TEST_P(SentenceTest, TheEditBoxReadsAsTheEchoAfterEveryKey) { typeSentence(); }

INSTANTIATE_TEST_SUITE_P(Sentences, SentenceTest, testing::ValuesIn(kSentences),
                         [](const testing::TestParamInfo<Sentence>& info) {
                             return std::string(info.param.name);
                         });

// The same promise on a system whose layout has no key for ñ, ç, ¿ or ¡ and
// no dead keys (US English): those characters go as Unicode keystrokes, and
// the keyboard itself puts a waiting accent on its vowel.
// clang-format off
const Sentence kUsSentences[] = {
    {"SentenceWithEverySpanishMark", "",
     "{SHIFT}hola canci\xB4on.\xBFqu\xB4" "e tal, se\xF1or\xBF",
     "Hola canci\xF3n. \xBFQu\xE9 tal, se\xF1or?"},
    {"CapitalEnye", "", "{SHIFT}\xF1u {CAPS}espa\xF1" "a{CAPS}", "\xD1u ESPA\xD1" "A"},
    {"Diaeresis", "", "ping\xA8uino", "ping\xFCino"},
    {"AccentBeforeCapital", "", "{SHIFT}\xB4" "africa", "\xC1" "frica"},
    {"AccentThenSpace", "", "caf\xB4 y", "caf\xB4y"},
    {"AccentBeforeConsonant", "", "a\xB4n", "a\xB4n"},
    {"AccentThenBackspace", "", "\xB4{BS}e", "e"},
    {"CircumflexIsNoDeadKeyHere", "", "hola {SYM}^{SYM}a", "hola ^a"},
    {"ExclamationMarks", "", "{SYM}\xA1{SYM}hola{SYM}!{SYM}", "\xA1hola!"},
    {"SuggestionWithAccent", "canci\xB4on", "can{=canci\xF3n}", "canci\xF3n "},
};
// clang-format on

using UsLayoutSentenceTest = SentenceTest;

TEST_P(UsLayoutSentenceTest, TheEditBoxReadsAsTheEchoAfterEveryKey) {
    sim::SimOptions options = pelvok_test::KeyboardHarness::defaultOptions();
    options.layout = sim::SystemLayout::Us;
    makeDesktop(options);
    typeSentence();
}

INSTANTIATE_TEST_SUITE_P(UsLayout, UsLayoutSentenceTest, testing::ValuesIn(kUsSentences),
                         [](const testing::TestParamInfo<Sentence>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace integration_test
