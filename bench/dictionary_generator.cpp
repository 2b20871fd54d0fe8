#include "bench/dictionary_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/statements.h"
#include "tools/toolbox/text_codec.h"
#include "typing/text_utils.h"

namespace bench {

namespace {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return state_ >> 11;
    }
    double unit() { return static_cast<double>(next() >> 11) / static_cast<double>(1ULL << 42); }

private:
    std::uint64_t state_;
};

// Ranks from 0 by Zipf's law (exponent 1), by inverting the harmonic sums.
class Zipf {
public:
    explicit Zipf(std::size_t n) : cumulative_(n) {
        double sum = 0;
        for (std::size_t i = 0; i < n; ++i)
            cumulative_[i] = sum += 1.0 / static_cast<double>(i + 1);
    }
    std::size_t draw(Random& random) const {
        const double target = random.unit() * cumulative_.back();
        return static_cast<std::size_t>(
            std::lower_bound(cumulative_.begin(), cumulative_.end(), target) - cumulative_.begin());
    }

private:
    std::vector<double> cumulative_;
};

struct Word {
    std::string stored;
    std::string folded;
};

std::vector<Word> vocabulary(std::size_t count, const std::string& rankedWords) {
    std::vector<Word> words;
    std::set<std::pair<std::string, std::string>> seen;
    auto add = [&](std::string word) {
        std::replace(word.begin(), word.end(), '\'', '!');
        Word w{StoredForm(word), AccentFreeForm(word)};
        if (w.stored.empty() || w.folded.empty() || !seen.insert({w.stored, w.folded}).second)
            return;
        words.push_back(std::move(w));
    };
    if (!rankedWords.empty()) {
        std::ifstream in(rankedWords, std::ios::binary);
        std::string line;
        while (words.size() < count && std::getline(in, line)) {
            if (std::optional<toolbox::DecodedText> text = toolbox::decodeText(line))
                add(text->text);
        }
    }
    static const char* const kSyllables[] = {
        "ca", "de",  "la",  "ma",    "pe",     "ri",      "to",     "sa",    "no",
        "ra", "ti",  "co",  "en",    "es",     "al",      "mo",     "ta",    "po",
        "bu", "ve",  "ci",  "gra",   "tra",    "pre",     "con",    "ex",    "in",
        "lu", "mi",  "so",  "re",    "da",     "fe",      "go",     "ni",    "pu",
        "ba", "che", "lle", "\xF1o", "qu\xED", "ci\xF3n", "m\xE1s", "t\xE9", "r\xFA",
    };
    constexpr std::size_t kCount = sizeof kSyllables / sizeof kSyllables[0];
    Random random(17);
    while (words.size() < count) {
        std::string word;
        const int syllables = 2 + static_cast<int>(random.next() % 3);
        for (int i = 0; i < syllables; ++i) word += kSyllables[random.next() % kCount];
        add(word);
    }
    return words;
}

}  // namespace

void GenerateDictionary(const GeneratedSize& size, const std::string& rankedWords,
                        const std::string& path) {
    const std::vector<Word> words = vocabulary(size.words, rankedWords);
    SqliteDatabase db;
    db.open(":memory:");
    DictionaryStore store(db);
    store.CreateWordsTable();
    store.CreateSuccessorsTable();
    db.executeUpdate("BEGIN;");
    const std::size_t top = std::max<std::size_t>(1, size.pairs / 20);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t count = std::max<std::size_t>(1, top / (i + 1));
        db.executeUpdate("INSERT INTO palabras VALUES('" + words[i].stored + "','" +
                         words[i].folded + "'," + std::to_string(count) + ");");
    }
    Zipf zipf(words.size());
    Random random(29);
    std::unordered_set<std::uint64_t> pairs;
    std::size_t attempts = 0;
    while (pairs.size() < size.pairs && attempts++ < size.pairs * 20) {
        // Index words.size() stands for the sentence start ".".
        const std::size_t first = random.next() % 20 == 0 ? words.size() : zipf.draw(random);
        const std::size_t next = zipf.draw(random);
        if (!pairs.insert(static_cast<std::uint64_t>(first) * words.size() + next).second) continue;
        const std::string p = first == words.size() ? "." : words[first].stored;
        const std::size_t count = 1 + static_cast<std::size_t>(std::pow(random.unit(), 4) * 50);
        db.executeUpdate("INSERT INTO siguientes VALUES('" + p + "','" + words[next].stored +
                         "','" + words[next].folded + "'," + std::to_string(count) + ");");
    }
    db.executeUpdate("COMMIT;");
    store.EnsureIndexes();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    db.executeUpdate("VACUUM INTO '" + statements::Quote(path) + "';");
}

}  // namespace bench
