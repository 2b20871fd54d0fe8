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

// A setting held as a whole number from `low` to `high`, or 0 for off
// when `zeroIsOff`.
struct Number {
    const char* name;
    int fallback;
    int low;
    int high;
    bool zeroIsOff;
};
// 0 off, 1 one switch (the frame steps by itself), 2 two switches.
inline constexpr Digit kScanningDigit{kScanning, 0, 0, 2};
inline constexpr Number kScanIntervalNumber{kScanInterval, 1000, 300, 5000, false};
// Virtual-key codes: F7 presses, F8 moves (with two switches).
inline constexpr Number kSwitchKeyNumber{kSwitchKey, 0x76, 1, 254, false};
inline constexpr Number kMoveKeyNumber{kMoveKey, 0x77, 1, 254, false};
// Rounds of a row without a press before the frame goes back to the rows.
inline constexpr Number kScanCyclesNumber{kScanCycles, 2, 1, 9, false};
// Dwell selection: the time the pointer rests on a key to press it, in
// milliseconds (0 off); the pixels it may wander and still rest; the time
// before a key pressed so presses again while the pointer stays (0: only
// after the pointer has left it).
inline constexpr Number kDwellTime{"DwellTime", 0, 300, 3000, true};
inline constexpr Number kDwellRadius{"DwellRadius", 10, 0, 100, false};
inline constexpr Number kDwellRepeat{"DwellRepeat", 0, 300, 10000, true};
// 1 while learning is paused.
inline constexpr Number kLearningPaused{"LearningPaused", 0, 0, 1, false};
// 1 while a word the keys showed and the next letter passed over stays off
// them until the word ends.
inline constexpr Number kNoRepeat{"NoRepeat", 0, 0, 1, false};

// The name shown for the default dictionary.
inline constexpr const char* kDefaultDictionaryName = "default";

// A missing value gets its default written back; a value whose first
// character is not a digit in range is not one the keyboard can work with,
// and the default is used instead. `wasRead` tells whether a value was there.
int readDigit(platform::Settings& settings, const Digit& digit, bool* wasRead = nullptr);
// Writes nothing for a value out of range.
void writeDigit(platform::Settings& settings, const Digit& digit, int value);

// A missing value, or one that is no number, gives the fallback; a number
// out of range is brought to the nearest end of it.
int readNumber(platform::Settings& settings, const Number& number);
// Writes nothing for a value out of range.
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

// What the exit command saves: the first five always; the scanning values
// only while scanning is on; the others once they differ from their
// defaults or are stored already.
struct Values {
    int position;
    int zoom;
    int letterLayout;
    std::string dictionaryPath;
    std::string dictionaryName;
    Scanning scanning;
    int dwellTime;
    int dwellRadius;
    int dwellRepeat;
    int learningPaused;
    int noRepeat;
};
void save(platform::Settings& settings, const Values& values);

}  // namespace settings
