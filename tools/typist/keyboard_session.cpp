#include "tools/typist/keyboard_session.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "dictionary/DictionaryStore.h"
#include "platform/sim/SimFramework.h"

namespace typist {

namespace {

// Where the dictionary's folder appears on the simulated desktop.
constexpr const char* kDictionaryFolder = "D:\\diccionarios";

const char* const kDropIndexes =
    "DROP INDEX IF EXISTS palabras_prefijo; DROP INDEX IF EXISTS palabras_forma;"
    "DROP INDEX IF EXISTS palabras_frecuencia; DROP INDEX IF EXISTS siguientes_prefijo;"
    "DROP INDEX IF EXISTS siguientes_forma; DROP INDEX IF EXISTS siguientes_frecuencia;";

}  // namespace

// The desktop's framework, passed through, or without invalidation.
class KeyboardSession::Framework : public platform::Framework {
public:
    Framework(platform::Framework& inner, bool paint) : inner_(inner), paint_(paint) {}

    int runModal(platform::DialogHandlers& dialog) override { return inner_.runModal(dialog); }
    platform::WindowId keyboardWindow() override { return inner_.keyboardWindow(); }
    void invalidate(const platform::Rect* clientRect) override {
        if (paint_) inner_.invalidate(clientRect);
    }
    bool isMinimized() override { return inner_.isMinimized(); }
    platform::Rect clientRect() override { return inner_.clientRect(); }
    void setIcon() override { inner_.setIcon(); }
    void endDialog() override { inner_.endDialog(); }
    [[noreturn]] void exitProcess(int code) override {
        inner_.exitProcess(code);
        std::abort();  // not reached: the desktop's framework does not return either
    }

private:
    platform::Framework& inner_;
    bool paint_;
};

KeyboardSession::KeyboardSession(const std::string& dictionary, Indexes indexes, bool paint) {
    namespace fs = std::filesystem;
    const fs::path file = fs::absolute(dictionary);
    // The keyboard opens a stored dictionary only when the file is there;
    // an empty file is an empty database.
    if (!fs::exists(file)) std::ofstream(file, std::ios::app);
    sim::SimOptions options;
    options.picturesFolder = PELVOK_PICTURES_DIR;
    desktop_ = std::make_unique<sim::SimDesktop>(options);
    desktop_->files().mapFolder(kDictionaryFolder, file.parent_path().string());
    const std::string windowsPath =
        std::string(kDictionaryFolder) + "\\" + file.filename().string();
    desktop_->settings().setValue(kSettingsKey, "ruta_BD", windowsPath);
    desktop_->settings().setValue(kSettingsKey, "nombre_BD", file.stem().string());

    target_ = std::make_unique<sim::SimTargetApp>(desktop_->windows(), "Texto");
    target_->bringToFront();
    framework_ = std::make_unique<Framework>(desktop_->framework(), paint);
    sim::SimDesktop& d = *desktop_;
    platform_ = std::make_unique<platform::Platform>(
        platform::Platform{d.keystrokes(), d.settings(), d.windows(), d.pointer(), d.dialogs(),
                           d.files(), d.graphics(), *framework_});
    keyboard_ = std::make_unique<CPelvokDlg>(*platform_);
    try {
        keyboard_->PrepareToRun();
        desktop_->start(*keyboard_);
    } catch (const sim::SimProcessExit&) {
        throw std::runtime_error("the keyboard could not start (its pictures are missing)");
    }
    if (!keyboard_->layout || !keyboard_->dictionaryAvailable() ||
        keyboard_->dictionaryPath != windowsPath)
        throw std::runtime_error("the keyboard could not open the dictionary " + file.string());
    if (indexes == Indexes::Ensure) DictionaryStore(keyboard_->database).EnsureIndexes();
    if (indexes == Indexes::Drop) keyboard_->database.executeUpdate(kDropIndexes);
}

// The keyboard goes first: it holds the desktop's interfaces.
KeyboardSession::~KeyboardSession() {
    keyboard_.reset();
    target_.reset();
}

void KeyboardSession::click(const Key& key) {
    const float scale = layout().getScale();
    const KeyPoint p1 = key.getPoint1();
    const KeyPoint p2 = key.getPoint2();
    const int x = static_cast<int>((p1.getX() + (p2.getX() - p1.getX()) / 2) * scale);
    const int y = static_cast<int>((p1.getY() + (p2.getY() - p1.getY()) / 2) * scale);
    if (!transactionPerKey_) {
        desktop_->leftClick(x, y);
        return;
    }
    keyboard_->database.executeUpdate("BEGIN;");
    desktop_->leftClick(x, y);
    keyboard_->database.executeUpdate("COMMIT;");
}

}  // namespace typist
