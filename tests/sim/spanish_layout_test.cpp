#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "model/key_codes.h"
#include "platform/sim/SimDesktop.h"

namespace {

struct Case {
    char ch;
    int expected;  // shift state << 8 | virtual key, or -1
};

constexpr int withShift(int key) { return vk::kShiftState << 8 | key; }
constexpr int withControl(int key) { return vk::kControlState << 8 | key; }
constexpr int withAltGr(int key) { return vk::kAltGrState << 8 | key; }

TEST(SpanishLayoutTest, CharactersGiveTheKeysOfTheSpanishLayout) {
    const Case cases[] = {
        // Letters: lower case plain, capitals with Shift.
        {'a', 0x41},
        {'m', 0x4D},
        {'z', vk::kZ},
        {'A', withShift(0x41)},
        {'T', withShift(0x54)},
        {'Z', withShift(vk::kZ)},
        // Digits and their shifted characters.
        {'1', 0x31},
        {'5', 0x35},
        {'0', 0x30},
        {'!', withShift(0x31)},
        {'"', withShift(0x32)},
        {'\xB7', withShift(0x33)},
        {'$', withShift(0x34)},
        {'%', withShift(0x35)},
        {'&', withShift(0x36)},
        {'/', withShift(0x37)},
        {'(', withShift(0x38)},
        {')', withShift(0x39)},
        {'=', withShift(0x30)},
        // The two keys after the digits.
        {'\'', vk::kQuestionKey},
        {'?', withShift(vk::kQuestionKey)},
        {'\xA1', vk::kInvertedQuestionKey},
        {'\xBF', withShift(vk::kInvertedQuestionKey)},
        // Left of the digits: ordinal indicators.
        {'\xBA', 0xDC},
        {'\xAA', withShift(0xDC)},
        // AltGr.
        {'\\', withAltGr(0xDC)},
        {'|', withAltGr(0x31)},
        {'@', withAltGr(0x32)},
        {'#', withAltGr(0x33)},
        {'~', withAltGr(0x34)},
        {'\x80', withAltGr(0x35)},
        {'\xAC', withAltGr(0x36)},
        {'[', withAltGr(0xBA)},
        {']', withAltGr(0xBB)},
        {'{', withAltGr(0xDE)},
        {'}', withAltGr(vk::kCedillaKey)},
        // Dead keys.
        {'`', 0xBA},
        {'^', withShift(0xBA)},
        {'\xB4', 0xDE},
        {'\xA8', withShift(0xDE)},
        // The other punctuation keys, and the letters of their own.
        {'+', 0xBB},
        {'*', withShift(0xBB)},
        {',', 0xBC},
        {';', withShift(0xBC)},
        {'.', 0xBE},
        {':', withShift(0xBE)},
        {'-', 0xBD},
        {'_', withShift(0xBD)},
        {'<', 0xE2},
        {'>', withShift(0xE2)},
        {'\xF1', vk::kEnyeKey},
        {'\xD1', withShift(vk::kEnyeKey)},
        {'\xE7', vk::kCedillaKey},
        {'\xC7', withShift(vk::kCedillaKey)},
        // Control characters, space.
        {'\x01', withControl(0x41)},
        {'\x14', withControl(0x54)},
        {'\x1A', withControl(vk::kZ)},
        {'\x08', vk::kBackspace},
        {'\x09', vk::kTab},
        {'\x0D', vk::kReturn},
        {'\x1B', vk::kEscape},
        {' ', vk::kSpace},
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
        EXPECT_TRUE(state == 0 || state == vk::kShiftState || state == vk::kControlState ||
                    state == vk::kAltGrState)
            << "character " << ch << " state " << state;
        const auto [it, fresh] = owner.emplace(code, ch);
        EXPECT_TRUE(fresh) << "characters " << it->second << " and " << ch << " share 0x"
                           << std::hex << code;
    }
}

}  // namespace
