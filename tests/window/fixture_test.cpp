#include <gtest/gtest.h>

#include "tests/support/keyboard_fixture.h"

namespace {

using pelvok_test::KeyboardTest;

TEST_F(KeyboardTest, StartsTheWindowOnTheDesktop) {
    start();
    EXPECT_NE(desktop().framework().keyboardWindow(), 0u);
    EXPECT_FALSE(desktop().ended());
}

}  // namespace
