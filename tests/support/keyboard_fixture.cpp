#include "tests/support/keyboard_fixture.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/sim/SimFiles.h"

namespace pelvok_test {

sim::SimOptions KeyboardHarness::defaultOptions() {
    sim::SimOptions options;
    options.screenWidth = 1280;
    options.screenHeight = 1024;
    options.homeWindows = kHome;
    options.picturesFolder = PELVOK_PICTURES_DIR;
    return options;
}

KeyboardHarness::KeyboardHarness(const sim::SimOptions& options)
    : desktop_(std::make_unique<sim::SimDesktop>(options)) {}

// The window goes first: it holds the desktop's interfaces.
KeyboardHarness::~KeyboardHarness() { window_.reset(); }

void KeyboardHarness::setSetting(const std::string& name, const std::string& value) {
    desktop_->settings().setValue(kSettingsKey, name, value);
}

std::string KeyboardHarness::hostPath(const std::string& windowsPath) {
    return desktop_->files().hostPath(windowsPath);
}

void KeyboardHarness::prepareDictionary(const std::string& windowsPath,
                                        const DictionaryFiller& fill) {
    const std::filesystem::path host = hostPath(windowsPath);
    std::filesystem::create_directories(host.parent_path());
    SqliteDatabase database;
    database.open(desktop_->files().sqlitePath(windowsPath));
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

CPelvokDlg& KeyboardHarness::start() {
    if (window_) throw std::logic_error("the keyboard is already started");
    window_ = std::make_unique<CPelvokDlg>(desktop_->platform());
    window_->PrepareToRun();
    desktop_->start(*window_);
    return *window_;
}

CPelvokDlg& KeyboardHarness::window() {
    if (!window_) throw std::logic_error("start the keyboard first");
    return *window_;
}

}  // namespace pelvok_test
