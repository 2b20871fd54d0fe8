#include "model/KeyLine.h"

#include <cstddef>

#include "model/ModelExceptions.h"

Key KeyLine::keyAt(int index) const {
    // Compared unsigned, so a negative index is out of range too.
    if (keys.empty() || static_cast<std::size_t>(index) >= keys.size()) {
        throw ArrayIndexOutRange();
    }
    return keys[static_cast<std::size_t>(index)];
}

Key KeyLine::keyAtColumn(int column) const {
    int sum = 0;
    for (const Key& key : keys) {
        sum += key.getSize() == 0 ? 1 : key.getSize();
        if (column < sum) {
            return key;
        }
    }
    throw keyNotExistInLine();
}

int KeyLine::columnAtX(std::int16_t x, float scale) const {
    for (const Key& key : keys) {
        const float left = static_cast<float>(key.getPoint1().getX()) * scale - 2;
        const float right = static_cast<float>(key.getPoint2().getX()) * scale + 2;
        if (left <= x && right >= x) {
            return key.getColumn();
        }
    }
    return -1;
}

void KeyLine::dump() const {
    for (const Key& key : keys) {
        key.dump();
    }
}
