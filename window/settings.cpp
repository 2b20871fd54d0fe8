#include "window/settings.h"

#include <optional>

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
    if (!value) {
        settings.writeValue(kSettingsKey, number.name, std::to_string(number.fallback));
        return number.fallback;
    }
    // At most five digits: enough for every range, never an overflow.
    if (value->empty() || value->size() > 5) return number.fallback;
    int read = 0;
    for (const char c : *value) {
        if (c < '0' || c > '9') return number.fallback;
        read = read * 10 + (c - '0');
    }
    if (read < number.low || read > number.high) return number.fallback;
    return read;
}

void writeNumber(platform::Settings& settings, const Number& number, int value) {
    if (value < number.low || value > number.high) return;
    settings.writeValue(kSettingsKey, number.name, std::to_string(value));
}

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
    if (values.scanning.mode == 0) return;
    writeDigit(settings, kScanningDigit, values.scanning.mode);
    writeNumber(settings, kScanIntervalNumber, values.scanning.interval);
    writeNumber(settings, kSwitchKeyNumber, values.scanning.switchKey);
    writeNumber(settings, kMoveKeyNumber, values.scanning.moveKey);
    writeNumber(settings, kScanCyclesNumber, values.scanning.cycles);
}

}  // namespace settings
