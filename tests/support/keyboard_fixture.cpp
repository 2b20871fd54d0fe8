#include "tests/support/keyboard_fixture.h"

#include <filesystem>
#include <fstream>

#include "platform/sim/SimFiles.h"

namespace pelvok_test {

sim::SimOptions KeyboardHarness::defaultOptions() {
    sim::SimOptions options = toolbox::SimKeyboard::defaultOptions();
    options.screenWidth = 1280;
    options.screenHeight = 1024;
    options.homeWindows = kHome;
    return options;
}

void KeyboardHarness::setSetting(const std::string& name, const std::string& value) {
    desktop().settings().setValue(kSettingsKey, name, value);
}

std::string KeyboardHarness::hostPath(const std::string& windowsPath) {
    return desktop().files().hostPath(windowsPath);
}

void KeyboardHarness::prepareDictionary(const std::string& windowsPath,
                                        const DictionaryFiller& fill) {
    const std::filesystem::path host = hostPath(windowsPath);
    std::filesystem::create_directories(host.parent_path());
    SqliteDatabase database;
    database.open(desktop().files().sqlitePath(windowsPath));
    DictionaryStore store(database);
    store.CreateWordsTableIfMissing();
    store.CreateSuccessorsTableIfMissing();
    if (fill) fill(store, database);
    database.close();
}

void KeyboardHarness::prepareDefaultDictionary(const DictionaryFiller& fill) {
    prepareDictionary(kDefaultDictionary, fill);
}

void KeyboardHarness::writeFile(const std::string& windowsPath, const std::string& bytes) {
    const std::filesystem::path host = hostPath(windowsPath);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace pelvok_test
