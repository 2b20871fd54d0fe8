// The current key: hover and click hit tests and the four directional moves.
#include <cstddef>
#include <iostream>

#include "model/KeyboardLayout.h"
#include "model/ModelExceptions.h"

namespace {

// The key covering (row, column), or false after reporting the miss.
bool findKey(const KeyboardLayout& layout, int row, int column, Key& found) {
    try {
        found = layout.line(row).keyAtColumn(column);
        return true;
    } catch (const keyNotExistInLine&) {
    } catch (const ArrayIndexOutRange&) {
    }
    std::cout << "EXCEPCION: NO SE ENCUENTRA POSICION EN EL TECLADO" << std::endl;
    return false;
}

int widthOf(const Key& key) { return key.getSize() == 0 ? 1 : key.getSize(); }

// What a move gives up with after a failed lookup: an edge marker at the
// origin, so the window leaves the pointer where it is.
Key lostMarker() { return Key(KeyPoint(0, 0), KeyPoint(0, 0), -1, -1, 48, 0, 0); }

}  // namespace

void KeyboardLayout::setCurrent(int row, int column) {
    if (row >= 0 && row <= rowCount - 1 && column >= 0 && column <= columnCount - 1) {
        currentRow = row;
        currentColumn = column;
    }
}

Key KeyboardLayout::currentKey() const {
    Key key;
    if (!findKey(*this, currentRow, currentColumn, key)) {
        return Key();
    }
    return key;
}

void KeyboardLayout::selectAt(int x, int y) {
    const float s = getScale();
    int hitRow = -1;
    int hitColumn = -1;
    for (int r = 0; r < lineCount(); ++r) {
        const KeyLine& row = lines[static_cast<std::size_t>(r)];
        int sum = 0;
        for (int i = 0; i < row.keyCount(); ++i) {
            const Key key = row.keyAt(i);
            sum += widthOf(key);
            if (key.getVirtualKey() == 0) {
                continue;
            }
            const KeyPoint p1 = key.getPoint1();
            const KeyPoint p2 = key.getPoint2();
            if (p1.getY() * s < y && y < p2.getY() * s && p1.getX() * s < x && x < p2.getX() * s) {
                hitRow = r;
                hitColumn = sum - 1;
            }
        }
    }
    if (hitRow >= 0) {
        setCurrent(hitRow, hitColumn);
    }
}

std::int32_t KeyboardLayout::cellAt(std::int32_t point) const {
    const int x = packedLow(point);
    const int y = packedHigh(point);
    const float s = getScale();
    for (int r = 0; r < lineCount(); ++r) {
        const KeyLine& row = lines[static_cast<std::size_t>(r)];
        if (row.keyCount() == 0) {
            continue;
        }
        const Key first = row.keyAt(0);
        if (first.getPoint1().getY() * s - 2 <= y && y <= first.getPoint2().getY() * s + 2) {
            return packPoint(row.columnAtX(static_cast<std::int16_t>(x), s), r);
        }
    }
    return packPoint(-1, 0);
}

Key KeyboardLayout::edgeMarker() const {
    const Key key = currentKey();
    const KeyPoint p1 = key.getPoint1();
    const KeyPoint p2 = key.getPoint2();
    const KeyPoint centre(p1.getX() + (p2.getX() - p1.getX()) / 2,
                          p1.getY() + (p2.getY() - p1.getY()) / 2);
    return Key(centre, centre, -1, -1, 48, 0, 0);
}

Key KeyboardLayout::move(Direction direction) {
    if (lines.empty()) {
        return lostMarker();
    }
    for (;;) {
        switch (direction) {
            case Direction::Up:
                if (--currentRow < 0) {
                    currentRow = 0;
                    return edgeMarker();
                }
                break;
            case Direction::Down:
                if (++currentRow > rowCount - 1) {
                    currentRow = rowCount - 1;
                    return edgeMarker();
                }
                break;
            case Direction::Right:
            case Direction::Left: {
                Key here;
                if (!findKey(*this, currentRow, currentColumn, here)) {
                    return lostMarker();
                }
                if (direction == Direction::Right) {
                    currentColumn = here.getColumn() + widthOf(here);
                    if (currentColumn > columnCount - 1) {
                        currentColumn = columnCount - 1;
                        return edgeMarker();
                    }
                } else {
                    currentColumn = here.getColumn() - 1;
                    if (currentColumn < 0) {
                        currentColumn = 0;
                        return edgeMarker();
                    }
                }
                break;
            }
        }
        Key landed;
        if (!findKey(*this, currentRow, currentColumn, landed)) {
            return lostMarker();
        }
        if (landed.getSize() != 0) {
            return landed;
        }
    }
}

Key KeyboardLayout::moveUp() { return move(Direction::Up); }

Key KeyboardLayout::moveDown() { return move(Direction::Down); }

Key KeyboardLayout::moveLeft() { return move(Direction::Left); }

Key KeyboardLayout::moveRight() { return move(Direction::Right); }
