#include "typing/text_utils.h"

#include <gtest/gtest.h>

#include <string>

#include "model/key_codes.h"

namespace {

using cp1252::kAcute;
using cp1252::kCapitalCCedilla;
using cp1252::kCapitalNTilde;
using cp1252::kCircumflex;
using cp1252::kDiaeresis;
using cp1252::kGrave;
using cp1252::kSmallCCedilla;
using cp1252::kSmallNTilde;

// The 40 accented vowels: capitals by vowel (grave, acute, circumflex,
// diaeresis), then the lower-case ones.
const std::string kAccentedCapitals =
    "\xC0\xC1\xC2\xC4\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD2\xD3\xD4\xD6\xD9\xDA\xDB\xDC";
const std::string kAccentedSmall =
    "\xE0\xE1\xE2\xE4\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF2\xF3\xF4\xF6\xF9\xFA\xFB\xFC";

unsigned char byte(char c) { return static_cast<unsigned char>(c); }

TEST(CharAt, OutsideTheStringReadsZero) {
    const std::string s = "a\xF1";
    EXPECT_EQ(charAt(s, -1), 0);
    EXPECT_EQ(charAt(s, 0), 'a');
    EXPECT_EQ(charAt(s, 1), kSmallNTilde);
    EXPECT_EQ(charAt(s, 2), 0);
    EXPECT_EQ(charAt("", 0), 0);
}

TEST(CharacterClasses, WordCharactersAndAccentedVowelsNeverOverlap) {
    int words = 0;
    int accented = 0;
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        EXPECT_FALSE(IsWordChar(b) && IsAccentedVowel(b)) << c;
        words += IsWordChar(b);
        accented += IsAccentedVowel(b);
    }
    EXPECT_EQ(words, 26 + 26 + 10 + 4);
    EXPECT_EQ(accented, 40);
    for (char c : kAccentedCapitals + kAccentedSmall) {
        EXPECT_TRUE(IsAccentedVowel(byte(c))) << int(byte(c));
    }
    for (unsigned char c : {kCapitalCCedilla, kCapitalNTilde, kSmallCCedilla, kSmallNTilde}) {
        EXPECT_TRUE(IsWordChar(c)) << int(c);
    }
    // Ã Å Æ Õ Ø Ý and their lower-case forms are in neither class.
    for (unsigned char c :
         {0xC3, 0xC5, 0xC6, 0xD5, 0xD8, 0xDD, 0xE3, 0xE5, 0xE6, 0xF5, 0xF8, 0xFD}) {
        EXPECT_FALSE(IsWordChar(c) || IsAccentedVowel(c)) << int(c);
    }
}

TEST(ConvertCase, ChangesOnlyAsciiLettersCedillaTildeAndAccentedVowels) {
    struct Case {
        int direction;
        unsigned char in;
        unsigned char out;
    };
    // clang-format off
    const Case cases[] = {
        {1, kSmallNTilde, kCapitalNTilde}, {2, kCapitalNTilde, kSmallNTilde},
        {1, 0xFF, 0xFF}, {2, 0xC3, 0xC3},  // ÿ and Ã stay
        {1, 'a', 'A'},   {0, 'a', 'A'},   {7, 'z', 'Z'},   {2, 'A', 'a'},
        {1, 'A', 'A'},   {2, 'a', 'a'},   {1, '1', '1'},
        {1, kSmallCCedilla, kCapitalCCedilla}, {2, kCapitalCCedilla, kSmallCCedilla},
        {1, 0xE0, 0xC0}, {2, 0xDC, 0xFC},  // à À, Ü ü
        {1, 0xE3, 0xE3}, {1, 0xFD, 0xFD},  // ã ý
        {2, 0xD7, 0xD7}, {1, 0xF7, 0xF7},  // × ÷
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertCase(c.direction, c.in), c.out)
            << "direction " << c.direction << " byte " << int(c.in);
    }
    int raised = 0;
    int lowered = 0;
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        raised += ConvertCase(1, b) != b;
        lowered += ConvertCase(2, b) != b;
    }
    EXPECT_EQ(raised, 26 + 22);
    EXPECT_EQ(lowered, 26 + 22);
}

TEST(LowerAccentedCapitals, RaisesOnlyTheRangeFromAUmlautToUUmlaut) {
    // ÁRBOL ÉL: Á lies below the range, ASCII is left alone.
    EXPECT_EQ(LowerAccentedCapitals("\xC1RBOL \xC9L"), "\xC1RBOL \xE9L");
    // Ã Ä Ç Ñ × Ü Ý
    EXPECT_EQ(LowerAccentedCapitals("\xC3\xC4\xC7\xD1\xD7\xDC\xDD"),
              "\xC3\xE4\xE7\xF1\xF7\xFC\xDD");
    EXPECT_EQ(LowerAccentedCapitals(""), "");
}

TEST(FoldAccents, ReplacesAccentedVowelsByTheirBaseVowel) {
    EXPECT_EQ(FoldAccents("Ping\xFCino a\xF1"
                          "ejo"),
              "Ping"
              "uino a\xF1"
              "ejo");
    EXPECT_EQ(FoldAccents(kAccentedCapitals), "AAAAEEEEIIIIOOOOUUUU");
    EXPECT_EQ(FoldAccents(kAccentedSmall), "aaaaeeeeiiiioooouuuu");
    EXPECT_EQ(FoldAccents("\xD1\xC7\xF1\xE7\xC3\xE3"), "\xD1\xC7\xF1\xE7\xC3\xE3");
}

struct CleanCase {
    const char* in;
    const char* plain;
    const char* keepAccents;
};

TEST(CleanWord, KeepsLettersAndPunctuationInsideTheWord) {
    // clang-format off
    const CleanCase cases[] = {
        {"\xA1Hola!", "hola", "hola"},
        {"e-mail", "email", "email"},
        {"-cion", "-cion", "-cion"},
        {"hoy...", "hoy", "hoy"},
        {"a.b", "a.b", "a.b"},
        {"--x", "x", "x"},
        {"Canci\xF3n,", "cancin", "canci\xF3n"},
        {"l'home", "l!home", "l!home"},
        {"qu'\xE9", "qu", "qu\xE9"},
        // edges
        {"", "", ""},
        {"-", "-", "-"},
        {"--", "", ""},
        {"!", "!", "!"},
        {"!hola", "!hola", "!hola"},
        {"'hola", "hola", "hola"},
        {"hola'", "hola", "hola"},
        {"hola!", "hola", "hola"},
        {"x", "x", "x"},
        {".", "", ""},
        // inner punctuation needs a word character after it
        {"a@b_c\xB7" "d!e", "a@b_c\xB7" "d!e", "a@b_c\xB7" "d!e"},
        {"a.\xE9x", "ax", "a\xE9x"},
        {"a,b", "ab", "ab"},
        // only A-Z are lowered
        {"\xD1" "AND\xDA", "\xD1" "and", "\xD1" "and\xDA"},
        {"A1\xC7", "a1\xC7", "a1\xC7"},
    };
    // clang-format on
    for (const CleanCase& c : cases) {
        EXPECT_EQ(CleanWord(c.in), c.plain) << "'" << c.in << "'";
        EXPECT_EQ(CleanWordKeepAccents(c.in), c.keepAccents) << "'" << c.in << "'";
    }
}

TEST(CleanWord, KeepsTheFirstThirtyOneCharacters) {
    EXPECT_EQ(CleanWord(std::string(40, 'a')), std::string(31, 'a'));
    EXPECT_EQ(CleanWordKeepAccents(std::string(31, 'b')), std::string(31, 'b'));
    // Skipped characters do not count.
    EXPECT_EQ(CleanWord("\xBF" + std::string(30, 'b') + "cdef"), std::string(30, 'b') + "c");
    EXPECT_EQ(CleanWordKeepAccents(std::string(30, 'x') + "\xE9\xE9"),
              std::string(30, 'x') + "\xE9");
}

TEST(CleanWord, DerivedFormsOfAWord) {
    struct Case {
        const char* word;
        const char* accentFree;
        const char* stored;
    };
    // clang-format off
    const Case cases[] = {
        {"\xC1RBOL\xC9S,", "arboles", "\xC1rbol\xE9s"},  // ÁRBOLÉS,
        // Ñ and Ç in capitals are lowered in both forms, as in a word typed
        // in small letters.
        {"ESPA\xD1" "A", "espa\xF1" "a", "espa\xF1" "a"},
        {"\xD1" "AND\xDA", "\xF1" "andu", "\xF1" "and\xFA"},
        {"FRAN\xC7" "ES", "fran\xE7" "es", "fran\xE7" "es"},
        {"espa\xF1" "a", "espa\xF1" "a", "espa\xF1" "a"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(AccentFreeForm(c.word), c.accentFree) << c.word;
        EXPECT_EQ(StoredForm(c.word), c.stored) << c.word;
    }
}

TEST(DeadKeys, CombineAndSplitAreInverse) {
    const unsigned char accents[] = {kGrave, kAcute, kCircumflex, kDiaeresis};
    const std::string vowels = "AEIOU";
    for (int v = 0; v < 5; ++v) {
        for (int a = 0; a < 4; ++a) {
            const unsigned char capital = byte(kAccentedCapitals[v * 4 + a]);
            const unsigned char small = byte(kAccentedSmall[v * 4 + a]);
            const auto base = byte(vowels[v]);
            const auto lower = static_cast<unsigned char>(base + 0x20);
            EXPECT_EQ(CombineDeadKey(accents[a], base), capital);
            EXPECT_EQ(CombineDeadKey(accents[a], lower), small);
            unsigned char out = 0;
            EXPECT_EQ(SplitAccentedVowel(capital, out), accents[a]);
            EXPECT_EQ(out, base);
            EXPECT_EQ(SplitAccentedVowel(small, out), accents[a]);
            EXPECT_EQ(out, lower);
        }
    }
}

TEST(DeadKeys, OtherPairsGiveTheAccentOrASpace) {
    EXPECT_EQ(CombineDeadKey(kAcute, 'e'), 0xE9);  // é
    EXPECT_EQ(CombineDeadKey(kAcute, 'y'), kAcute);
    EXPECT_EQ(CombineDeadKey('~', 'a'), '~');
    EXPECT_EQ(CombineDeadKey(kDiaeresis, 0xE9), kDiaeresis);  // already accented
    EXPECT_EQ(CombineDeadKey(0, 'a'), 0);

    unsigned char out = 'k';
    EXPECT_EQ(SplitAccentedVowel(0xFA, out), kAcute);  // ú
    EXPECT_EQ(out, 'u');
    EXPECT_EQ(SplitAccentedVowel(0xDC, out), kDiaeresis);  // Ü
    EXPECT_EQ(out, 'U');
    out = 'k';
    const unsigned char others[] = {0xE3, kSmallNTilde, 0xFF, 0x80};  // ã ñ ÿ €
    for (unsigned char other : others) {
        EXPECT_EQ(SplitAccentedVowel(other, out), ' ') << int(other);
        EXPECT_EQ(out, 'k');
    }
}

}  // namespace
