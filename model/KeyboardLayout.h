// The keyboard model: the rows of the page on show, the current key, the page
// flags, the letter arrangement and the size factor of the window.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Key.h"
#include "model/KeyLine.h"
#include "model/LayoutTables.h"

// A point or a cell packed as mouse messages carry them: the low 16 bits hold
// x (or the column), the high 16 bits y (or the row), both signed.
inline std::int32_t packPoint(int low, int high) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(low & 0xFFFF));
}
inline int packedLow(std::int32_t packed) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(packed) & 0xFFFF);
}
inline int packedHigh(std::int32_t packed) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(packed) >> 16);
}

class KeyboardLayout {
public:
    // Builds the rows from `tables`; `capsLockOn` is the real keyboard's
    // Caps Lock as the platform reads it. Throws std::invalid_argument when
    // the tables do not fill their rows.
    explicit KeyboardLayout(const LayoutTables& tables, bool capsLockOn = false);
    KeyboardLayout(const KeyboardLayout&) = default;
    KeyboardLayout(KeyboardLayout&&) = default;
    KeyboardLayout& operator=(const KeyboardLayout&) = default;
    KeyboardLayout& operator=(KeyboardLayout&&) = default;
    virtual ~KeyboardLayout() = default;

    // Rebuilds every row and makes row 0, column 0 current; flags and scale
    // stay. Throws std::invalid_argument, changing nothing, when the tables
    // do not fill their rows.
    void loadTables(const LayoutTables& tables);
    // Loads the symbols, optimized or QWERTY set as the flags say.
    void loadPage();
    // Whether the rows in force are the built-in optimized letters, so that
    // the window shows the pictures of the keys that are really there.
    bool showsOptimizedLetters() const { return optimizedLetters; }

    std::uint8_t getCapsLock() const { return capsLock; }
    void setCapsLock(std::uint8_t value) { capsLock = value; }
    std::uint8_t getShiftLatched() const { return shiftLatched; }
    void setShiftLatched(std::uint8_t value) { shiftLatched = value; }
    // 1 only when exactly 1 is stored; anything else is reset to 0.
    std::uint8_t getShiftConsumed();
    void setShiftConsumed(std::uint8_t value) { shiftConsumed = value; }
    std::uint8_t getSymbolsPage() const { return symbolsPage; }
    void setSymbolsPage(std::uint8_t value) { symbolsPage = value; }
    std::int32_t getLetterLayout() const { return letterLayout; }
    void setLetterLayout(std::int32_t value) { letterLayout = value; }
    std::int32_t getFileDialogKind() const { return fileDialogKind; }
    void setFileDialogKind(std::int32_t value) { fileDialogKind = value; }

    // The factor of every coordinate on the screen: the size step's scale
    // times the display scale.
    float getScale() const { return scale * displayScale; }
    // The size step's own: 1.0 plus the increment.
    float getStepScale() const { return scale; }
    // Stores increment + 1.0 (callers pass 0, 0.11, 0.22 or 0.855).
    void setScale(float increment) { scale = increment + 1.0f; }
    float getDisplayScale() const { return displayScale; }
    void setDisplayScale(float value) { displayScale = value; }

    std::int32_t getCurrentRow() const { return currentRow; }
    std::int32_t getCurrentColumn() const { return currentColumn; }
    std::int32_t getRowCount() const { return rowCount; }
    std::int32_t getColumnCount() const { return columnCount; }
    int lineCount() const { return static_cast<int>(lines.size()); }
    // Row `index`, top to bottom; throws ArrayIndexOutRange outside.
    const KeyLine& line(int index) const;

    // Current key and hit tests.

    // Ignored unless the cell lies inside the grid.
    void setCurrent(int row, int column);
    // The key covering the current cell. A failed lookup prints a message and
    // gives a blank key.
    Key currentKey() const;
    // Hover: makes the key strictly inside which (x, y) lies current, storing
    // the last column it covers; changes nothing when no key is hit.
    void selectAt(int x, int y);
    // Click: the packed cell (low: column or -1, high: row) under the packed
    // point (low: x, high: y). Does not change the current key.
    std::int32_t cellAt(std::int32_t point) const;

    // Move one key, passing dead cells; return the new current key or, at
    // the edge of the grid, the edge marker (column -1, size -1, code 48,
    // both corners at the centre of the current key).
    Key moveUp();
    Key moveDown();
    Key moveLeft();
    Key moveRight();

    void dump() const;

private:
    enum class Direction { Up, Down, Left, Right };
    Key move(Direction direction);
    Key edgeMarker() const;

    std::int32_t currentRow = 0;
    std::int32_t currentColumn = 0;
    std::int32_t columnCount = 0;
    std::int32_t rowCount = 0;
    float scale = 1.0f;
    float displayScale = 1.0f;
    std::uint8_t capsLock = 0;
    std::uint8_t shiftLatched = 0;
    std::uint8_t shiftConsumed = 0;
    std::uint8_t symbolsPage = 0;
    std::int32_t letterLayout = 2;
    std::int32_t fileDialogKind = 0;
    bool optimizedLetters = false;
    std::vector<KeyLine> lines;
};
