#include "typing/text_utils.h"

#include "model/key_codes.h"

namespace {

using namespace cp1252;

constexpr unsigned char kAccents[4] = {kGrave, kAcute, kCircumflex, kDiaeresis};
constexpr char kVowels[5] = {'A', 'E', 'I', 'O', 'U'};
// Capitals by vowel and by accent (grave, acute, circumflex, diaeresis); the
// lower-case forms lie 0x20 above.
constexpr unsigned char kAccentedCapitals[5][4] = {
    {0xC0, 0xC1, 0xC2, 0xC4},  // A
    {0xC8, 0xC9, 0xCA, 0xCB},  // E
    {0xCC, 0xCD, 0xCE, 0xCF},  // I
    {0xD2, 0xD3, 0xD4, 0xD6},  // O
    {0xD9, 0xDA, 0xDB, 0xDC},  // U
};

// Finds c among the accented vowels: its vowel and accent indices and case.
bool findAccented(unsigned char c, int& vowel, int& accent, bool& lower) {
    for (int v = 0; v < 5; ++v) {
        for (int a = 0; a < 4; ++a) {
            const unsigned char capital = kAccentedCapitals[v][a];
            if (c == capital || c == capital + 0x20) {
                vowel = v;
                accent = a;
                lower = c != capital;
                return true;
            }
        }
    }
    return false;
}

bool isUpperAscii(unsigned char c) { return c >= 'A' && c <= 'Z'; }

bool isLowerAscii(unsigned char c) { return c >= 'a' && c <= 'z'; }

bool isInnerPunctuation(unsigned char c) {
    return c == '!' || c == '.' || c == '@' || c == '_' || c == kMiddleDot;
}

std::string clean(const std::string& s, bool keepAccents) {
    auto isLetter = [keepAccents](unsigned char c) {
        return IsWordChar(c) || (keepAccents && IsAccentedVowel(c));
    };
    const long n = static_cast<long>(s.size());
    std::string out;
    for (long i = 0; i < n && out.size() < kMaxCleanWordLength; ++i) {
        const unsigned char c = charAt(s, i);
        const unsigned char next = charAt(s, i + 1);
        unsigned char kept = 0;
        if (i == 0) {
            if (isLetter(c) || (c == '-' && next != '-') || c == '!') {
                kept = c;
            }
        } else if (i == n - 1) {
            if (isLetter(c)) {
                kept = c;
            }
        } else if (isLetter(c)) {
            kept = c;
        } else if (IsWordChar(next)) {
            if (isInnerPunctuation(c)) {
                kept = c;
            } else if (c == '\'') {
                kept = '!';
            }
        }
        if (kept != 0) {
            if (isUpperAscii(kept)) {
                kept = static_cast<unsigned char>(kept + 0x20);
            }
            out.push_back(static_cast<char>(kept));
        }
    }
    return out;
}

}  // namespace

unsigned char charAt(const std::string& s, long i) {
    if (i < 0 || static_cast<unsigned long>(i) >= s.size()) {
        return 0;
    }
    return static_cast<unsigned char>(s[static_cast<std::size_t>(i)]);
}

bool IsWordChar(unsigned char c) {
    return isUpperAscii(c) || isLowerAscii(c) || (c >= '0' && c <= '9') || c == kCapitalCCedilla ||
           c == kCapitalNTilde || c == kSmallCCedilla || c == kSmallNTilde;
}

bool IsAccentedVowel(unsigned char c) {
    int vowel = 0;
    int accent = 0;
    bool lower = false;
    return findAccented(c, vowel, accent, lower);
}

unsigned char ConvertCase(int direction, unsigned char c) {
    int vowel = 0;
    int accent = 0;
    bool lower = false;
    const bool accented = findAccented(c, vowel, accent, lower);
    if (direction == 2) {
        if ((accented && !lower) || c == kCapitalCCedilla || c == kCapitalNTilde ||
            isUpperAscii(c)) {
            return static_cast<unsigned char>(c + 0x20);
        }
        return c;
    }
    if ((accented && lower) || c == kSmallCCedilla || c == kSmallNTilde || isLowerAscii(c)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    return c;
}

std::string LowerAccentedCapitals(const std::string& s) {
    std::string out = s;
    for (char& ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0xC4 && c <= 0xDC) {
            ch = static_cast<char>(c + 0x20);
        }
    }
    return out;
}

std::string FoldAccents(const std::string& s) {
    std::string out = s;
    for (char& ch : out) {
        int vowel = 0;
        int accent = 0;
        bool lower = false;
        if (findAccented(static_cast<unsigned char>(ch), vowel, accent, lower)) {
            ch = static_cast<char>(kVowels[vowel] + (lower ? 0x20 : 0));
        }
    }
    return out;
}

std::string CleanWord(const std::string& s) { return clean(s, false); }

std::string CleanWordKeepAccents(const std::string& s) { return clean(s, true); }

// CleanWord lowers only A-Z: without LowerAccentedCapitals a word typed in
// capitals would keep its Ñ or Ç, and be another word to every search.
std::string AccentFreeForm(const std::string& word) {
    return CleanWord(LowerAccentedCapitals(FoldAccents(word)));
}

std::string StoredForm(const std::string& word) {
    return CleanWordKeepAccents(LowerAccentedCapitals(word));
}

unsigned char CombineDeadKey(unsigned char accent, unsigned char vowel) {
    int a = 0;
    while (a < 4 && kAccents[a] != accent) {
        ++a;
    }
    const bool lower = isLowerAscii(vowel);
    const unsigned char base = lower ? static_cast<unsigned char>(vowel - 0x20) : vowel;
    int v = 0;
    while (v < 5 && static_cast<unsigned char>(kVowels[v]) != base) {
        ++v;
    }
    if (a == 4 || v == 5) {
        return accent;
    }
    return static_cast<unsigned char>(kAccentedCapitals[v][a] + (lower ? 0x20 : 0));
}

unsigned char SplitAccentedVowel(unsigned char c, unsigned char& vowel) {
    int v = 0;
    int a = 0;
    bool lower = false;
    if (!findAccented(c, v, a, lower)) {
        return ' ';
    }
    vowel = static_cast<unsigned char>(kVowels[v] + (lower ? 0x20 : 0));
    return kAccents[a];
}

bool IsOpeningMark(unsigned char c) {
    return c == kInvertedQuestion || c == kInvertedExclamation || c == '(' || c == '[' ||
           c == '{' || c == '"' || c == kLeftGuillemet;
}

std::size_t PartialWordStart(const std::string& text, std::size_t end) {
    std::size_t r = end;
    while (r > 0) {
        const unsigned char before = charAt(text, static_cast<long>(r) - 1);
        if (before == ' ' || IsOpeningMark(before)) break;
        const unsigned char removed = charAt(text, static_cast<long>(r));
        if (r < end && (removed == '-' || removed == '\'')) break;
        --r;
    }
    return r;
}
