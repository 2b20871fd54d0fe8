// QWERTY letters, and the startup set derived from them.
#include "model/KeyRows.h"
#include "model/LayoutTables.h"

namespace {

constexpr KeyKind N = KeyKind::Character;
constexpr KeyKind C = KeyKind::Command;
constexpr KeyKind D = KeyKind::Direct;

std::vector<KeyRow> qwertyRows() {
    // clang-format off
    return {
        // Esc; arrangement key; ¿ ' ¨ - ·; folder; Home; End; dead cell; power
        {{27, D, 2}, {21, C}, {191}, {39}, {168}, {45}, {183}, {30, D}, {31, D}, {32, D}, kDeadCell,
         {5, C}},
        // back-tab; Tab; ´; suggestions 4 5 6; delete word; Del; undo
        {{6, C}, {9, D}, {180}, {52, N, 2}, {53, N, 2}, {54, N, 2}, {7, C, 2}, {46, C}, {19, D}},
        // symbols/letters; grave accent; suggestions 1 2 3; Backspace; ENTER
        {{14, D, 2}, {96}, {49, N, 2}, {50, N, 2}, {51, N, 2}, {8, D, 2}, {13, D, 2}},
        // Caps Lock; q w e r t y u i o p .
        {{20, D, 2}, {113}, {119}, {101}, {114}, {116}, {121}, {117}, {105}, {111}, {112}, {46}},
        // SHIFT; a s d f g h j k l ñ ,
        {{16, D, 2}, {97}, {115}, {100}, {102}, {103}, {104}, {106}, {107}, {108}, {241}, {44}},
        // dock top left, bottom centre, top right; z x c v b n m ç; up; menu
        {{1, C}, {8, C}, {2, C}, {122}, {120}, {99}, {118}, {98}, {110}, {109}, {231}, {38, D},
         {2, D}},
        // dock bottom left, bottom, bottom right; magnifier; space; left; down; right
        {{3, C}, {15, C}, {4, C}, {20, C}, {32, N, 6}, {37, D}, {40, D}, {39, D}},
    };
    // clang-format on
}

}  // namespace

const LayoutTables& qwertyTables() {
    static const LayoutTables tables = tablesFromRows(qwertyRows());
    return tables;
}

const LayoutTables& startupTables() {
    static const LayoutTables tables = [] {
        std::vector<KeyRow> rows = qwertyRows();
        // Esc; dead cell; ¿ ' ¨ - ·; folder; Home; End; dead cell; power
        // clang-format off
        rows[0] = {{27, D, 2}, kDeadCell, {191}, {39}, {168}, {45}, {183}, {30, D}, {31, D},
                   {32, D}, kDeadCell, {5, C}};
        // clang-format on
        return tablesFromRows(rows);
    }();
    return tables;
}
