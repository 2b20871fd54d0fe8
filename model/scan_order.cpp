#include "model/scan_order.h"

#include <algorithm>

namespace scan_order {

namespace {

int characterKeys(const KeyboardLayout& layout, int row) {
    int count = 0;
    for (const Key& key : keys(layout, row))
        if (!key.isCommand() && !key.isDirect()) ++count;
    return count;
}

}  // namespace

std::vector<int> rows(const KeyboardLayout& layout, Order order) {
    std::vector<int> found;
    for (int row = 0; row < layout.lineCount(); ++row)
        if (!keys(layout, row).empty()) found.push_back(row);
    if (order == Order::LettersFirst) {
        std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
            return characterKeys(layout, a) > characterKeys(layout, b);
        });
    }
    return found;
}

std::vector<Key> keys(const KeyboardLayout& layout, int row) {
    std::vector<Key> found;
    const KeyLine& line = layout.line(row);
    for (int i = 0; i < line.keyCount(); ++i) {
        const Key key = line.keyAt(i);
        if (key.getSize() > 0) found.push_back(key);
    }
    return found;
}

}  // namespace scan_order
