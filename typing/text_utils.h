// Stateless operations on single-byte Windows-1252 text: word characters,
// case, dead-key accents, and the two forms in which the dictionary keeps a
// word (the accent-free search form and the stored form).
#pragma once

#include <cstddef>
#include <string>

// Longest word the cleaning operations give back.
constexpr std::size_t kMaxCleanWordLength = 31;

// The byte at position i, or 0 outside the string.
unsigned char charAt(const std::string& s, long i);

// A-Z, a-z, 0-9, Ç, Ñ, ç, ñ. Accented vowels are not word characters.
bool IsWordChar(unsigned char c);
// One of the 40 vowels with a grave, acute, circumflex or diaeresis accent.
bool IsAccentedVowel(unsigned char c);

// Direction 2: lower case of c; any other direction: upper case. Changes only
// A-Z / a-z, Ç Ñ / ç ñ and the 40 accented vowels.
unsigned char ConvertCase(int direction, unsigned char c);

// Every byte from Ä (0xC4) to Ü (0xDC) raised by 0x20; À Á Â Ã stay.
std::string LowerAccentedCapitals(const std::string& s);
// Every accented vowel replaced by its base vowel, case unchanged.
std::string FoldAccents(const std::string& s);

// The word reduced to its letters, inner punctuation and a leading hyphen or
// '!', A-Z lowered, apostrophes written as '!'; at most 31 characters.
// CleanWord drops accented vowels, CleanWordKeepAccents keeps them.
std::string CleanWord(const std::string& s);
std::string CleanWordKeepAccents(const std::string& s);

// The accent-free form (pSinAcento, sSinAcento) and the stored form
// (palabra, siguiente) of a word. Both are lower case, Ç and Ñ included.
std::string AccentFreeForm(const std::string& word);
std::string StoredForm(const std::string& word);

// A mark that opens a question, an exclamation, brackets or a quotation: a
// word begins right after it.
bool IsOpeningMark(unsigned char c);

// Where a chosen suggestion starts taking back the partial word that ends at
// `end`: after a space or an opening mark, or at a hyphen or an apostrophe
// inside the word, which is taken back too. The user's text before it stays.
std::size_t PartialWordStart(const std::string& text, std::size_t end);

// The vowel (A E I O U a e i o u) with the dead-key accent (^, grave 0x60,
// ¨ 0xA8, ´ 0xB4); anything else gives the accent itself.
unsigned char CombineDeadKey(unsigned char accent, unsigned char vowel);
// For an accented vowel: the dead-key accent that makes it, with the base
// vowel written to `vowel`. Otherwise a space, and `vowel` is left alone.
unsigned char SplitAccentedVowel(unsigned char c, unsigned char& vowel);
