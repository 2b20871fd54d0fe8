#include "tests/e2e/LetterPageKeys.h"

#include <algorithm>
#include <iterator>

namespace {

// The grid of the keyboard picture at size 1.
const int kLeftEdges[13] = {3, 35, 67, 98, 130, 162, 194, 226, 258, 290, 322, 354, 385};
const int kRightEdges[13] = {31, 63, 94, 126, 158, 190, 222, 254, 286, 318, 350, 381, 413};
const int kTopEdges[7] = {33, 65, 97, 129, 160, 193, 224};
const int kBottomEdges[7] = {61, 93, 125, 156, 188, 220, 252};

// The arrangement key (row 0, column 2) is left out: it is a dead cell until
// the first page load.
const PageKey kKeys[] = {
    {"Esc", 0, 0, 2},
    {"\xBF", 0, 3, 1},
    {"'", 0, 4, 1},
    {"\xA8", 0, 5, 1},
    {"-", 0, 6, 1},
    {"\xB7", 0, 7, 1},
    {"Folder", 0, 8, 1},
    {"Home", 0, 9, 1},
    {"End", 0, 10, 1},
    {"Power", 0, 12, 1},

    {"BackTab", 1, 0, 1},
    {"Tab", 1, 1, 1},
    {"\xB4", 1, 2, 1},
    {"S4", 1, 3, 2},
    {"S5", 1, 5, 2},
    {"S6", 1, 7, 2},
    {"DeleteWord", 1, 9, 2},
    {"Del", 1, 11, 1},
    {"Undo", 1, 12, 1},

    {"Symbols", 2, 0, 2},
    {"`", 2, 2, 1},
    {"S1", 2, 3, 2},
    {"S2", 2, 5, 2},
    {"S3", 2, 7, 2},
    {"Backspace", 2, 9, 2},
    {"Enter", 2, 11, 2},

    {"Caps", 3, 0, 2},
    {"q", 3, 2, 1},
    {"w", 3, 3, 1},
    {"e", 3, 4, 1},
    {"r", 3, 5, 1},
    {"t", 3, 6, 1},
    {"y", 3, 7, 1},
    {"u", 3, 8, 1},
    {"i", 3, 9, 1},
    {"o", 3, 10, 1},
    {"p", 3, 11, 1},
    {".", 3, 12, 1},

    {"Shift", 4, 0, 2},
    {"a", 4, 2, 1},
    {"s", 4, 3, 1},
    {"d", 4, 4, 1},
    {"f", 4, 5, 1},
    {"g", 4, 6, 1},
    {"h", 4, 7, 1},
    {"j", 4, 8, 1},
    {"k", 4, 9, 1},
    {"l", 4, 10, 1},
    {"\xF1", 4, 11, 1},
    {",", 4, 12, 1},

    {"DockTopLeft", 5, 0, 1},
    {"DockBottomCentre", 5, 1, 1},
    {"DockTopRight", 5, 2, 1},
    {"z", 5, 3, 1},
    {"x", 5, 4, 1},
    {"c", 5, 5, 1},
    {"v", 5, 6, 1},
    {"b", 5, 7, 1},
    {"n", 5, 8, 1},
    {"m", 5, 9, 1},
    {"\xE7", 5, 10, 1},
    {"Up", 5, 11, 1},
    {"Menu", 5, 12, 1},

    {"DockBottomLeft", 6, 0, 1},
    {"DockBottom", 6, 1, 1},
    {"DockBottomRight", 6, 2, 1},
    {"Magnifier", 6, 3, 1},
    {"Space", 6, 4, 6},
    {"Left", 6, 10, 1},
    {"Down", 6, 11, 1},
    {"Right", 6, 12, 1},
};

}  // namespace

const PageKey* findPageKey(const std::string& name) {
    auto found = std::find_if(std::begin(kKeys), std::end(kKeys),
                              [&](const PageKey& key) { return name == key.name; });
    return found == std::end(kKeys) ? nullptr : found;
}

int keyCentreX(const PageKey& key) {
    int x1 = kLeftEdges[key.column];
    int x2 = kRightEdges[key.column + key.size - 1];
    return x1 + (x2 - x1) / 2;
}

int keyCentreY(const PageKey& key) {
    return kTopEdges[key.row] + (kBottomEdges[key.row] - kTopEdges[key.row]) / 2;
}

// Column 12 ends a key in every row, and those keys are one above the
// other with no dead cell between them, so the way runs right to the end
// of the row, up to the top, down to the key's row and left to the key.
// Only moves that leave the current key's last column current are used
// after the first: the pointer follows each move, and the hover that
// follows it makes that column current too, whenever it comes.
std::string movesTo(const PageKey& key) {
    auto right = std::count_if(std::begin(kKeys), std::end(kKeys), [&](const PageKey& other) {
        return other.row == key.row && other.column > key.column;
    });
    // Lefts past the first key of a row stop there; on row 0 they also pass
    // the arrangement key, there or not.
    if (key.column == 0) right = 12;
    return std::string(12, 'G') + std::string(6, 'A') + std::string(key.row, 'E') +
           std::string(right, 'C');
}

std::string pageKeyNames() {
    std::string names;
    for (const PageKey& key : kKeys) {
        if (!names.empty()) names += ' ';
        names += key.name;
    }
    return names;
}
