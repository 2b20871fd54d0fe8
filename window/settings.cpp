#include "window/settings.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>

namespace settings {

int readDigit(platform::Settings& settings, const Digit& digit, bool* wasRead) {
    const std::optional<std::string> value = settings.readValue(kSettingsKey, digit.name);
    if (wasRead) *wasRead = value.has_value();
    if (!value) {
        settings.writeValue(kSettingsKey, digit.name, std::to_string(digit.fallback));
        return digit.fallback;
    }
    const int read = value->empty() ? -1 : static_cast<unsigned char>((*value)[0]) - '0';
    if (read < digit.low || read > digit.high) return digit.fallback;
    return read;
}

void writeDigit(platform::Settings& settings, const Digit& digit, int value) {
    if (value < digit.low || value > digit.high) return;
    settings.writeValue(kSettingsKey, digit.name, std::string(1, static_cast<char>('0' + value)));
}

int readNumber(platform::Settings& settings, const Number& number) {
    const std::optional<std::string> value = settings.readValue(kSettingsKey, number.name);
    if (!value) return number.fallback;
    long read = 0;
    const char* first = value->data();
    const char* last = first + value->size();
    while (first != last && *first == ' ') ++first;
    const auto [end, error] = std::from_chars(first, last, read);
    if (error == std::errc::result_out_of_range) read = *first == '-' ? number.low : number.high;
    else if (error != std::errc() || end == first) return number.fallback;
    if (read == 0 && number.zeroIsOff) return 0;
    return static_cast<int>(std::clamp<long>(read, number.low, number.high));
}

void writeNumber(platform::Settings& settings, const Number& number, int value) {
    const bool off = value == 0 && number.zeroIsOff;
    if (!off && (value < number.low || value > number.high)) return;
    settings.writeValue(kSettingsKey, number.name, std::to_string(value));
}

namespace {

// Settings that are not always written go in once they are in use: a user
// who never touched them finds the registry as before.
void saveNumber(platform::Settings& settings, const Number& number, int value) {
    if (value != number.fallback || settings.readValue(kSettingsKey, number.name))
        writeNumber(settings, number, value);
}

}  // namespace

Scanning readScanning(platform::Settings& settings) {
    Scanning read;
    // A keyboard that never scanned leaves the registry as it was.
    if (!settings.readValue(kSettingsKey, kScanning)) return read;
    read.mode = readDigit(settings, kScanningDigit);
    read.interval = readNumber(settings, kScanIntervalNumber);
    read.switchKey = readNumber(settings, kSwitchKeyNumber);
    read.moveKey = readNumber(settings, kMoveKeyNumber);
    read.cycles = readNumber(settings, kScanCyclesNumber);
    return read;
}

void save(platform::Settings& settings, const Values& values) {
    writeDigit(settings, kPositionDigit, values.position);
    writeDigit(settings, kZoomDigit, values.zoom);
    writeDigit(settings, kLetterLayoutDigit, values.letterLayout);
    settings.writeValue(kSettingsKey, kDictionaryPath, values.dictionaryPath);
    settings.writeValue(kSettingsKey, kDictionaryName, values.dictionaryName);
    saveNumber(settings, kDwellTime, values.dwellTime);
    saveNumber(settings, kDwellRadius, values.dwellRadius);
    saveNumber(settings, kDwellRepeat, values.dwellRepeat);
    saveNumber(settings, kLearningPaused, values.learningPaused);
    saveNumber(settings, kNoRepeat, values.noRepeat);
    if (values.scanning.mode == 0) return;
    writeDigit(settings, kScanningDigit, values.scanning.mode);
    writeNumber(settings, kScanIntervalNumber, values.scanning.interval);
    writeNumber(settings, kSwitchKeyNumber, values.scanning.switchKey);
    writeNumber(settings, kMoveKeyNumber, values.scanning.moveKey);
    writeNumber(settings, kScanCyclesNumber, values.scanning.cycles);
}

}  // namespace settings
