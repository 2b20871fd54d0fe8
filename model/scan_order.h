// The order in which switch scanning visits the rows of the page on show,
// and the keys it visits in a row.
#pragma once

#include <vector>

#include "model/Key.h"
#include "model/KeyboardLayout.h"

namespace scan_order {

enum class Order {
    // Top to bottom.
    TopDown,
    // The rows with the most character keys first, then top to bottom.
    LettersFirst,
};

// The order the keyboard scans in: the one that costs fewest steps
// (pelvok-ksr --scanning).
inline constexpr Order kChosen = Order::LettersFirst;

// The rows holding at least one key, in scanning order.
std::vector<int> rows(const KeyboardLayout& layout, Order order = kChosen);
// The keys of the row, left to right, without dead cells.
std::vector<Key> keys(const KeyboardLayout& layout, int row);

}  // namespace scan_order
