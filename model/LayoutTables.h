// The ten tables a keyboard page is built from, and the four built-in sets.
#pragma once

#include <cstdint>
#include <vector>

struct LayoutTables {
    // Per key, all rows top to bottom, each row left to right; 0 = dead cell.
    std::vector<std::int32_t> sizes;
    // Per grid column: x of point1 of a key starting there.
    std::vector<std::int32_t> leftEdges;
    // Per grid column: x of point2 of a key ending there.
    std::vector<std::int32_t> rightEdges;
    // Per row: y of point1 and of point2.
    std::vector<std::int32_t> topEdges;
    std::vector<std::int32_t> bottomEdges;
    std::int32_t columnCount = 0;
    std::int32_t rowCount = 0;
    // Per key, in the order of the sizes.
    std::vector<std::uint8_t> codes;
    std::vector<std::uint8_t> commandFlags;
    std::vector<std::uint8_t> directFlags;
};

// The QWERTY letters with a dead cell where the arrangement key goes; in
// force from start-up until the first page load.
const LayoutTables& startupTables();
// Letters, QWERTY arrangement (letterLayout other than 1).
const LayoutTables& qwertyTables();
// Letters, optimized arrangement (letterLayout 1).
const LayoutTables& optimizedTables();
// Symbols and numbers.
const LayoutTables& symbolsTables();
