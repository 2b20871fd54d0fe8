#include "model/key_label.h"

#include <gtest/gtest.h>

#include "model/KeyboardLayout.h"

namespace {

TEST(KeyLabel, NamesKeysByKindAndPage) {
    const KeyboardLayout qwerty(qwertyTables());
    const KeyboardLayout symbols(symbolsTables());
    struct Case {
        const KeyboardLayout* layout;
        int row;
        int column;
        bool upperCase;
        bool symbolsPage;
        const char* label;
    };
    // clang-format off
    const Case cases[] = {
        {&qwerty, 0, 0, false, false, "Esc"},     {&qwerty, 0, 9, false, false, "|<"},
        {&qwerty, 0, 10, false, false, ">|"},     {&qwerty, 2, 11, false, false, "ENTER"},
        {&qwerty, 4, 0, true, false, "SHIFT"},    {&qwerty, 1, 11, false, false, "Del"},
        {&qwerty, 2, 0, false, false, "a->$"},    {&qwerty, 2, 0, true, false, "A->$"},
        {&qwerty, 3, 0, false, false, "a->A"},    {&qwerty, 3, 0, true, false, "A->a"},
        {&qwerty, 3, 2, false, false, "q"},       {&qwerty, 3, 2, true, false, "Q"},
        {&qwerty, 4, 11, true, false, "\xD1"},    {&qwerty, 0, 3, true, false, "\xBF"},
        {&qwerty, 6, 4, false, false, ""},        {&qwerty, 0, 11, false, false, ""},
        {&symbols, 0, 2, false, true, "F1"},      {&symbols, 0, 10, false, true, "F9"},
        {&symbols, 2, 0, false, true, "$->a"},    {&symbols, 3, 0, false, true, "$->A"},
        {&symbols, 5, 0, false, true, "Copy"},    {&symbols, 6, 0, false, true, "Paste"},
        {&symbols, 6, 2, false, true, "Cut"},     {&symbols, 1, 9, false, true, "\x80"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Key key = c.layout->line(c.row).keyAtColumn(c.column);
        EXPECT_EQ(keyLabel(key, c.upperCase, c.symbolsPage), c.label)
            << "row " << c.row << " column " << c.column;
    }
}

TEST(KeyLabel, EveryBuiltInKeyHasALabel) {
    for (const LayoutTables* tables :
         {&startupTables(), &qwertyTables(), &optimizedTables(), &symbolsTables()}) {
        const KeyboardLayout layout(*tables);
        for (int r = 0; r < layout.lineCount(); ++r) {
            for (int i = 0; i < layout.line(r).keyCount(); ++i) {
                const Key key = layout.line(r).keyAt(i);
                const std::string label = keyLabel(key, false);
                const bool character = !key.isCommand() && !key.isDirect();
                if (!character) {
                    EXPECT_NE(label, "?") << "row " << r << " key " << i;
                }
                EXPECT_EQ(label.empty(),
                          character && (key.getVirtualKey() == 0 || key.getVirtualKey() == ' '))
                    << "row " << r << " key " << i;
            }
        }
    }
}

}  // namespace
