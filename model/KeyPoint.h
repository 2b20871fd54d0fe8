// A point of the keyboard picture, in base-size pixels.
#pragma once

#include <cstdint>

class KeyPoint {
public:
    KeyPoint() = default;
    KeyPoint(std::int32_t x, std::int32_t y) : x(x), y(y) {}
    KeyPoint(const KeyPoint&) = default;
    KeyPoint(KeyPoint&&) = default;
    KeyPoint& operator=(const KeyPoint&) = default;
    KeyPoint& operator=(KeyPoint&&) = default;
    virtual ~KeyPoint() = default;

    std::int32_t getX() const { return x; }
    std::int32_t getY() const { return y; }
    void setX(std::int32_t value) { x = value; }
    void setY(std::int32_t value) { y = value; }

    // Prints "X: <x>, Y: <y>" on its own line.
    void dump() const;

private:
    std::int32_t x = 0;
    std::int32_t y = 0;
};
