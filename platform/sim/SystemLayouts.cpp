#include "platform/sim/SystemLayouts.h"

#include <array>

#include "model/key_codes.h"

namespace sim {
namespace {

// What each key types in each shift state; 0 where it types nothing. The
// rows follow the layout's own order (special keys first, then the keys by
// scan code), since VkKeyScan answers with the first key that types a
// character, and within a key with the first state.
struct KeyChars {
    std::uint8_t vk;
    char plain;
    char shifted;
    char control;
    char altGr;
};

constexpr KeyChars kSpanishKeys[] = {
    // {virtual key, plain, Shift, Control, AltGr}
    {0x08, '\x08', '\x08', '\x7F', 0},  // Backspace
    {0x09, '\x09', '\x09', 0, 0},       // Tab
    {0x0D, '\x0D', '\x0D', '\x0A', 0},  // Enter
    {0x1B, '\x1B', '\x1B', '\x1B', 0},  // Esc
    {0x20, ' ', ' ', ' ', 0},           // space
    {0x03, '\x03', '\x03', '\x03', 0},  // Cancel (Ctrl+Break)

    // Digits row.
    {0xDC, '\xBA', '\xAA', 0, '\\'},  // ordinal indicators
    {'1', '1', '!', 0, '|'},
    {'2', '2', '"', 0, '@'},
    {'3', '3', '\xB7', 0, '#'},  // middle dot
    {'4', '4', '$', 0, '~'},
    {'5', '5', '%', 0, '\x80'},  // euro
    {'6', '6', '&', 0, '\xAC'},  // not sign
    {'7', '7', '/', 0, 0},
    {'8', '8', '(', 0, 0},
    {'9', '9', ')', 0, 0},
    {'0', '0', '=', 0, 0},
    {0xDB, '\'', '?', 0, 0},
    {0xDD, '\xA1', '\xBF', 0, 0},  // inverted marks

    // Top letter row; 0xBA holds the dead grave and circumflex.
    {'Q', 'q', 'Q', '\x11', 0},
    {'W', 'w', 'W', '\x17', 0},
    {'E', 'e', 'E', '\x05', '\x80'},  // euro
    {'R', 'r', 'R', '\x12', 0},
    {'T', 't', 'T', '\x14', 0},
    {'Y', 'y', 'Y', '\x19', 0},
    {'U', 'u', 'U', '\x15', 0},
    {'I', 'i', 'I', '\x09', 0},
    {'O', 'o', 'O', '\x0F', 0},
    {'P', 'p', 'P', '\x10', 0},
    {0xBA, '`', '^', 0, '['},
    {0xBB, '+', '*', 0, ']'},

    // Middle letter row; 0xDE holds the dead acute and diaeresis.
    {'A', 'a', 'A', '\x01', 0},
    {'S', 's', 'S', '\x13', 0},
    {'D', 'd', 'D', '\x04', 0},
    {'F', 'f', 'F', '\x06', 0},
    {'G', 'g', 'G', '\x07', 0},
    {'H', 'h', 'H', '\x08', 0},
    {'J', 'j', 'J', '\x0A', 0},
    {'K', 'k', 'K', '\x0B', 0},
    {'L', 'l', 'L', '\x0C', 0},
    {0xC0, '\xF1', '\xD1', 0, 0},    // n with tilde
    {0xDE, '\xB4', '\xA8', 0, '{'},  // dead acute and diaeresis
    {0xBF, '\xE7', '\xC7', 0, '}'},  // c with cedilla

    // Bottom letter row.
    {0xE2, '<', '>', 0, 0},
    {'Z', 'z', 'Z', '\x1A', 0},
    {'X', 'x', 'X', '\x18', 0},
    {'C', 'c', 'C', '\x03', 0},
    {'V', 'v', 'V', '\x16', 0},
    {'B', 'b', 'B', '\x02', 0},
    {'N', 'n', 'N', '\x0E', 0},
    {'M', 'm', 'M', '\x0D', 0},
    {0xBC, ',', ';', 0, 0},
    {0xBE, '.', ':', 0, 0},
    {0xBD, '-', '_', 0, 0},
};

constexpr KeyChars kUsKeys[] = {
    // {virtual key, plain, Shift, Control, AltGr}
    {0x08, '\x08', '\x08', '\x7F', 0},  // Backspace
    {0x09, '\x09', '\x09', 0, 0},       // Tab
    {0x0D, '\x0D', '\x0D', '\x0A', 0},  // Enter
    {0x1B, '\x1B', '\x1B', '\x1B', 0},  // Esc
    {0x20, ' ', ' ', ' ', 0},           // space
    {0x03, '\x03', '\x03', '\x03', 0},  // Cancel (Ctrl+Break)

    {0xC0, '`', '~', 0, 0},
    {'1', '1', '!', 0, 0},
    {'2', '2', '@', 0, 0},
    {'3', '3', '#', 0, 0},
    {'4', '4', '$', 0, 0},
    {'5', '5', '%', 0, 0},
    {'6', '6', '^', 0, 0},
    {'7', '7', '&', 0, 0},
    {'8', '8', '*', 0, 0},
    {'9', '9', '(', 0, 0},
    {'0', '0', ')', 0, 0},
    {0xBD, '-', '_', 0, 0},
    {0xBB, '=', '+', 0, 0},

    {'Q', 'q', 'Q', '\x11', 0},
    {'W', 'w', 'W', '\x17', 0},
    {'E', 'e', 'E', '\x05', 0},
    {'R', 'r', 'R', '\x12', 0},
    {'T', 't', 'T', '\x14', 0},
    {'Y', 'y', 'Y', '\x19', 0},
    {'U', 'u', 'U', '\x15', 0},
    {'I', 'i', 'I', '\x09', 0},
    {'O', 'o', 'O', '\x0F', 0},
    {'P', 'p', 'P', '\x10', 0},
    {0xDB, '[', '{', 0, 0},
    {0xDD, ']', '}', 0, 0},
    {0xDC, '\\', '|', 0, 0},

    {'A', 'a', 'A', '\x01', 0},
    {'S', 's', 'S', '\x13', 0},
    {'D', 'd', 'D', '\x04', 0},
    {'F', 'f', 'F', '\x06', 0},
    {'G', 'g', 'G', '\x07', 0},
    {'H', 'h', 'H', '\x08', 0},
    {'J', 'j', 'J', '\x0A', 0},
    {'K', 'k', 'K', '\x0B', 0},
    {'L', 'l', 'L', '\x0C', 0},
    {0xBA, ';', ':', 0, 0},
    {0xDE, '\'', '"', 0, 0},

    {'Z', 'z', 'Z', '\x1A', 0},
    {'X', 'x', 'X', '\x18', 0},
    {'C', 'c', 'C', '\x03', 0},
    {'V', 'v', 'V', '\x16', 0},
    {'B', 'b', 'B', '\x02', 0},
    {'N', 'n', 'N', '\x0E', 0},
    {'M', 'm', 'M', '\x0D', 0},
    {0xBC, ',', '<', 0, 0},
    {0xBE, '.', '>', 0, 0},
    {0xBF, '/', '?', 0, 0},
};

template <std::size_t N>
std::array<std::int16_t, 256> buildTable(const KeyChars (&keys)[N]) {
    std::array<std::int16_t, 256> table;
    table.fill(-1);
    auto offer = [&table](std::uint8_t vk, char ch, int shiftState) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte != 0 && table[byte] == -1) {
            table[byte] = static_cast<std::int16_t>(shiftState << 8 | vk);
        }
    };
    for (const KeyChars& key : keys) {
        offer(key.vk, key.plain, 0);
        offer(key.vk, key.shifted, vk::kShiftState);
        offer(key.vk, key.control, vk::kControlState);
        offer(key.vk, key.altGr, vk::kAltGrState);
    }
    return table;
}

}  // namespace

std::int16_t spanishVkKeyScan(std::uint8_t ch) {
    static const std::array<std::int16_t, 256> table = buildTable(kSpanishKeys);
    return table[ch];
}

std::int16_t layoutVkKeyScan(SystemLayout layout, std::uint8_t ch) {
    if (layout == SystemLayout::Spanish) return spanishVkKeyScan(ch);
    static const std::array<std::int16_t, 256> us = buildTable(kUsKeys);
    return us[ch];
}

bool layoutIsDeadKey(SystemLayout layout, std::uint8_t ch) {
    // The Spanish keys of the acute and diaeresis (0xDE) and of the grave and
    // circumflex (0xBA); US English has no dead keys.
    return layout == SystemLayout::Spanish && cp1252::isDeadKeyAccent(ch);
}

}  // namespace sim
