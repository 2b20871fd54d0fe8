// The keyboard's settings: five REG_SZ values under HKEY_CURRENT_USER, their
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

// The name shown for the default dictionary.
inline constexpr const char* kDefaultDictionaryName = "default";

// A missing value gets its default written back; a value whose first
// character is not a digit in range is not one the keyboard can work with,
// and the default is used instead. `wasRead` tells whether a value was there.
int readDigit(platform::Settings& settings, const Digit& digit, bool* wasRead = nullptr);
// Writes nothing for a value out of range.
void writeDigit(platform::Settings& settings, const Digit& digit, int value);

// What the exit command saves.
struct Values {
    int position;
    int zoom;
    int letterLayout;
    std::string dictionaryPath;
    std::string dictionaryName;
};
void save(platform::Settings& settings, const Values& values);

}  // namespace settings
