#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "platform/sim/SimDesktop.h"

namespace {

struct Case {
    char ch;
    int expected;  // shift state << 8 | virtual key, or -1
};

TEST(SpanishLayoutTest, CharactersGiveTheKeysOfTheSpanishLayout) {
    const Case cases[] = {
        // Letters: lower case plain, capitals with Shift.
        {'a', 0x041},
        {'m', 0x04D},
        {'z', 0x05A},
        {'A', 0x141},
        {'T', 0x154},
        {'Z', 0x15A},
        // Digits and their shifted characters.
        {'1', 0x031},
        {'5', 0x035},
        {'0', 0x030},
        {'!', 0x131},
        {'"', 0x132},
        {'\xB7', 0x133},
        {'$', 0x134},
        {'%', 0x135},
        {'&', 0x136},
        {'/', 0x137},
        {'(', 0x138},
        {')', 0x139},
        {'=', 0x130},
        // The two keys after the digits.
        {'\'', 0x0DB},
        {'?', 0x1DB},
        {'\xA1', 0x0DD},
        {'\xBF', 0x1DD},
        // Left of the digits: ordinal indicators.
        {'\xBA', 0x0DC},
        {'\xAA', 0x1DC},
        // AltGr.
        {'\\', 0x6DC},
        {'|', 0x631},
        {'@', 0x632},
        {'#', 0x633},
        {'~', 0x634},
        {'\x80', 0x635},
        {'\xAC', 0x636},
        {'[', 0x6BA},
        {']', 0x6BB},
        {'{', 0x6DE},
        {'}', 0x6BF},
        // Dead keys.
        {'`', 0x0BA},
        {'^', 0x1BA},
        {'\xB4', 0x0DE},
        {'\xA8', 0x1DE},
        // The other punctuation keys, and the letters of their own.
        {'+', 0x0BB},
        {'*', 0x1BB},
        {',', 0x0BC},
        {';', 0x1BC},
        {'.', 0x0BE},
        {':', 0x1BE},
        {'-', 0x0BD},
        {'_', 0x1BD},
        {'<', 0x0E2},
        {'>', 0x1E2},
        {'\xF1', 0x0C0},
        {'\xD1', 0x1C0},
        {'\xE7', 0x0BF},
        {'\xC7', 0x1BF},
        // Control characters, space.
        {'\x01', 0x241},
        {'\x14', 0x254},
        {'\x1A', 0x25A},
        {'\x08', 0x008},
        {'\x09', 0x009},
        {'\x0D', 0x00D},
        {'\x1B', 0x01B},
        {' ', 0x020},
        // Accented vowels need a dead key; nothing else types them.
        {'\xE1', -1},
        {'\xE9', -1},
        {'\xED', -1},
        {'\xF3', -1},
        {'\xFA', -1},
        {'\xC1', -1},
        {'\xC9', -1},
        {'\xCD', -1},
        {'\xD3', -1},
        {'\xDA', -1},
        {'\xFC', -1},
        {'\xDC', -1},
        {'\xE0', -1},
        {'\xE2', -1},
        {'\0', -1},
    };
    sim::SimDesktop desktop;
    platform::Keystrokes& keys = desktop.platform().keystrokes;
    for (const Case& c : cases) {
        EXPECT_EQ(keys.vkKeyScan(static_cast<std::uint8_t>(c.ch)),
                  static_cast<std::int16_t>(c.expected))
            << "character 0x" << std::hex << (static_cast<int>(c.ch) & 0xFF);
    }
}

TEST(SpanishLayoutTest, NoTwoCharactersShareAKeyAndState) {
    sim::SimDesktop desktop;
    std::map<std::int16_t, int> owner;
    for (int ch = 0; ch < 256; ++ch) {
        const std::int16_t code =
            desktop.platform().keystrokes.vkKeyScan(static_cast<std::uint8_t>(ch));
        if (code == -1) continue;
        const int state = (code >> 8) & 0xFF;
        EXPECT_TRUE(state == 0 || state == 1 || state == 2 || state == 6)
            << "character " << ch << " state " << state;
        const auto [it, fresh] = owner.emplace(code, ch);
        EXPECT_TRUE(fresh) << "characters " << it->second << " and " << ch << " share 0x"
                           << std::hex << code;
    }
}

}  // namespace
