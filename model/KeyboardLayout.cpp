#include "model/KeyboardLayout.h"

#include <cstddef>
#include <iostream>
#include <stdexcept>

#include "model/ModelExceptions.h"

namespace {

[[noreturn]] void rejectTables() {
    throw std::invalid_argument("layout tables do not fill their rows");
}

// Builds every row as the tables describe it. Malformed tables would make the
// walk read past the per-key or the edge tables, so they are refused instead.
std::vector<KeyLine> buildRows(const LayoutTables& tables) {
    const std::int32_t columns = tables.columnCount;
    const std::int32_t rows = tables.rowCount;
    if (columns < 0 || rows < 0 || tables.leftEdges.size() < static_cast<std::size_t>(columns) ||
        tables.rightEdges.size() < static_cast<std::size_t>(columns) ||
        tables.topEdges.size() < static_cast<std::size_t>(rows) ||
        tables.bottomEdges.size() < static_cast<std::size_t>(rows)) {
        rejectTables();
    }
    std::size_t keys = tables.sizes.size();
    for (std::size_t count :
         {tables.codes.size(), tables.commandFlags.size(), tables.directFlags.size()}) {
        if (count < keys) {
            keys = count;
        }
    }

    std::vector<KeyLine> built;
    built.reserve(static_cast<std::size_t>(rows));
    std::size_t k = 0;
    for (std::int32_t r = 0; r < rows; ++r) {
        KeyLine line;
        std::int32_t c = 0;
        while (c < columns) {
            if (k >= keys) {
                rejectTables();
            }
            const std::int32_t size = tables.sizes[k];
            const std::int32_t width = size == 0 ? 1 : size;
            if (size < 0 || width > columns - c) {
                rejectTables();
            }
            const KeyPoint point1(tables.leftEdges[static_cast<std::size_t>(c)],
                                  tables.topEdges[static_cast<std::size_t>(r)]);
            const KeyPoint point2(tables.rightEdges[static_cast<std::size_t>(c + width - 1)],
                                  tables.bottomEdges[static_cast<std::size_t>(r)]);
            line.addKey(Key(point1, point2, c, size, tables.codes[k], tables.commandFlags[k],
                            tables.directFlags[k]));
            ++k;
            c += width;
        }
        built.push_back(std::move(line));
    }
    return built;
}

}  // namespace

KeyboardLayout::KeyboardLayout(const LayoutTables& tables, bool capsLockOn)
    : capsLock(capsLockOn ? 1 : 0) {
    loadTables(tables);
}

void KeyboardLayout::loadTables(const LayoutTables& tables) {
    std::vector<KeyLine> built = buildRows(tables);
    lines = std::move(built);
    currentRow = 0;
    currentColumn = 0;
    columnCount = tables.columnCount;
    rowCount = tables.rowCount;
    optimizedLetters = &tables == &optimizedTables();
}

void KeyboardLayout::loadPage() {
    if (symbolsPage != 0 && capsLock == 0) {
        loadTables(symbolsTables());
    } else if (letterLayout == 1) {
        loadTables(optimizedTables());
    } else {
        loadTables(qwertyTables());
    }
}

std::uint8_t KeyboardLayout::getShiftConsumed() {
    if (shiftConsumed != 1) {
        shiftConsumed = 0;
    }
    return shiftConsumed;
}

const KeyLine& KeyboardLayout::line(int index) const {
    if (static_cast<std::size_t>(index) >= lines.size()) {
        throw ArrayIndexOutRange();
    }
    return lines[static_cast<std::size_t>(index)];
}

void KeyboardLayout::dump() const {
    for (const KeyLine& row : lines) {
        // Always 0: the dump has never numbered its rows.
        std::cout << "LINEA " << 0 << std::endl;
        row.dump();
    }
}
