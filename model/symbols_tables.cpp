// Symbols and numbers.
#include "model/KeyRows.h"
#include "model/LayoutTables.h"

namespace {

constexpr KeyKind N = KeyKind::Character;
constexpr KeyKind C = KeyKind::Command;
constexpr KeyKind D = KeyKind::Direct;

std::vector<KeyRow> symbolsRows() {
    // clang-format off
    return {
        // Esc; F1 to F9; dead cell; power
        {{27, D, 2}, {112, D}, {113, D}, {114, D}, {115, D}, {116, D}, {117, D}, {118, D},
         {119, D}, {120, D}, kDeadCell, {5, C}},
        // back-tab; Tab; º # & | \ / $ € %; delete word
        {{6, C}, {9, D}, {186}, {35}, {38}, {124}, {92}, {47}, {36}, {128}, {37}, {7, C, 2}},
        // symbols/letters; ª @ _ ¿ ? * 7 8 9; Backspace
        {{14, D, 2}, {170}, {64}, {95}, {191}, {63}, {42}, {55}, {56}, {57}, {8, D, 2}},
        // Caps Lock; ( ) [ ] : + 4 5 6; ENTER
        {{20, D, 2}, {40}, {41}, {91}, {93}, {58}, {43}, {52}, {53}, {54}, {13, D, 2}},
        // dead cell; dead cell; < > { } ; - 1 2 3 =; dead cell
        {kDeadCell, kDeadCell, {60}, {62}, {123}, {125}, {59}, {45}, {49}, {50}, {51}, {61},
         kDeadCell},
        // Copy; ¡ ! ~ ¬ ^ " . 0 ,; up; menu
        {{11, C, 2}, {161}, {33}, {126}, {172}, {94}, {34}, {46}, {48}, {44}, {38, D}, {2, D}},
        // Paste; Cut; space; left; down; right
        {{12, C, 2}, {33, C, 2}, {32, N, 6}, {37, D}, {40, D}, {39, D}},
    };
    // clang-format on
}

}  // namespace

const LayoutTables& symbolsTables() {
    static const LayoutTables tables = tablesFromRows(symbolsRows());
    return tables;
}
