// A simulated Windows desktop for the keyboard's tests and the headless
// keyboard: one implementation of each platform interface, with the controls
// and records a test needs. Creating one makes its Caps Lock toggle the one
// the keyboard model reads, until it is destroyed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/KeystrokeSink.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimFramework.h"
#include "platform/sim/SimGraphics.h"
#include "platform/sim/SimKeystrokes.h"
#include "platform/sim/SimPointer.h"
#include "platform/sim/SimSettings.h"
#include "platform/sim/SimWindows.h"

namespace sim {

struct SimOptions {
    int screenWidth = 1280;
    int screenHeight = 1024;
    // Pixels per inch of the screen (96 is 100 %).
    int dpi = 96;
    // The host folder standing for the start directory; empty makes a
    // temporary one that goes away with the desktop.
    std::string home;
    std::string homeWindows = "C:\\Pelvok";
    // Where other drives live; empty is <home>/drives.
    std::string drivesRoot;
    // The registry's file; empty keeps the registry in memory only.
    std::string settingsFile;
    // The folder of the pictures, <resource number>.bmp.
    std::string picturesFolder;
    // The keyboard layout of the desktop's input.
    SystemLayout layout = SystemLayout::Spanish;
};

class SimDesktop {
public:
    explicit SimDesktop(const SimOptions& options = SimOptions());
    ~SimDesktop() = default;
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    platform::Platform& platform() { return interfaces; }

    SimKeystrokes& keystrokes() { return simKeystrokes; }
    SimSettings& settings() { return simSettings; }
    SimWindows& windows() { return simWindows; }
    SimPointer& pointer() { return simPointer; }
    SimDialogs& dialogs() { return simDialogs; }
    SimFiles& files() { return simFiles; }
    SimGraphics& graphics() { return simGraphics; }
    SimFramework& framework() { return simFramework; }

    // The keyboard window's messages; see SimFramework.
    void setModalDriver(std::function<void()> driver) {
        simFramework.setModalDriver(std::move(driver));
    }
    void start(platform::DialogHandlers& dialog) { simFramework.start(dialog); }
    bool ended() const { return simFramework.ended(); }
    void mouseMove(int clientX, int clientY) { simFramework.mouseMove(clientX, clientY); }
    void leftClick(int clientX, int clientY) { simFramework.leftClick(clientX, clientY); }
    void rightClick(int clientX, int clientY) { simFramework.rightClick(clientX, clientY); }
    std::intptr_t sendPrivate(int n, std::uintptr_t wParam) {
        return simFramework.sendPrivate(n, wParam);
    }
    void postPrivate(int n, std::uintptr_t wParam) { simFramework.postPrivate(n, wParam); }
    void command(int id) { simFramework.command(id); }
    void close() { simFramework.close(); }
    bool paintIfNeeded() { return simFramework.paintIfNeeded(); }

    void queueMenuAnswer(int command) { simDialogs.queueMenuAnswer(command); }
    void queueFileAnswer(FileAnswer answer) { simDialogs.queueFileAnswer(std::move(answer)); }
    bool snapshotPng(const std::string& path) { return simGraphics.snapshotPng(path); }

private:
    SimFiles simFiles;
    SimSettings simSettings;
    SimWindows simWindows;
    SimKeystrokes simKeystrokes;
    SimPointer simPointer;
    SimDialogs simDialogs;
    SimGraphics simGraphics;
    SimFramework simFramework;
    platform::Platform interfaces;
};

}  // namespace sim
