// The real keyboard on a simulated desktop, with a target application in the
// foreground, working on a dictionary file of the host.
#pragma once

#include <memory>
#include <string>

#include "model/Key.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTargetApp.h"
#include "tools/toolbox/sim_keyboard.h"
#include "window/pelvokDlg.h"

namespace typist {

class KeyboardSession {
public:
    enum class Indexes { AsOpened, Ensure, Drop };

    // Starts the keyboard as the application does, its settings pointing at
    // the dictionary (a host path; an empty one is made when missing).
    // `indexes` adds or removes the dictionary's indexes once the keyboard
    // has opened it. Without `paint` the window is never painted (the
    // keyboard's invalidations are dropped). Throws std::runtime_error when
    // the keyboard cannot start or has no dictionary. `layout` is the
    // keyboard layout of the desktop's input.
    // `onNetwork`: the dictionary's folder is a network share, where the
    // keyboard keeps the rollback journal.
    explicit KeyboardSession(const std::string& dictionary, Indexes indexes = Indexes::AsOpened,
                             bool paint = true,
                             sim::SystemLayout layout = sim::SystemLayout::Spanish,
                             bool onNetwork = false);
    ~KeyboardSession();
    KeyboardSession(const KeyboardSession&) = delete;
    KeyboardSession& operator=(const KeyboardSession&) = delete;

    CPelvokDlg& keyboard() { return *keyboard_; }
    const KeyboardLayout& layout() const { return *keyboard_->layout; }
    sim::SimDesktop& desktop() { return sim_.desktop(); }
    sim::SimTargetApp& target() { return *target_; }

    // A left click at the key's centre, as the user clicks it.
    void click(const Key& key);
    // Makes what each click writes to the dictionary one transaction, as the
    // window does once it learns through a LearningTransaction; without it
    // every statement is a transaction of its own.
    void learnEachKeyInOneTransaction(bool on) { transactionPerKey_ = on; }

private:
    toolbox::SimKeyboard sim_;
    std::unique_ptr<sim::SimTargetApp> target_;
    CPelvokDlg* keyboard_ = nullptr;
    bool transactionPerKey_ = false;
};

}  // namespace typist
