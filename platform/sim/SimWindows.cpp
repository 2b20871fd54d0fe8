#include "platform/sim/SimWindows.h"

#include <utility>

namespace sim {

using platform::Rect;
using platform::WindowId;

SimWindows::SimWindows(int screenWidth, int screenHeight)
    : width(screenWidth), height(screenHeight) {}

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
    width = screenWidth;
    height = screenHeight;
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
