// The desktop's framework, passed through, remembering the dialog it runs
// (the application object creates the keyboard window itself, and whoever
// drives it needs the window), and dropping invalidations when painting is
// off (a keyboard that is never painted runs the typing code alone).
#pragma once

#include <cstdlib>

#include "platform/platform.h"

namespace toolbox {

class FrameworkTap : public platform::Framework {
public:
    explicit FrameworkTap(platform::Framework& inner) : inner(inner) {}

    // The dialog being run, null outside runModal.
    platform::DialogHandlers* dialog() const { return running; }
    void setPainting(bool on) { painting = on; }

    int runModal(platform::DialogHandlers& dialog) override {
        struct Forget {
            platform::DialogHandlers*& running;
            ~Forget() { running = nullptr; }
        };
        running = &dialog;
        const Forget forget{running};
        return inner.runModal(dialog);
    }
    platform::WindowId keyboardWindow() override { return inner.keyboardWindow(); }
    void invalidate(const platform::Rect* clientRect) override {
        if (painting) inner.invalidate(clientRect);
    }
    bool isMinimized() override { return inner.isMinimized(); }
    platform::Rect clientRect() override { return inner.clientRect(); }
    void setIcon() override { inner.setIcon(); }
    void endDialog() override { inner.endDialog(); }
    [[noreturn]] void exitProcess(int code) override {
        inner.exitProcess(code);
        std::abort();  // not reached: the inner framework does not return either
    }

    bool claimOnlyInstance() override { return inner.claimOnlyInstance(); }
    void postToRunningInstance(int n) override { inner.postToRunningInstance(n); }
    void setTimer(int id, int milliseconds) override { inner.setTimer(id, milliseconds); }
    void killTimer(int id) override { inner.killTimer(id); }
    std::int64_t now() override { return inner.now(); }
    bool registerSwitchKey(int id, int virtualKey) override {
        return inner.registerSwitchKey(id, virtualKey);
    }
    void unregisterSwitchKey(int id) override { inner.unregisterSwitchKey(id); }

private:
    platform::Framework& inner;
    platform::DialogHandlers* running = nullptr;
    bool painting = true;
};

}  // namespace toolbox
