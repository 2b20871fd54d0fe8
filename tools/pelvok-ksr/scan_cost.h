// What a key costs a user of switch scanning: the frame's steps through the
// rows before its row and the keys before it in the row, and two presses
// (pick the row, press the key).
#pragma once

#include <cstddef>

#include "model/Key.h"
#include "model/KeyboardLayout.h"
#include "model/scan_order.h"

namespace ksr {

struct ScanCost {
    std::size_t presses = 0;
    std::size_t steps = 0;
};

// Adds the cost of the key of the page on show; the frame starts at the
// first row of the order, as after every key.
void addKey(ScanCost& cost, const KeyboardLayout& layout, const Key& key, scan_order::Order order);

}  // namespace ksr
