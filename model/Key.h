// One key of a keyboard page: its rectangle, the grid columns it covers,
// its code and its kind.
#pragma once

#include <cstdint>

#include "model/KeyPoint.h"

class Key {
public:
    Key() = default;
    Key(const KeyPoint& point1, const KeyPoint& point2, std::int32_t column, std::int32_t size,
        std::uint8_t virtualKey, std::uint8_t command, std::uint8_t direct)
        : point1(point1),
          point2(point2),
          column(column),
          size(size),
          virtualKey(virtualKey),
          command(command),
          direct(direct) {}
    Key(const Key&) = default;
    Key(Key&&) = default;
    Key& operator=(const Key&) = default;
    Key& operator=(Key&&) = default;
    virtual ~Key() = default;

    KeyPoint getPoint1() const { return point1; }
    KeyPoint getPoint2() const { return point2; }
    std::int32_t getColumn() const { return column; }
    // 0 marks a dead cell (it still takes one grid column); -1 an edge marker.
    std::int32_t getSize() const { return size; }
    std::uint8_t getVirtualKey() const { return virtualKey; }
    std::uint8_t isCommand() const { return command; }
    std::uint8_t isDirect() const { return direct; }

    void dump() const;

private:
    KeyPoint point1;
    KeyPoint point2;
    std::int32_t column = 0;
    std::int32_t size = 0;
    std::uint8_t virtualKey = 0;
    std::uint8_t command = 0;
    std::uint8_t direct = 0;
};
