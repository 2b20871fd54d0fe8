// Delta debugging keeps what a failure needs and nothing else, however far
// apart the needed items lie, and cuts the sequence where the failure shows.
#include "tools/pelvok-fuzz/shrink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fuzz::Probe;
using fuzz::shrink;

// Fails once the sequence holds `needed` in that order (other items
// between); the failure shows at the last of them.
Probe<int> failsWith(const std::vector<int>& needed) {
    return [needed](const std::vector<int>& items) -> std::size_t {
        std::size_t found = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (found < needed.size() && items[i] == needed[found]) ++found;
            if (found == needed.size()) return i + 1;
        }
        return 0;
    };
}

std::vector<int> noiseAround(const std::vector<int>& needed, std::size_t length) {
    std::vector<int> items;
    for (std::size_t i = 0; i < length; ++i) items.push_back(1000 + static_cast<int>(i % 97));
    // Spread over the whole length, the last near the end.
    for (std::size_t k = 0; k < needed.size(); ++k)
        items[(k + 1) * (length - 3) / needed.size()] = needed[k];
    return items;
}

TEST(Shrink, KeepsOnlyWhatTheFailureNeeds) {
    struct Case {
        const char* name;
        std::vector<int> needed;
        std::size_t length;
    };
    const Case cases[] = {
        {"one item at the end", {7}, 40},
        {"two items far apart", {3, 9}, 500},
        {"the same item twice", {5, 5}, 200},
        {"four items in order", {1, 2, 3, 4}, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fuzz::ShrinkCounts counts;
        const std::vector<int> shrunk =
            shrink(noiseAround(c.needed, c.length), failsWith(c.needed), 10000, &counts);
        EXPECT_EQ(shrunk, c.needed);
        // Far fewer tries than taking out one item at a time would need.
        EXPECT_LT(counts.probes, c.length / 2 + 60);
    }
}

TEST(Shrink, CutsAfterTheFailureAndStopsAtItsBudget) {
    // The failure shows at the first 4 after a 2: what follows goes.
    const std::vector<int> items = {2, 8, 4, 8, 8, 8};
    EXPECT_EQ(shrink(items, failsWith({2, 4}), 100), (std::vector<int>{2, 4}));

    const std::vector<int> long_ = noiseAround({1, 2, 3}, 1000);
    fuzz::ShrinkCounts counts;
    const std::vector<int> partly = shrink(long_, failsWith({1, 2, 3}), 5, &counts);
    EXPECT_EQ(counts.probes, 5u);
    EXPECT_GT(failsWith({1, 2, 3})(partly), 0u);  // what it gives still fails
    EXPECT_LE(partly.size(), long_.size());
}

}  // namespace
