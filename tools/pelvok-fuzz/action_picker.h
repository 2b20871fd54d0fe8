// Random actions with a fixed seed, drawn by the weights of action_table.h
// from what the page on show offers at that moment.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "tools/pelvok-fuzz/action_table.h"
#include "tools/pelvok-fuzz/fuzz_keyboard.h"

namespace fuzz {

class ActionPicker {
public:
    explicit ActionPicker(std::uint32_t seed) : random_(seed) {}

    // An action the keyboard can take as it is now.
    Action next(FuzzKeyboard& keyboard);

private:
    // From 0 to n - 1; mt19937's output is the same everywhere, and so is this.
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }
    Action strayClick(FuzzKeyboard& keyboard);

    std::mt19937 random_;
    // The keys on show, by category; kept between steps so as not to allocate.
    std::array<std::vector<Key>, kCategoryCount> onShow_;
};

}  // namespace fuzz
