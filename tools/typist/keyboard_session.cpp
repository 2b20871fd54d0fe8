#include "tools/typist/keyboard_session.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"
#include "window/settings.h"

namespace typist {

namespace {

// Where the dictionary's folder appears on the simulated desktop.
constexpr const char* kDictionaryFolder = "D:\\diccionarios";

}  // namespace

namespace {

sim::SimOptions withLayout(sim::SystemLayout layout) {
    sim::SimOptions options = toolbox::SimKeyboard::defaultOptions();
    options.layout = layout;
    return options;
}

}  // namespace

KeyboardSession::KeyboardSession(const std::string& dictionary, Indexes indexes, bool paint,
                                 sim::SystemLayout layout, bool onNetwork)
    : sim_(withLayout(layout)) {
    namespace fs = std::filesystem;
    const fs::path file = fs::absolute(dictionary);
    // The keyboard opens a stored dictionary only when the file is there;
    // an empty file is an empty database.
    if (!fs::exists(file)) std::ofstream(file, std::ios::app);
    sim::SimDesktop& d = sim_.desktop();
    d.files().mapFolder(kDictionaryFolder, file.parent_path().string());
    if (onNetwork) d.files().networkFolders.push_back(kDictionaryFolder);
    const std::string windowsPath =
        std::string(kDictionaryFolder) + "\\" + file.filename().string();
    d.settings().setValue(kSettingsKey, settings::kDictionaryPath, windowsPath);
    d.settings().setValue(kSettingsKey, settings::kDictionaryName, file.stem().string());

    target_ = std::make_unique<sim::SimTargetApp>(d.windows(), "Texto");
    target_->bringToFront();
    sim_.setPainting(paint);
    try {
        keyboard_ = &sim_.start();
    } catch (const sim::SimProcessExit&) {
        throw std::runtime_error("the keyboard could not start (its pictures are missing)");
    }
    if (!keyboard_->layout || !keyboard_->dictionaryAvailable() ||
        keyboard_->dictionaryPath != windowsPath)
        throw std::runtime_error("the keyboard could not open the dictionary " + file.string());
    if (indexes == Indexes::Ensure) DictionaryStore(keyboard_->database).EnsureIndexes();
    if (indexes == Indexes::Drop) keyboard_->database.executeUpdate(statements::DropIndexes());
}

// The keyboard goes first: it holds the desktop's interfaces.
KeyboardSession::~KeyboardSession() {
    sim_.stop();
    target_.reset();
}

void KeyboardSession::click(const Key& key) {
    const float scale = layout().getScale();
    const KeyPoint p1 = key.getPoint1();
    const KeyPoint p2 = key.getPoint2();
    const int x = static_cast<int>((p1.getX() + (p2.getX() - p1.getX()) / 2) * scale);
    const int y = static_cast<int>((p1.getY() + (p2.getY() - p1.getY()) / 2) * scale);
    if (!transactionPerKey_) {
        sim_.desktop().leftClick(x, y);
        return;
    }
    keyboard_->database.executeUpdate("BEGIN;");
    sim_.desktop().leftClick(x, y);
    keyboard_->database.executeUpdate("COMMIT;");
}

}  // namespace typist
