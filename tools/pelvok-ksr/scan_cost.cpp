#include "tools/pelvok-ksr/scan_cost.h"

#include <stdexcept>
#include <vector>

namespace ksr {

void addKey(ScanCost& cost, const KeyboardLayout& layout, const Key& key, scan_order::Order order) {
    const std::vector<int> rows = scan_order::rows(layout, order);
    for (std::size_t rowPos = 0; rowPos < rows.size(); ++rowPos) {
        const std::vector<Key> keys = scan_order::keys(layout, rows[rowPos]);
        for (std::size_t keyPos = 0; keyPos < keys.size(); ++keyPos) {
            const Key& here = keys[keyPos];
            if (here.getColumn() != key.getColumn() ||
                here.getPoint1().getY() != key.getPoint1().getY())
                continue;
            cost.presses += 2;
            cost.steps += rowPos + keyPos;
            return;
        }
    }
    throw std::logic_error("the key pressed is on no row of the page");
}

}  // namespace ksr
