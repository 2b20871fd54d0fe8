// The keyboard window running on a simulated desktop, for the tests of the
// window and of the typing engine.
//
//   TEST_F(KeyboardTest, Example) {
//       setSetting("Zoom", "2");                        // before start
//       prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
//           store.LearnPair(".", "hola", "hola");
//       });
//       CPelvokDlg& keyboard = start();                 // as the application does
//       desktop().leftClick(20, 40);                    // then drive it
//       EXPECT_EQ(keyboard.suggestions[0], "hola");
//   }
//
// A test that needs another screen calls makeDesktop(options) before
// anything else. The window is destroyed before the desktop; the desktop's
// temporary home (the start directory "C:\Pelvok") goes away with it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "platform/sim/SimDesktop.h"
#include "tools/toolbox/sim_keyboard.h"
#include "window/pelvokDlg.h"

namespace pelvok_test {

// The start directory of the simulated desktop, and the default dictionary in it.
inline constexpr const char* kHome = "C:\\Pelvok";
inline constexpr const char* kDefaultDictionary = "C:\\Pelvok\\diccionarios\\default.dic";

// Fills a dictionary before start; both tables already exist.
using DictionaryFiller = std::function<void(DictionaryStore&, SqliteDatabase&)>;

// A simulated desktop and the keyboard window on it.
class KeyboardHarness {
public:
    // A 1280 × 1024 screen, a temporary home, the generated pictures and an
    // in-memory registry without the settings key.
    static sim::SimOptions defaultOptions();

    explicit KeyboardHarness(const sim::SimOptions& options = defaultOptions())
        : keyboard_(options) {}

    sim::SimDesktop& desktop() { return keyboard_.desktop(); }

    // Before start: a value under the settings key (the key is created).
    void setSetting(const std::string& name, const std::string& value);
    // Before start: a dictionary file at a Windows path, with both tables,
    // filled by `fill`. Its folder is created; an existing file is kept.
    void prepareDictionary(const std::string& windowsPath, const DictionaryFiller& fill = {});
    // The same for the default dictionary.
    void prepareDefaultDictionary(const DictionaryFiller& fill = {});
    // Before start: a file of the given bytes at a Windows path (for a
    // dictionary that is not a database, say).
    void writeFile(const std::string& windowsPath, const std::string& bytes);
    // The host path of a Windows path of the desktop.
    std::string hostPath(const std::string& windowsPath);

    // Starts the keyboard as the application does: the settings key, the
    // model, the start key (CPelvokDlg::PrepareToRun), then window creation
    // and initialisation, without a modal loop. Messages are then sent
    // through desktop(). A failure that ends the process throws
    // sim::SimProcessExit out of here.
    CPelvokDlg& start() { return keyboard_.start(); }
    bool started() const { return keyboard_.started(); }
    // The window; start() first.
    CPelvokDlg& window() { return keyboard_.window(); }

private:
    toolbox::SimKeyboard keyboard_;
};

// A gtest fixture around one harness.
class KeyboardTest : public testing::Test {
protected:
    KeyboardTest() : harness_(std::make_unique<KeyboardHarness>()) {}

    // Replaces the desktop (and drops a started window); call it first.
    void makeDesktop(const sim::SimOptions& options) {
        harness_ = std::make_unique<KeyboardHarness>(options);
    }
    // A desktop with another screen size, otherwise the defaults.
    void makeScreen(int width, int height) {
        sim::SimOptions options = KeyboardHarness::defaultOptions();
        options.screenWidth = width;
        options.screenHeight = height;
        makeDesktop(options);
    }

    KeyboardHarness& harness() { return *harness_; }
    sim::SimDesktop& desktop() { return harness_->desktop(); }
    CPelvokDlg& window() { return harness_->window(); }
    CPelvokDlg& start() { return harness_->start(); }
    void setSetting(const std::string& name, const std::string& value) {
        harness_->setSetting(name, value);
    }
    void prepareDictionary(const std::string& windowsPath, const DictionaryFiller& fill = {}) {
        harness_->prepareDictionary(windowsPath, fill);
    }
    void prepareDefaultDictionary(const DictionaryFiller& fill = {}) {
        harness_->prepareDefaultDictionary(fill);
    }
    // A value under the settings key, as the registry holds it now.
    std::optional<std::string> setting(const std::string& name) {
        return desktop().settings().value(kSettingsKey, name);
    }

private:
    std::unique_ptr<KeyboardHarness> harness_;
};

}  // namespace pelvok_test
