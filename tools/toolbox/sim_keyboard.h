// The real keyboard on a simulated desktop, started the one way the
// application starts it: for the test fixture, the typist and pelvok-sim.
#pragma once

#include <functional>
#include <memory>

#include "platform/sim/SimDesktop.h"
#include "tools/toolbox/framework_tap.h"
#include "window/pelvokDlg.h"

namespace toolbox {

class SimKeyboard {
public:
    // A 1280 × 1024 screen, a temporary home, the pictures the build
    // generated, and an in-memory registry.
    static sim::SimOptions defaultOptions();

    explicit SimKeyboard(const sim::SimOptions& options = defaultOptions());
    // The window goes first: it holds the desktop's interfaces.
    ~SimKeyboard();
    SimKeyboard(const SimKeyboard&) = delete;
    SimKeyboard& operator=(const SimKeyboard&) = delete;

    sim::SimDesktop& desktop() { return *desktop_; }
    // Without painting the keyboard's invalidations are dropped: the window
    // is never painted.
    void setPainting(bool on) { tap_.setPainting(on); }

    // Starts the keyboard as the application does: the settings key, the
    // model, the start key (CPelvokDlg::PrepareToRun), then window creation
    // and initialisation, without a modal loop; messages then go through
    // desktop(). A failure that ends the process throws sim::SimProcessExit.
    CPelvokDlg& start();
    bool started() const { return window_ != nullptr; }
    // The started window; throws std::logic_error before start.
    CPelvokDlg& window();
    // Destroys the started window, before whatever else lives on the desktop.
    void stop() { window_.reset(); }

    // Runs the application object, the keyboard's whole life, calling
    // `driver` inside its modal loop with the running window. A failure
    // that ends the process throws sim::SimProcessExit.
    void runApplication(const std::function<void(CPelvokDlg&)>& driver);

private:
    std::unique_ptr<sim::SimDesktop> desktop_;
    FrameworkTap tap_;
    platform::Platform platform_;
    std::unique_ptr<CPelvokDlg> window_;
};

}  // namespace toolbox
