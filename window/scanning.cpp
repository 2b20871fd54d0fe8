#include "window/scanning.h"

#include <vector>

#include "model/key_codes.h"
#include "model/scan_order.h"
#include "window/pelvokDlg.h"
#include "window/timers.h"

void SwitchScanning::start(const settings::Scanning& values) {
    values_ = values;
    if (values_.mode == 0 || !window_.layout) return;
    platform::Framework& framework = window_.platform().framework;
    // Without the key (another program holds it) a click still presses.
    framework.registerSwitchKey(switch_key::kPress, values_.switchKey);
    if (values_.mode == 2 && values_.moveKey != values_.switchKey)
        framework.registerSwitchKey(switch_key::kMove, values_.moveKey);
    running_ = true;
    toRows();
    restartTimer();
}

void SwitchScanning::stop() {
    if (!running_) return;
    running_ = false;
    platform::Framework& framework = window_.platform().framework;
    framework.killTimer(timer::kScanStep);
    framework.unregisterSwitchKey(switch_key::kPress);
    if (values_.mode == 2) framework.unregisterSwitchKey(switch_key::kMove);
}

bool SwitchScanning::usable() const {
    // A file dialog's own loop would let a press reach the keyboard behind it.
    return running_ && window_.layout && window_.layout->getFileDialogKind() == file_dialog::kNone;
}

int SwitchScanning::row() const {
    if (!window_.layout) return -1;
    const std::vector<int> rows = scan_order::rows(*window_.layout);
    if (rows.empty()) return -1;
    return rows[static_cast<std::size_t>(rowPos_) % rows.size()];
}

void SwitchScanning::step() {
    if (!usable()) return;
    if (phase_ == Phase::Rows) {
        const std::size_t count = scan_order::rows(*window_.layout).size();
        rowPos_ =
            count == 0 ? 0 : static_cast<int>((static_cast<std::size_t>(rowPos_) + 1) % count);
        frameRow();
        return;
    }
    const std::size_t count = scan_order::keys(*window_.layout, row()).size();
    if (static_cast<std::size_t>(++keyPos_) >= count) {
        keyPos_ = 0;
        if (++rounds_ >= values_.cycles) {
            toRows();
            return;
        }
    }
    frameKey();
}

void SwitchScanning::press() {
    if (!usable()) return;
    if (phase_ == Phase::Rows) {
        if (row() < 0) return;
        phase_ = Phase::Keys;
        keyPos_ = 0;
        rounds_ = 0;
        frameKey();
    } else {
        frameKey();  // the framed key is the current one
        window_.ActivateCurrentKey();
        // The exit key ends the keyboard.
        if (!window_.layout || !running_) return;
        toRows();
    }
    if (values_.mode == 1) restartTimer();
}

void SwitchScanning::toRows() {
    phase_ = Phase::Rows;
    rowPos_ = 0;
    frameRow();
}

void SwitchScanning::frameRow() {
    const int framed = row();
    if (framed < 0) return;
    const std::vector<Key> keys = scan_order::keys(*window_.layout, framed);
    window_.highlight1 = keys.front().getPoint1();
    window_.highlight2 = keys.back().getPoint2();
    window_.highlightState = 1;
    window_.platform().framework.invalidate(nullptr);
}

void SwitchScanning::frameKey() {
    const int framed = row();
    if (framed < 0) return;
    const std::vector<Key> keys = scan_order::keys(*window_.layout, framed);
    // The page may have changed under the frame.
    if (static_cast<std::size_t>(keyPos_) >= keys.size()) keyPos_ = 0;
    const Key& key = keys[static_cast<std::size_t>(keyPos_)];
    window_.selectCell(key.getColumn(), framed);
    window_.highlightState = 1;
    window_.platform().framework.invalidate(nullptr);
}

void SwitchScanning::restartTimer() {
    if (values_.mode == 1)
        window_.platform().framework.setTimer(timer::kScanStep, values_.interval);
}
