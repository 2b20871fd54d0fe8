#include "platform/sim/SimFramework.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <stdexcept>

#include "platform/sim/SimPointer.h"
#include "platform/sim/SimWindows.h"

namespace sim {

using platform::Rect;
using platform::WindowId;

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Stopwatch {
    std::chrono::steady_clock::time_point begun = std::chrono::steady_clock::now();
    double cpuBegun = threadCpuSeconds();
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    }
    double cpuSeconds() const { return threadCpuSeconds() - cpuBegun; }
};

// Counts the handlers running, which nest while a dialog's own loop is up.
class Nesting {
public:
    explicit Nesting(int& depth) : depth(depth) { ++depth; }
    ~Nesting() { --depth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    int& depth;
};

// The point of a button message: x in the low, y in the high 16 bits.
std::int32_t packPoint(int x, int y) {
    const std::uint32_t packed =
        (static_cast<std::uint32_t>(y) & 0xFFFF) << 16 | (static_cast<std::uint32_t>(x) & 0xFFFF);
    return static_cast<std::int32_t>(packed);
}

}  // namespace

SimFramework::SimFramework(SimWindows& windows, SimPointer& pointer)
    : windows(windows), pointer(pointer) {
    windows.setRepaintHook([this] { systemInvalidate(); });
}

int SimFramework::runModal(platform::DialogHandlers& dialog) {
    if (running()) throw std::logic_error("the keyboard window is already up");
    // The window goes away however the run ends, a thrown exit included.
    struct Closer {
        SimFramework& framework;
        ~Closer() {
            framework.handlers = nullptr;
            framework.windows.destroyWindow(framework.windows.keyboardWindow());
        }
    };
    const Closer closer{*this};
    start(dialog);
    if (running() && modalDriver) modalDriver();
    if (creationFailed) return kModalNotEnded;
    return endedFlag ? kModalCancel : kModalNotEnded;
}

void SimFramework::start(platform::DialogHandlers& dialog) {
    if (running()) throw std::logic_error("the keyboard window is already up");
    handlers = &dialog;
    endedFlag = false;
    creationFailed = false;
    invalid = false;
    const WindowId window = windows.createKeyboardWindow();
    const auto created = Stopwatch();
    const int createResult = dialog.OnCreate();
    handlerTimes_.create = created.seconds();
    if (createResult == -1) {
        // Creation refused: the dialog never comes up.
        windows.destroyWindow(window);
        endedFlag = true;
        creationFailed = true;
        return;
    }
    const auto initialised = Stopwatch();
    dialog.OnInitDialog();
    handlerTimes_.initialise = initialised.seconds();
    if (endedFlag) {
        windows.destroyWindow(window);
        return;
    }
    // The dialog manager shows the window once it is initialised; the window
    // is a tool window that is never activated.
    windows.setVisible(window, true);
    const double paintedBefore = handlerTimes_.paints;
    paintIfNeeded();
    handlerTimes_.firstPaint = handlerTimes_.paints - paintedBefore;
}

WindowId SimFramework::keyboardWindow() {
    return windows.isWindow(windows.keyboardWindow()) ? windows.keyboardWindow() : 0;
}

void SimFramework::invalidate(const Rect* clientRect) {
    Invalidation asked;
    asked.whole = clientRect == nullptr;
    if (clientRect) asked.rect = *clientRect;
    invalidationLog.push_back(asked);
    // An empty rectangle invalidates nothing.
    if (!clientRect || (clientRect->width() > 0 && clientRect->height() > 0)) invalid = true;
}

void SimFramework::systemInvalidate() {
    Invalidation asked;
    asked.bySystem = true;
    invalidationLog.push_back(asked);
    invalid = true;
}

bool SimFramework::isMinimized() {
    const SimWindow* window = windows.window(windows.keyboardWindow());
    return window && window->minimised;
}

Rect SimFramework::clientRect() {
    const Rect rect = windows.windowRect(keyboardWindow());
    return Rect{0, 0, rect.width(), rect.height()};
}

void SimFramework::endDialog() { endedFlag = true; }

void SimFramework::exitProcess(int code) {
    endedFlag = true;
    throw SimProcessExit{code};
}

template <typename Handler>
void SimFramework::post(Handler handler) {
    if (!running()) return;
    {
        const Nesting nesting(depth);
        handlers->PreTranslateMessage();
        if (running()) handler();
    }
    paintIfNeeded();
    closeIfEnded();
    deliverCursorMove();
}

void SimFramework::deliverCursorMove() {
    if (!pointer.takeMoveNotice() || !running() || depth != 0) return;
    const SimWindow* keyboard = windows.window(keyboardWindow());
    if (keyboard == nullptr || !keyboard->visible || keyboard->minimised) return;
    const platform::Point at = pointer.cursorPos();
    const Rect& rect = keyboard->rect;
    if (at.x < rect.left || at.x >= rect.right || at.y < rect.top || at.y >= rect.bottom) return;
    post([this] { handlers->OnMouseMove(); });
}

void SimFramework::closeIfEnded() {
    // The dialog's loop ends, and destroys the window, once control is back
    // in it: after the outermost handler, not inside a nested dialog's loop.
    if (endedFlag && depth == 0) windows.destroyWindow(windows.keyboardWindow());
}

void SimFramework::pointerTo(int clientX, int clientY) {
    const Rect rect = windows.windowRect(keyboardWindow());
    pointer.moveTo(platform::Point{rect.left + clientX, rect.top + clientY});
}

void SimFramework::mouseMove(int clientX, int clientY) {
    if (!running()) return;
    pointerTo(clientX, clientY);
    post([this] { handlers->OnMouseMove(); });
}

void SimFramework::leftClick(int clientX, int clientY) { click(clientX, clientY, true); }

void SimFramework::rightClick(int clientX, int clientY) { click(clientX, clientY, false); }

void SimFramework::click(int clientX, int clientY, bool left) {
    if (!running()) return;
    pointerTo(clientX, clientY);
    // A click on a window that is not the active one first asks it whether
    // to activate; the question is sent, so it is not pre-translated.
    const WindowId keyboard = keyboardWindow();
    if (windows.foregroundWindow() != keyboard) {
        int reply = 0;
        {
            const Nesting nesting(depth);
            reply = handlers->OnMouseActivate();
        }
        if (reply == kMouseActivate || reply == kMouseActivateAndEat) {
            ++activations;
            windows.setForeground(keyboard);
        }
        if (reply == kMouseActivateAndEat || reply == kMouseNoActivateAndEat) {
            paintIfNeeded();
            closeIfEnded();
            return;
        }
    }
    const std::int32_t point = packPoint(clientX, clientY);
    post([this, left, point] {
        if (left) {
            handlers->OnLButtonUp(0, point);
        } else {
            handlers->OnRButtonUp(0, point);
        }
    });
}

std::intptr_t SimFramework::sendPrivate(int n, std::uintptr_t wParam) {
    if (!running()) return 0;
    std::intptr_t reply = 0;
    {
        const Nesting nesting(depth);
        reply = handlers->OnPrivateMessage(n, wParam);
    }
    paintIfNeeded();
    closeIfEnded();
    deliverCursorMove();
    return reply;
}

void SimFramework::postPrivate(int n, std::uintptr_t wParam) {
    post([this, n, wParam] { handlers->OnPrivateMessage(n, wParam); });
}

void SimFramework::command(int id) {
    post([this, id] { handlers->OnCommand(id); });
}

void SimFramework::setTimer(int id, int milliseconds) {
    const std::int64_t interval = std::max(milliseconds, 10);  // as Windows' USER_TIMER_MINIMUM
    timers[id] = Timer{interval, clock + interval};
}

void SimFramework::advance(std::int64_t milliseconds) {
    const std::int64_t end = clock + milliseconds;
    for (;;) {
        auto next = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it)
            if (next == timers.end() || it->second.due < next->second.due) next = it;
        if (next == timers.end() || next->second.due > end || !running()) break;
        clock = next->second.due;
        next->second.due = clock + next->second.interval;
        const int id = next->first;
        post([this, id] { handlers->OnTimer(id); });
    }
    clock = end;
}

bool SimFramework::registerSwitchKey(int id, int virtualKey) {
    if (!running() || virtualKey == heldElsewhere) return false;
    for (const auto& [other, key] : switchKeys)
        if (key == virtualKey && other != id) return false;
    switchKeys[id] = virtualKey;
    return true;
}

int SimFramework::switchKey(int id) const {
    const auto found = switchKeys.find(id);
    return found == switchKeys.end() ? 0 : found->second;
}

bool SimFramework::pressSwitch(int virtualKey) {
    for (const auto& [id, key] : switchKeys) {
        if (key != virtualKey) continue;
        const int pressed = id;
        post([this, pressed] { handlers->OnHotKey(pressed); });
        return true;
    }
    return false;
}

void SimFramework::displayChange() {
    post([this] { handlers->OnDisplayChange(); });
}

void SimFramework::close() {
    post([this] {
        handlers->OnClose();
        if (running()) endDialog();
    });
}

bool SimFramework::paintIfNeeded() {
    if (!running() || !invalid) return false;
    const SimWindow* window = windows.window(keyboardWindow());
    if (!window || !window->visible || window->minimised) return false;
    {
        const Nesting nesting(depth);
        handlers->PreTranslateMessage();
        if (!running()) return false;
        // Validated before the handler, so that what it invalidates stays pending.
        invalid = false;
        ++paints;
        const auto painted = Stopwatch();
        handlers->OnPaint();
        handlerTimes_.paints += painted.seconds();
        handlerTimes_.paintsCpu += painted.cpuSeconds();
    }
    closeIfEnded();
    return true;
}

}  // namespace sim
