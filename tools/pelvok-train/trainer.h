// Learning running text into a dictionary, exactly as typing it on the
// keyboard would: the real keyboard types every paragraph, its learning goes
// to a dictionary in memory inside one transaction, and the file is written
// once at the end, under a temporary name renamed over the output.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/toolbox/tool_error.h"

namespace pelvok_train {

// A failure with a message for the user.
class TrainError : public toolbox::ToolError {
public:
    using toolbox::ToolError::ToolError;
};

// Zipf's law, count = scale / rank^exponent: the counts a ranked list's
// words are seeded with.
struct ZipfLaw {
    double scale = 1;
    double exponent = 1;
    // At least 1.
    int count(std::size_t rank) const;
};

struct TrainOptions {
    std::vector<std::string> texts;
    std::string wordList;  // empty: none
    std::string output;
    // Called now and then with the characters typed so far and in all.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

struct TrainResult {
    std::size_t paragraphs = 0;
    std::size_t textWords = 0;
    std::size_t words = 0;  // rows of palabras
    std::size_t pairs = 0;  // rows of siguientes
    std::size_t seeded = 0;
    ZipfLaw seeds;
    // Words before ':' and ';', which the keyboard does not learn there.
    std::size_t beforeColons = 0;
    // Characters Windows-1252 has not, in UTF-8 input.
    std::size_t dropped = 0;
    // Characters the keyboard has no key for, or always types otherwise.
    std::size_t untypeable = 0;
};

// Throws TrainError; the output is then as it was.
TrainResult Train(const TrainOptions& options);

// The law that the counts the text gave to the list's first words follow
// (rank from 1, count), fitted in logarithms, so that seeds are on the scale
// of the counts learned from text. With fewer than ten such words, the law
// of exponent 1 for a text of `textWords` words.
ZipfLaw FitZipf(const std::vector<std::pair<std::size_t, int>>& rankedCounts,
                std::size_t textWords);

}  // namespace pelvok_train
