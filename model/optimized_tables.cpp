// Letters in the optimized arrangement.
#include "model/KeyRows.h"
#include "model/LayoutTables.h"

namespace {

constexpr KeyKind N = KeyKind::Character;
constexpr KeyKind C = KeyKind::Command;
constexpr KeyKind D = KeyKind::Direct;

std::vector<KeyRow> optimizedRows() {
    // clang-format off
    return {
        // Esc; arrangement key; folder; suggestions 4 5 6; undo; dead cell; power
        {{27, D, 2}, {21, C}, {30, D}, {52, N, 2}, {53, N, 2}, {54, N, 2}, {19, D}, kDeadCell,
         {5, C}},
        // back-tab; Tab; Home; End; suggestions 1 2 3; Del; delete word
        {{6, C}, {9, D}, {31, D}, {32, D}, {49, N, 2}, {50, N, 2}, {51, N, 2}, {46, C}, {7, C, 2}},
        // symbols/letters; ' ¨ q g b l v f ·; Backspace
        {{14, D, 2}, {39}, {168}, {113}, {103}, {98}, {108}, {118}, {102}, {183}, {8, D, 2}},
        // Caps Lock; ´ grave accent j u r e i m -; ENTER
        {{20, D, 2}, {180}, {96}, {106}, {117}, {114}, {101}, {105}, {109}, {45}, {13, D, 2}},
        // SHIFT; ¿ ç h a c o n d ñ , .
        {{16, D, 2}, {191}, {231}, {104}, {97}, {99}, {111}, {110}, {100}, {241}, {44}, {46}},
        // dock top left, bottom centre, top right; y w z k s t p x; up; menu
        {{1, C}, {8, C}, {2, C}, {121}, {119}, {122}, {107}, {115}, {116}, {112}, {120}, {38, D},
         {2, D}},
        // dock bottom left, bottom, bottom right; magnifier; space; left; down; right
        {{3, C}, {15, C}, {4, C}, {20, C}, {32, N, 6}, {37, D}, {40, D}, {39, D}},
    };
    // clang-format on
}

}  // namespace

const LayoutTables& optimizedTables() {
    static const LayoutTables tables = tablesFromRows(optimizedRows());
    return tables;
}
