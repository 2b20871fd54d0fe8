// The keyboard's settings: REG_SZ values under HKEY_CURRENT_USER, their
// names, defaults and ranges. Start-up reads them, the exit command writes
// them; nothing else touches them.
#pragma once

#include <string>

#include "platform/platform.h"

// Registry key of the settings, under HKEY_CURRENT_USER.
inline constexpr const char* kSettingsKey = "SOFTWARE\\KeyBoardQuorvel";

namespace settings {

// Value names.
inline constexpr const char* kLetterLayout = "KeyBoard";
inline constexpr const char* kZoom = "Zoom";
inline constexpr const char* kPosition = "Position";
inline constexpr const char* kDictionaryPath = "ruta_BD";
inline constexpr const char* kDictionaryName = "nombre_BD";
inline constexpr const char* kScanning = "Scanning";
inline constexpr const char* kScanInterval = "ScanInterval";
inline constexpr const char* kSwitchKey = "SwitchKey";
inline constexpr const char* kMoveKey = "MoveKey";
inline constexpr const char* kScanCycles = "ScanCycles";

// A setting held as one digit from `low` to `high`.
struct Digit {
    const char* name;
    int fallback;
    int low;
    int high;
};
inline constexpr Digit kLetterLayoutDigit{kLetterLayout, 2, 1, 2};
inline constexpr Digit kZoomDigit{kZoom, 1, 1, 4};
inline constexpr Digit kPositionDigit{kPosition, 1, 1, 6};

// A setting held as a decimal number from `low` to `high`.
struct Number {
    const char* name;
    int fallback;
    int low;
    int high;
};
// 0 off, 1 one switch (the frame steps by itself), 2 two switches.
inline constexpr Digit kScanningDigit{kScanning, 0, 0, 2};
inline constexpr Number kScanIntervalNumber{kScanInterval, 1000, 300, 5000};
// Virtual-key codes: F7 presses, F8 moves (with two switches).
inline constexpr Number kSwitchKeyNumber{kSwitchKey, 0x76, 1, 254};
inline constexpr Number kMoveKeyNumber{kMoveKey, 0x77, 1, 254};
// Rounds of a row without a press before the frame goes back to the rows.
inline constexpr Number kScanCyclesNumber{kScanCycles, 2, 1, 9};

// The name shown for the default dictionary.
inline constexpr const char* kDefaultDictionaryName = "default";

// A missing value gets its default written back; a value whose first
// character is not a digit in range is not one the keyboard can work with,
// and the default is used instead. `wasRead` tells whether a value was there.
int readDigit(platform::Settings& settings, const Digit& digit, bool* wasRead = nullptr);
// Writes nothing for a value out of range.
void writeDigit(platform::Settings& settings, const Digit& digit, int value);

// As readDigit, for a whole decimal number; anything but digits is out of range.
int readNumber(platform::Settings& settings, const Number& number);
void writeNumber(platform::Settings& settings, const Number& number, int value);

// Switch scanning.
struct Scanning {
    int mode = kScanningDigit.fallback;
    int interval = kScanIntervalNumber.fallback;
    int switchKey = kSwitchKeyNumber.fallback;
    int moveKey = kMoveKeyNumber.fallback;
    int cycles = kScanCyclesNumber.fallback;
};
// Without the Scanning value, the defaults, reading and writing nothing more.
Scanning readScanning(platform::Settings& settings);

// What the exit command saves; the scanning values only while scanning is on.
struct Values {
    int position;
    int zoom;
    int letterLayout;
    std::string dictionaryPath;
    std::string dictionaryName;
    Scanning scanning;
};
void save(platform::Settings& settings, const Values& values);

}  // namespace settings
