// Dictionaries of a given size for the benchmark, the same on every run: a
// vocabulary (a ranked word list first, when given, then made-up words of
// Spanish syllables), word counts by Zipf's law, and pairs whose words are
// drawn by the same law, a twentieth of them sentence starters.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

struct GeneratedSize {
    std::size_t words;
    std::size_t pairs;
};

// Writes the dictionary, with its indexes, to `path` (replaced).
void GenerateDictionary(const GeneratedSize& size, const std::string& rankedWords,
                        const std::string& path);

}  // namespace bench
