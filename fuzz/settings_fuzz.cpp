// A settings file of any bytes (the simulated registry), read as start-up
// reads the keyboard's settings: every value the keyboard works with is
// within its range, whatever the file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/input_file.h"
#include "platform/sim/SimSettings.h"
#include "window/settings.h"

namespace {

void check(bool holds) {
    if (!holds) std::abort();
}

void readDigit(sim::SimSettings& registry, const settings::Digit& digit) {
    const int value = settings::readDigit(registry, digit);
    check(value >= digit.low && value <= digit.high);
}

void readNumber(sim::SimSettings& registry, const settings::Number& number) {
    const int value = settings::readNumber(registry, number);
    check((value == 0 && number.zeroIsOff) || (value >= number.low && value <= number.high) ||
          value == number.fallback);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const toolbox::TempFolder folder("pelvok-fuzz-settings");
    const std::string path = fuzz::writeInputFile(folder, "registro.txt", data, size);
    sim::SimSettings registry(path);
    registry.openKey(kSettingsKey);
    for (const settings::Digit& digit :
         {settings::kLetterLayoutDigit, settings::kZoomDigit, settings::kPositionDigit})
        readDigit(registry, digit);
    for (const settings::Number& number : {settings::kDwellTime, settings::kDwellRadius,
                                           settings::kDwellRepeat, settings::kLearningPaused})
        readNumber(registry, number);
    const settings::Scanning scanning = settings::readScanning(registry);
    check(scanning.mode >= 0 && scanning.mode <= 2);
    check(scanning.interval >= settings::kScanIntervalNumber.low &&
          scanning.interval <= settings::kScanIntervalNumber.high);
    check(scanning.cycles >= settings::kScanCyclesNumber.low &&
          scanning.cycles <= settings::kScanCyclesNumber.high);
    registry.readValue(kSettingsKey, settings::kDictionaryPath);
    registry.readValue(kSettingsKey, settings::kDictionaryName);
    return 0;
}
