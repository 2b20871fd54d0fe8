// Delta debugging: the shortest part of a failing sequence that still
// fails, found by taking out pieces and keeping each removal after which it
// still fails, then pairs of neighbours, then by trying simpler items in
// place of each.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace fuzz {

// Tries a sequence: 0 when it does not fail, else how many of its items
// lead up to the failure (the rest is cut off).
template <typename T>
using Probe = std::function<std::size_t(const std::vector<T>&)>;

// Items to try in place of one, simplest first.
template <typename T>
using Simpler = std::function<std::vector<T>(const T&)>;

struct ShrinkCounts {
    std::size_t probes = 0;
};

// `items` fails. Stops after `maxProbes` tries with the shortest found so far.
template <typename T>
std::vector<T> shrink(std::vector<T> items, const Probe<T>& fails, std::size_t maxProbes,
                      ShrinkCounts* counts = nullptr, const Simpler<T>& simpler = {}) {
    std::size_t probes = 0;
    std::vector<T> candidate;
    auto keepIfFails = [&] {
        ++probes;
        const std::size_t cut = fails(candidate);
        if (cut == 0) return false;
        candidate.resize(std::min(cut, candidate.size()));
        items.swap(candidate);
        return true;
    };
    auto removePieces = [&] {
        std::size_t chunks = 2;
        while (items.size() >= 2 && probes < maxProbes) {
            chunks = std::min(chunks, items.size());
            const std::size_t size = items.size();
            bool removed = false;
            for (std::size_t i = 0; i < chunks && !removed && probes < maxProbes; ++i) {
                const auto begin = static_cast<std::ptrdiff_t>(i * size / chunks);
                const auto end = static_cast<std::ptrdiff_t>((i + 1) * size / chunks);
                candidate.assign(items.begin(), items.begin() + begin);
                candidate.insert(candidate.end(), items.begin() + end, items.end());
                removed = keepIfFails();
            }
            if (removed) {
                chunks = std::max<std::size_t>(chunks - 1, 2);
            } else if (chunks < size) {
                chunks = std::min(chunks * 2, size);
            } else {
                return;  // no single item can go
            }
        }
    };
    // Two items that undo each other (a page switch and back) go only together.
    auto removeNeighbours = [&] {
        for (std::size_t i = 0; i + 2 < items.size() && probes < maxProbes; ++i) {
            candidate.assign(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(i));
            candidate.insert(candidate.end(), items.begin() + static_cast<std::ptrdiff_t>(i + 2),
                             items.end());
            if (keepIfFails()) return true;
        }
        return false;
    };
    auto simplifyOne = [&] {
        if (!simpler) return false;
        for (std::size_t i = 0; i < items.size() && probes < maxProbes; ++i) {
            for (const T& replacement : simpler(items[i])) {
                if (probes >= maxProbes) return false;
                candidate = items;
                candidate[i] = replacement;
                if (keepIfFails()) return true;
            }
        }
        return false;
    };

    // Most faults need only the last few items: try ends of growing length first.
    for (std::size_t length = 1; length < items.size() && probes < maxProbes; length *= 2) {
        candidate.assign(items.end() - static_cast<std::ptrdiff_t>(length), items.end());
        if (keepIfFails()) break;
    }
    do {
        removePieces();
    } while (removeNeighbours() || simplifyOne());
    if (counts) counts->probes = probes;
    return items;
}

}  // namespace fuzz
