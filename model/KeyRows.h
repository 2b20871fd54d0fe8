// Writing a table set row by row: each key as {code, kind, size}, on the
// grid that every built-in set shares.
#pragma once

#include <cstdint>
#include <vector>

#include "model/LayoutTables.h"

enum class KeyKind : std::uint8_t { Character, Command, Direct };

struct KeySpec {
    std::uint8_t code = 0;
    KeyKind kind = KeyKind::Character;
    std::int32_t size = 1;
};

using KeyRow = std::vector<KeySpec>;

// Code 0, size 0, no flag.
constexpr KeySpec kDeadCell{0, KeyKind::Character, 0};

// The shared 13 × 7 grid.
extern const std::int32_t kGridLeftEdges[13];
extern const std::int32_t kGridRightEdges[13];
extern const std::int32_t kGridTopEdges[7];
extern const std::int32_t kGridBottomEdges[7];

// Flattens the rows into the ten tables on the shared grid.
LayoutTables tablesFromRows(const std::vector<KeyRow>& rows);
