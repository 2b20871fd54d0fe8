// Switch scanning: the frame steps through the rows; a press of the switch
// picks the row, then the frame steps through its keys and a press activates
// the one framed. With one switch the frame steps by itself at the scan
// interval; with two, the second switch steps it.
#pragma once

#include "window/settings.h"

class CPelvokDlg;

namespace switch_key {
// Hot key ids of the keyboard window.
inline constexpr int kPress = 1;
inline constexpr int kMove = 2;
}  // namespace switch_key

class SwitchScanning {
public:
    enum class Phase { Rows, Keys };

    explicit SwitchScanning(CPelvokDlg& window) : window_(window) {}

    // Takes the switch keys and frames the first row; nothing when off.
    void start(const settings::Scanning& values);
    // Gives the switch keys back and stops the frame.
    void stop();
    bool on() const { return running_; }

    // The frame's next step: a tick of the scan timer, or the move switch.
    void step();
    // The press switch, or a click on the window.
    void press();

    Phase phase() const { return phase_; }
    // The framed row, as an index of the layout's rows.
    int row() const;

private:
    void toRows();
    void frameRow();
    void frameKey();
    // Starts the interval afresh after a press.
    void restartTimer();
    bool usable() const;

    CPelvokDlg& window_;
    settings::Scanning values_;
    bool running_ = false;
    Phase phase_ = Phase::Rows;
    int rowPos_ = 0;  // in the scanning order
    int keyPos_ = 0;  // in the row
    int rounds_ = 0;  // through the row without a press
};
