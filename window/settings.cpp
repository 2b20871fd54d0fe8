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

void save(platform::Settings& settings, const Values& values) {
    writeDigit(settings, kPositionDigit, values.position);
    writeDigit(settings, kZoomDigit, values.zoom);
    writeDigit(settings, kLetterLayoutDigit, values.letterLayout);
    settings.writeValue(kSettingsKey, kDictionaryPath, values.dictionaryPath);
    settings.writeValue(kSettingsKey, kDictionaryName, values.dictionaryName);
}

}  // namespace settings
