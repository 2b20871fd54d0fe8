// The JSON lines the script's report commands print.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTargetApp.h"
#include "window/pelvokDlg.h"

namespace pelvok_sim {

// `state`: the state of the running keyboard; its model must be alive.
std::string stateReport(CPelvokDlg& keyboard, sim::SimDesktop& desktop);

// `keys`: the injected keystrokes from `first` on, each [vk, scan, flags]. A
// character typed without a key is written as Windows' Unicode keystroke
// carries it: [0, its code point, 4 (KEYEVENTF_UNICODE)].
std::string keysReport(const std::vector<sim::KeystrokeRecord>& log, std::size_t first);

// `target`: an application's title, text and caret.
std::string targetReport(const sim::SimTargetApp& app);

// `registry`: the settings values that exist, in their usual order.
std::string registryReport(const sim::SimSettings& settings);

}  // namespace pelvok_sim
