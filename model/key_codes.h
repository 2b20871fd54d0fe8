// Every single-byte code the keyboard names: the codes the key tables carry
// (commands and direct keys), the Windows virtual keys it sends or reads, the
// Windows-1252 characters its rules name, and the file-dialog kinds. One home,
// so that no two files give one name two codes.
#pragma once

#include <cstdint>

// Codes of command keys (a key with the command flag).
namespace command {
inline constexpr std::uint8_t kDockTopLeft = 1;
inline constexpr std::uint8_t kDockTopRight = 2;
inline constexpr std::uint8_t kDockBottomLeft = 3;
inline constexpr std::uint8_t kDockBottomRight = 4;
inline constexpr std::uint8_t kExit = 5;
inline constexpr std::uint8_t kBackTab = 6;
inline constexpr std::uint8_t kDeleteWord = 7;
inline constexpr std::uint8_t kDockBottomCentre = 8;
inline constexpr std::uint8_t kCopy = 11;
inline constexpr std::uint8_t kPaste = 12;
inline constexpr std::uint8_t kDockBottom = 15;
inline constexpr std::uint8_t kNextSize = 20;
inline constexpr std::uint8_t kArrangement = 21;
inline constexpr std::uint8_t kCut = 33;
inline constexpr std::uint8_t kForwardDelete = 46;
}  // namespace command

// Codes of direct keys (a key with the direct flag): a Windows virtual key
// where one exists, else a number of the keyboard's own. The same codes reach
// the composition engine, which also gets kExportWords from no key of its own.
namespace direct {
inline constexpr std::uint8_t kContextMenu = 2;
inline constexpr std::uint8_t kBackspace = 8;
inline constexpr std::uint8_t kTab = 9;
inline constexpr std::uint8_t kExportWords = 10;
inline constexpr std::uint8_t kEnter = 13;
inline constexpr std::uint8_t kSymbols = 14;
inline constexpr std::uint8_t kShiftLatch = 16;
inline constexpr std::uint8_t kUndo = 19;
inline constexpr std::uint8_t kCapsLock = 20;
inline constexpr std::uint8_t kEscape = 27;
inline constexpr std::uint8_t kOpenDictionary = 30;
inline constexpr std::uint8_t kHome = 31;
inline constexpr std::uint8_t kEnd = 32;
inline constexpr std::uint8_t kLeft = 37;
inline constexpr std::uint8_t kUp = 38;
inline constexpr std::uint8_t kRight = 39;
inline constexpr std::uint8_t kDown = 40;
inline constexpr std::uint8_t kF1 = 112;
inline constexpr std::uint8_t kF9 = 120;
}  // namespace direct

// Character keys '1' to '6' of the letter pages are the suggestion keys.
namespace suggestion_key {
inline constexpr std::uint8_t kFirst = '1';
inline constexpr std::uint8_t kLast = '6';
inline constexpr bool is(std::uint8_t code) { return code >= kFirst && code <= kLast; }
// 0 for key '1' up to 5 for key '6'.
inline constexpr int slot(std::uint8_t code) { return code - kFirst; }
}  // namespace suggestion_key

// Windows virtual keys.
namespace vk {
inline constexpr std::uint8_t kBackspace = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kReturn = 0x0D;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;  // Alt
inline constexpr std::uint8_t kCapsLock = 0x14;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kEnd = 0x23;
inline constexpr std::uint8_t kHome = 0x24;
inline constexpr std::uint8_t kLeft = 0x25;
inline constexpr std::uint8_t kUp = 0x26;
inline constexpr std::uint8_t kRight = 0x27;
inline constexpr std::uint8_t kDown = 0x28;
inline constexpr std::uint8_t kDelete = 0x2E;
inline constexpr std::uint8_t kZ = 0x5A;
inline constexpr std::uint8_t kF10 = 0x79;
inline constexpr std::uint8_t kLeftShift = 0xA0;
inline constexpr std::uint8_t kRightShift = 0xA1;
inline constexpr std::uint8_t kLeftControl = 0xA2;
inline constexpr std::uint8_t kRightControl = 0xA3;
inline constexpr std::uint8_t kLeftMenu = 0xA4;
inline constexpr std::uint8_t kRightMenu = 0xA5;
// Keys of the Spanish layout: ç, ñ, '?' (shifted) and '¿' (shifted).
inline constexpr std::uint8_t kCedillaKey = 0xBF;
inline constexpr std::uint8_t kEnyeKey = 0xC0;
inline constexpr std::uint8_t kQuestionKey = 0xDB;
inline constexpr std::uint8_t kInvertedQuestionKey = 0xDD;
// The scan code the Delete key is sent with by the delete commands.
inline constexpr std::uint8_t kDeleteScan = 142;

// Shift states in the high byte of VkKeyScanA's answer.
inline constexpr int kShiftState = 1;
inline constexpr int kControlState = 2;
inline constexpr int kAltState = 4;
inline constexpr int kAltGrState = kControlState | kAltState;
}  // namespace vk

// Windows-1252 characters the typing rules name.
namespace cp1252 {
inline constexpr unsigned char kGrave = 0x60;
inline constexpr unsigned char kCircumflex = 0x5E;
inline constexpr unsigned char kDiaeresis = 0xA8;
inline constexpr unsigned char kAcute = 0xB4;
inline constexpr unsigned char kInvertedExclamation = 0xA1;  // ¡
inline constexpr unsigned char kLeftGuillemet = 0xAB;        // «
inline constexpr unsigned char kMiddleDot = 0xB7;
inline constexpr unsigned char kInvertedQuestion = 0xBF;  // ¿
inline constexpr unsigned char kCapitalCCedilla = 0xC7;   // Ç
inline constexpr unsigned char kCapitalNTilde = 0xD1;     // Ñ
inline constexpr unsigned char kSmallCCedilla = 0xE7;     // ç
inline constexpr unsigned char kSmallNTilde = 0xF1;       // ñ
// The accents of the dead keys.
inline constexpr bool isDeadKeyAccent(unsigned char c) {
    return c == kAcute || c == kCircumflex || c == kGrave || c == kDiaeresis;
}
}  // namespace cp1252

// Which file dialog is up (KeyboardLayout::fileDialogKind).
namespace file_dialog {
inline constexpr int kNone = 0;
inline constexpr int kOpen = 1;
inline constexpr int kExport = 2;
}  // namespace file_dialog
