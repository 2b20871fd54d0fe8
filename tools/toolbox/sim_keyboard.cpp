#include "tools/toolbox/sim_keyboard.h"

#include <stdexcept>

#include "window/pelvok.h"

namespace toolbox {

sim::SimOptions SimKeyboard::defaultOptions() {
    sim::SimOptions options;
    options.picturesFolder = PELVOK_PICTURES_DIR;
    return options;
}

SimKeyboard::SimKeyboard(const sim::SimOptions& options)
    : desktop_(std::make_unique<sim::SimDesktop>(options)),
      tap_(desktop_->framework()),
      platform_{
          desktop_->keystrokes(), desktop_->settings(), desktop_->windows(),  desktop_->pointer(),
          desktop_->dialogs(),    desktop_->files(),    desktop_->graphics(), tap_} {}

SimKeyboard::~SimKeyboard() { window_.reset(); }

CPelvokDlg& SimKeyboard::start() {
    if (window_) throw std::logic_error("the keyboard is already started");
    window_ = std::make_unique<CPelvokDlg>(platform_);
    window_->PrepareToRun();
    desktop_->start(*window_);
    return *window_;
}

CPelvokDlg& SimKeyboard::window() {
    if (!window_) throw std::logic_error("start the keyboard first");
    return *window_;
}

void SimKeyboard::runApplication(const std::function<void(CPelvokDlg&)>& driver) {
    desktop_->setModalDriver([this, driver] {
        if (auto* running = dynamic_cast<CPelvokDlg*>(tap_.dialog())) driver(*running);
    });
    CPelvokApp application(platform_);
    application.InitInstance();
}

}  // namespace toolbox
