// What pelvok-ksr --scanning adds for one key: the steps through the rows
// before its row and the keys before it, in the order asked for, and two
// presses.
#include "tools/pelvok-ksr/scan_cost.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/LayoutTables.h"
#include "model/key_codes.h"

namespace {

using scan_order::Order;

// Codes repeat between kinds: 32 is the space bar and the direct key End.
Key keyWithCode(const KeyboardLayout& layout, std::uint8_t code, bool direct) {
    for (int row = 0; row < layout.lineCount(); ++row)
        for (const Key& key : scan_order::keys(layout, row))
            if (key.getVirtualKey() == code && !key.isCommand() && (key.isDirect() != 0) == direct)
                return key;
    ADD_FAILURE() << "no key " << int(code);
    return Key();
}

TEST(ScanCost, StepsToTheKeyInEachOrder) {
    struct Case {
        std::uint8_t code;
        bool direct;
        std::size_t topDown;       // rows before + keys before
        std::size_t lettersFirst;  // rows 3 4 5 0 1 2 6
    };
    // clang-format off
    const Case cases[] = {
        {'q', false, 3 + 1, 0 + 1},
        {'a', false, 4 + 1, 1 + 1},
        {' ', false, 6 + 4, 6 + 4},
        {direct::kEnter, true, 2 + 6, 5 + 6},
        {direct::kEscape, true, 0, 3},
    };
    // clang-format on
    const KeyboardLayout layout(qwertyTables());
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        const Key key = keyWithCode(layout, c.code, c.direct);
        ksr::ScanCost topDown;
        ksr::ScanCost lettersFirst;
        ksr::addKey(topDown, layout, key, Order::TopDown);
        ksr::addKey(lettersFirst, layout, key, Order::LettersFirst);
        EXPECT_EQ(topDown.steps, c.topDown);
        EXPECT_EQ(lettersFirst.steps, c.lettersFirst);
        EXPECT_EQ(topDown.presses, 2u);
    }
    // A key of another page is no key of this one.
    ksr::ScanCost cost;
    EXPECT_THROW(ksr::addKey(cost, layout, Key(KeyPoint(0, 500), KeyPoint(9, 509), 0, 1, 'x', 0, 0),
                             Order::TopDown),
                 std::logic_error);
}

}  // namespace
