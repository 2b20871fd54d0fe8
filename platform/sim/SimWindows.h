// The screen and the simulated windows: the keyboard window and the
// applications a test creates, with their threads, the foreground window, each
// thread's active window and the keyboard thread's input attachment.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/SystemLayouts.h"

namespace sim {

class KeystrokeSink;

// The thread of the keyboard window.
constexpr std::uint32_t kKeyboardThread = 1;

struct SimWindow {
    platform::WindowId id = 0;
    std::string title;
    platform::Rect rect;
    platform::Rect normalRect;  // where restoring a maximised or minimised window puts it
    std::uint32_t thread = 0;
    bool visible = true;
    bool maximised = false;
    bool minimised = false;
    bool alive = true;
    bool passwordFocus = false;
    KeystrokeSink* sink = nullptr;
};

// A monitor: its place on the desktop and its work area.
struct SimMonitor {
    platform::Rect bounds;
    platform::Rect work;
};

// The task bar of a new desktop, along the bottom of the screen.
constexpr int kTaskBarHeight = 30;

// One call of the keyboard into the Windows interface that changes something.
struct WindowCall {
    enum class Kind { Attach, Detach, SetActive, Move, SetPos, Restore, Show };
    Kind kind = Kind::Move;
    platform::WindowId window = 0;
    platform::Rect rect;  // Move and SetPos: x, y, x + width, y + height as asked
    bool flag = false;    // Move: repaint; SetPos: resize; Show: show
};

class SimWindows : public platform::Windows {
public:
    SimWindows(int screenWidth, int screenHeight, int dpi = 96);

    int screenWidth() override { return width; }
    int screenHeight() override { return height; }
    platform::Rect workArea(platform::WindowId window) override;
    int screenDpi() override { return dpi; }
    bool focusIsPassword() override;
    // For tests: the focus of the window's thread is in a password field.
    void setPasswordFocus(platform::WindowId window, bool password);
    platform::WindowId foregroundWindow() override { return foreground; }
    platform::WindowId activeWindow() override;
    void setActiveWindow(platform::WindowId window) override;
    bool isWindow(platform::WindowId window) override;
    void attachInput(platform::WindowId window, bool attach) override;
    platform::Rect windowRect(platform::WindowId window) override;
    void moveWindow(platform::WindowId window, int x, int y, int width, int height,
                    bool repaint) override;
    void setWindowPos(platform::WindowId window, int x, int y, int width, int height,
                      bool resize) override;
    void restoreWindow(platform::WindowId window) override;
    bool showWindow(platform::WindowId window, bool show) override;

    // For tests. A thread of 0 gives the window a thread of its own.
    platform::WindowId createWindow(const std::string& title, const platform::Rect& rect,
                                    std::uint32_t thread = 0);
    void destroyWindow(platform::WindowId window);
    // Brings the window to the foreground and makes it its thread's active window.
    void setForeground(platform::WindowId window);
    // Makes the window its thread's active window; the foreground stays.
    void setActive(platform::WindowId window);
    platform::WindowId threadActiveWindow(std::uint32_t thread) const;
    void maximise(platform::WindowId window);
    void minimise(platform::WindowId window);
    // One monitor of that size, with the task bar.
    void setScreenSize(int screenWidth, int screenHeight);
    // The first is the primary monitor, whose size the screen metrics give.
    void setMonitors(std::vector<SimMonitor> newMonitors);
    // The keyboard layout of the desktop's input, for the applications on it.
    SystemLayout keyboardLayout() const { return layout; }
    void setKeyboardLayout(SystemLayout newLayout) { layout = newLayout; }
    // Shows or hides a window without it counting as a call of the keyboard.
    void setVisible(platform::WindowId window, bool visible);
    // nullptr for an id never handed out; a destroyed window stays readable.
    const SimWindow* window(platform::WindowId window) const;
    bool inputAttachedTo(std::uint32_t thread) const { return attached.count(thread) != 0; }
    const std::vector<WindowCall>& calls() const { return callLog; }
    std::vector<WindowCall> callsOf(WindowCall::Kind kind) const;
    void clearCalls() { callLog.clear(); }
    void setSink(platform::WindowId window, KeystrokeSink* sink);
    KeystrokeSink* sinkOf(platform::WindowId window) const;

    // For the framework.
    platform::WindowId createKeyboardWindow();
    platform::WindowId keyboardWindow() const { return keyboard; }
    // Called when a window call of the keyboard asks for its window to be repainted.
    void setRepaintHook(std::function<void()> hook) { repaintHook = std::move(hook); }

private:
    SimWindow* find(platform::WindowId window);
    void repaintKeyboard(platform::WindowId window);

    int width;
    int height;
    std::vector<SimMonitor> monitors;
    int dpi;
    std::map<platform::WindowId, SimWindow> windows;
    std::map<std::uint32_t, platform::WindowId> activeOf;
    std::set<std::uint32_t> attached;
    std::vector<WindowCall> callLog;
    platform::WindowId foreground = 0;
    platform::WindowId keyboard = 0;
    platform::WindowId nextId = 0x10010;
    std::uint32_t nextThread = 0x100;
    std::function<void()> repaintHook;
    SystemLayout layout = SystemLayout::Spanish;
};

}  // namespace sim
