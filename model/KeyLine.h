// One row of a keyboard page: its keys from left to right, held by value.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Key.h"

class KeyLine {
public:
    KeyLine() = default;
    KeyLine(const KeyLine&) = default;
    KeyLine(KeyLine&&) = default;
    KeyLine& operator=(const KeyLine&) = default;
    KeyLine& operator=(KeyLine&&) = default;
    virtual ~KeyLine() = default;

    void addKey(const Key& key) { keys.push_back(key); }
    void clear() { keys.clear(); }
    int keyCount() const { return static_cast<int>(keys.size()); }

    // The key at position index from the left; throws ArrayIndexOutRange
    // outside the row (a negative index included).
    Key keyAt(int index) const;

    // The key covering grid column `column`, a dead cell counting as one
    // column; throws keyNotExistInLine past the row's last column. A
    // negative column gives the first key.
    Key keyAtColumn(int column) const;

    // First column of the leftmost key whose x range at `scale`, widened by
    // 2 window pixels on each side, holds x; -1 when none does.
    int columnAtX(std::int16_t x, float scale) const;

    void dump() const;

private:
    std::vector<Key> keys;
};
