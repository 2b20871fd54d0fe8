// The application framework of the simulated desktop: the keyboard window's
// life, invalidation, and the delivery of its messages to the handlers, in the
// order a Win32 message loop would.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/platform.h"

namespace sim {

class SimPointer;
class SimWindows;

// Thrown by exitProcess, so that a test sees the exit code.
struct SimProcessExit {
    int code = 0;
};

struct Invalidation {
    bool whole = true;
    platform::Rect rect;    // client coordinates, when not whole
    bool bySystem = false;  // asked for by a window change, not by the keyboard
};

// WM_MOUSEACTIVATE replies.
constexpr int kMouseActivate = 1;
constexpr int kMouseActivateAndEat = 2;
constexpr int kMouseNoActivate = 3;
constexpr int kMouseNoActivateAndEat = 4;

// The result of runModal when the loop ended by endDialog (IDCANCEL), and
// when the driver returned with the dialog still up or creation failed. The
// window is destroyed when the message that ended the dialog has been handled.
constexpr int kModalCancel = 2;
constexpr int kModalNotEnded = -1;

class SimFramework : public platform::Framework {
public:
    SimFramework(SimWindows& windows, SimPointer& pointer);

    // Creates the window, runs the driver, then destroys the window.
    int runModal(platform::DialogHandlers& dialog) override;
    platform::WindowId keyboardWindow() override;
    void invalidate(const platform::Rect* clientRect) override;
    bool isMinimized() override;
    platform::Rect clientRect() override;
    void setIcon() override { iconSet = true; }
    void endDialog() override;
    [[noreturn]] void exitProcess(int code) override;
    bool claimOnlyInstance() override { return !otherInstance; }
    void postToRunningInstance(int n) override { postedToOther.push_back(n); }
    void setTimer(int id, int milliseconds) override;
    void killTimer(int id) override { timers.erase(id); }
    std::int64_t now() override { return clock; }
    bool registerSwitchKey(int id, int virtualKey) override;
    void unregisterSwitchKey(int id) override { switchKeys.erase(id); }

    // Moves the clock on, delivering each timer when it falls due, in time
    // order, as the message loop would.
    void advance(std::int64_t milliseconds);
    bool timerRunning(int id) const { return timers.count(id) != 0; }

    // The user presses a key on the real keyboard: WM_HOTKEY when the key is
    // registered (posted, so pre-translated); false when it is not.
    bool pressSwitch(int virtualKey);
    // The key registered under the id, 0 when none.
    int switchKey(int id) const;
    // Another program holds the key: registering it fails.
    void setKeyHeldElsewhere(int virtualKey) { heldElsewhere = virtualKey; }

    // Another keyboard runs in the session.
    void setOtherInstanceRunning(bool running) { otherInstance = running; }
    // The private messages posted to it.
    const std::vector<int>& postedToOtherInstance() const { return postedToOther; }

    // What runModal does while the dialog is up.
    void setModalDriver(std::function<void()> driver) { modalDriver = std::move(driver); }
    // Creation and initialisation without a modal loop; messages are then
    // delivered by the calls below until endDialog.
    void start(platform::DialogHandlers& dialog);
    // Whether messages reach the handlers: started, and not ended.
    bool running() const { return handlers != nullptr && !endedFlag; }
    bool ended() const { return endedFlag; }

    // The messages. Points are in client coordinates; the pointer moves there
    // first. Each posted message goes through PreTranslateMessage before its
    // handler; a pending repaint is painted after each message.
    void mouseMove(int clientX, int clientY);
    void leftClick(int clientX, int clientY);
    void rightClick(int clientX, int clientY);
    // Sent from another thread: straight to the handler, no pre-translation.
    // 0 when the window is not running.
    std::intptr_t sendPrivate(int n, std::uintptr_t wParam);
    // Posted: pre-translated; the reply is lost.
    void postPrivate(int n, std::uintptr_t wParam);
    void command(int id);
    // WM_CLOSE; the default processing then ends the dialog.
    void close();
    // WM_DISPLAYCHANGE: call after changing the monitors.
    void displayChange();
    // WM_PAINT when something is invalid and the window is shown and not minimised.
    bool paintIfNeeded();

    // For tests.
    bool needsPaint() const { return invalid; }
    const std::vector<Invalidation>& invalidations() const { return invalidationLog; }
    void clearInvalidations() { invalidationLog.clear(); }
    bool iconWasSet() const { return iconSet; }
    int paintCount() const { return paints; }
    // Wall-clock seconds spent in the keyboard's handlers of start-up and in
    // its paints, for the benchmark.
    struct HandlerTimes {
        double create = 0;      // WM_CREATE: the pictures
        double initialise = 0;  // WM_INITDIALOG: settings and the dictionary
        double firstPaint = 0;
        double paints = 0;      // every paint, the first one included
        double paintsCpu = 0;   // the same in processor time of the thread
    };
    const HandlerTimes& handlerTimes() const { return handlerTimes_; }
    // How often a click made the keyboard window the active one.
    int keyboardActivations() const { return activations; }

private:
    void click(int clientX, int clientY, bool left);
    void pointerTo(int clientX, int clientY);
    void systemInvalidate();
    void closeIfEnded();
    // After a handler set the cursor, the mouse move Windows then posts to
    // the keyboard when the cursor is over it.
    void deliverCursorMove();
    // Pre-translation, the handler, then the repaint it asked for.
    template <typename Handler>
    void post(Handler handler);

    SimWindows& windows;
    SimPointer& pointer;
    std::function<void()> modalDriver;
    platform::DialogHandlers* handlers = nullptr;
    bool endedFlag = false;
    bool otherInstance = false;
    std::vector<int> postedToOther;
    struct Timer {
        std::int64_t interval;
        std::int64_t due;
    };
    std::map<int, Timer> timers;
    std::int64_t clock = 1000000;
    std::map<int, int> switchKeys;  // hot key id to virtual key
    int heldElsewhere = 0;
    bool creationFailed = false;
    bool invalid = false;
    bool iconSet = false;
    int paints = 0;
    HandlerTimes handlerTimes_;
    int activations = 0;
    int depth = 0;  // handlers running
    std::vector<Invalidation> invalidationLog;
};

}  // namespace sim
