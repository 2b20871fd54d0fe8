#include "platform/sim/SimWindows.h"

#include <algorithm>
#include <utility>

namespace sim {

using platform::Rect;
using platform::WindowId;

namespace {

long long overlap(const platform::Rect& a, const platform::Rect& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance from a point to the nearest point of a rectangle.
long long distance(const platform::Rect& r, int x, int y) {
    const long long dx = x < r.left ? r.left - x : (x > r.right ? x - r.right : 0);
    const long long dy = y < r.top ? r.top - y : (y > r.bottom ? y - r.bottom : 0);
    return dx * dx + dy * dy;
}

}  // namespace

SimWindows::SimWindows(int screenWidth, int screenHeight, int dpi) : dpi(dpi) {
    setScreenSize(screenWidth, screenHeight);
}

bool SimWindows::focusIsPassword() {
    const SimWindow* shown = find(foreground);
    return shown != nullptr && shown->passwordFocus;
}

void SimWindows::setPasswordFocus(WindowId window, bool password) {
    if (SimWindow* shown = find(window)) shown->passwordFocus = password;
}

platform::Rect SimWindows::workArea(WindowId window) {
    const SimWindow* shown = find(window);
    if (!shown) return monitors.front().work;
    const platform::Rect& r = shown->rect;
    const SimMonitor* best = &monitors.front();
    long long bestOverlap = -1;
    long long bestDistance = 0;
    for (const SimMonitor& monitor : monitors) {
        const long long common = overlap(r, monitor.bounds);
        const long long away =
            distance(monitor.bounds, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        if (common > bestOverlap || (common == 0 && bestOverlap == 0 && away < bestDistance)) {
            best = &monitor;
            bestOverlap = common;
            bestDistance = away;
        }
    }
    return best->work;
}

SimWindow* SimWindows::find(WindowId window) {
    const auto it = windows.find(window);
    return it != windows.end() && it->second.alive ? &it->second : nullptr;
}

const SimWindow* SimWindows::window(WindowId window) const {
    const auto it = windows.find(window);
    return it != windows.end() ? &it->second : nullptr;
}

void SimWindows::repaintKeyboard(WindowId window) {
    if (window == keyboard && repaintHook) repaintHook();
}

WindowId SimWindows::activeWindow() {
    // Attached to the foreground thread, the keyboard's thread shares its input
    // state; otherwise it sees its own, where nothing is ever active.
    if (const SimWindow* fg = find(foreground); fg && attached.count(fg->thread) != 0) {
        return threadActiveWindow(fg->thread);
    }
    return threadActiveWindow(kKeyboardThread);
}

void SimWindows::setActiveWindow(WindowId window) {
    WindowCall call;
    call.kind = WindowCall::Kind::SetActive;
    call.window = window;
    callLog.push_back(call);
    const SimWindow* target = find(window);
    if (!target) return;
    if (target->thread == kKeyboardThread) {
        // Activating one of its own windows while it shares the foreground
        // input makes that window the foreground.
        const SimWindow* fg = find(foreground);
        if (fg && attached.count(fg->thread) != 0) foreground = window;
        activeOf[kKeyboardThread] = window;
    } else if (attached.count(target->thread) != 0) {
        activeOf[target->thread] = window;
    }
    // Another thread's window without attachment: SetActiveWindow fails.
}

bool SimWindows::isWindow(WindowId window) { return find(window) != nullptr; }

void SimWindows::attachInput(WindowId window, bool attach) {
    WindowCall call;
    call.kind = attach ? WindowCall::Kind::Attach : WindowCall::Kind::Detach;
    call.window = window;
    callLog.push_back(call);
    const SimWindow* target = find(window);
    if (!target || target->thread == kKeyboardThread) return;
    if (attach) {
        attached.insert(target->thread);
    } else {
        attached.erase(target->thread);
    }
}

Rect SimWindows::windowRect(WindowId window) {
    const SimWindow* target = find(window);
    return target ? target->rect : Rect{};
}

void SimWindows::moveWindow(WindowId window, int x, int y, int w, int h, bool repaint) {
    WindowCall call;
    call.kind = WindowCall::Kind::Move;
    call.window = window;
    call.rect = Rect{x, y, x + w, y + h};
    call.flag = repaint;
    callLog.push_back(call);
    SimWindow* target = find(window);
    if (!target) return;
    target->rect = call.rect;
    if (repaint) repaintKeyboard(window);
}

void SimWindows::setWindowPos(WindowId window, int x, int y, int w, int h, bool resize) {
    WindowCall call;
    call.kind = WindowCall::Kind::SetPos;
    call.window = window;
    call.rect = Rect{x, y, x + w, y + h};
    call.flag = resize;
    callLog.push_back(call);
    SimWindow* target = find(window);
    if (!target) return;
    const int keptWidth = resize ? w : target->rect.width();
    const int keptHeight = resize ? h : target->rect.height();
    const bool resized = keptWidth != target->rect.width() || keptHeight != target->rect.height();
    target->rect = Rect{x, y, x + keptWidth, y + keptHeight};
    if (resized) repaintKeyboard(window);
}

void SimWindows::restoreWindow(WindowId window) {
    WindowCall call;
    call.kind = WindowCall::Kind::Restore;
    call.window = window;
    callLog.push_back(call);
    SimWindow* target = find(window);
    if (!target || (!target->maximised && !target->minimised)) return;
    target->rect = target->normalRect;
    target->maximised = false;
    target->minimised = false;
    repaintKeyboard(window);
}

bool SimWindows::showWindow(WindowId window, bool show) {
    WindowCall call;
    call.kind = WindowCall::Kind::Show;
    call.window = window;
    call.flag = show;
    callLog.push_back(call);
    const SimWindow* target = find(window);
    if (!target) return false;
    const bool wasVisible = target->visible;
    setVisible(window, show);
    return wasVisible;
}

WindowId SimWindows::createWindow(const std::string& title, const Rect& rect,
                                  std::uint32_t thread) {
    SimWindow created;
    created.id = nextId;
    nextId += 0x10;
    created.title = title;
    created.rect = rect;
    created.normalRect = rect;
    created.thread = thread != 0 ? thread : nextThread++;
    windows[created.id] = created;
    return created.id;
}

void SimWindows::destroyWindow(WindowId window) {
    SimWindow* target = find(window);
    if (!target) return;
    target->alive = false;
    target->sink = nullptr;
    if (foreground == window) foreground = 0;
    for (auto& [thread, active] : activeOf) {
        if (active == window) active = 0;
    }
}

void SimWindows::setForeground(WindowId window) {
    const SimWindow* target = find(window);
    foreground = target ? window : 0;
    if (target) activeOf[target->thread] = window;
}

void SimWindows::setActive(WindowId window) {
    if (const SimWindow* target = find(window)) activeOf[target->thread] = window;
}

WindowId SimWindows::threadActiveWindow(std::uint32_t thread) const {
    const auto it = activeOf.find(thread);
    return it != activeOf.end() ? it->second : 0;
}

void SimWindows::maximise(WindowId window) {
    SimWindow* target = find(window);
    if (!target) return;
    if (!target->maximised && !target->minimised) target->normalRect = target->rect;
    target->maximised = true;
    target->minimised = false;
    target->rect = Rect{0, 0, width, height};
}

void SimWindows::minimise(WindowId window) {
    SimWindow* target = find(window);
    if (!target) return;
    if (!target->maximised && !target->minimised) target->normalRect = target->rect;
    target->minimised = true;
    target->maximised = false;
}

void SimWindows::setVisible(WindowId window, bool visible) {
    SimWindow* target = find(window);
    if (!target) return;
    const bool wasVisible = target->visible;
    target->visible = visible;
    if (visible && !wasVisible) repaintKeyboard(window);
}

void SimWindows::setScreenSize(int screenWidth, int screenHeight) {
    setMonitors({SimMonitor{platform::Rect{0, 0, screenWidth, screenHeight},
                            platform::Rect{0, 0, screenWidth, screenHeight - kTaskBarHeight}}});
}

void SimWindows::setMonitors(std::vector<SimMonitor> newMonitors) {
    if (newMonitors.empty()) return;
    monitors = std::move(newMonitors);
    width = monitors.front().bounds.width();
    height = monitors.front().bounds.height();
}

std::vector<WindowCall> SimWindows::callsOf(WindowCall::Kind kind) const {
    std::vector<WindowCall> found;
    for (const WindowCall& call : callLog) {
        if (call.kind == kind) found.push_back(call);
    }
    return found;
}

void SimWindows::setSink(WindowId window, KeystrokeSink* sink) {
    if (SimWindow* target = find(window)) target->sink = sink;
}

KeystrokeSink* SimWindows::sinkOf(WindowId window) const {
    const auto it = windows.find(window);
    return it != windows.end() && it->second.alive ? it->second.sink : nullptr;
}

WindowId SimWindows::createKeyboardWindow() {
    // Until the keyboard places it, the window has the template's 200 x 350
    // dialog units, here 100 x 175 pixels, and is not shown.
    keyboard = createWindow("", Rect{0, 0, 100, 175}, kKeyboardThread);
    windows[keyboard].visible = false;
    return keyboard;
}

}  // namespace sim
