#include "tools/pelvok-train/trainer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"
#include "dictionary/statements.h"
#include "tools/toolbox/exit_cleanup.h"
#include "tools/toolbox/files.h"
#include "tools/toolbox/temp_folder.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"
#include "typing/text_utils.h"

namespace pelvok_train {

namespace fs = std::filesystem;

namespace {

// A text, or a word list, that holds something to learn.
toolbox::DecodedText readText(const std::string& path) {
    toolbox::DecodedText text = toolbox::readTextFile(path);
    if (text.text.find_first_not_of(" \t\r\n\f") == std::string::npos)
        throw TrainError(path + " holds no text");
    return text;
}

// A file beside the output, empty, that nothing else uses.
std::string createTemporaryBeside(const std::string& output) {
    const fs::path out = fs::absolute(output);
    std::error_code error;
    if (fs::is_directory(out, error))
        throw TrainError("cannot write " + output + ": it is a folder");
    std::string pattern =
        (out.parent_path() / ("." + out.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw TrainError("cannot write " + output + ": " + std::strerror(errno));
    // The mode a new file gets, not mkstemp's private one.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    return pattern;
}

void syncFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Words of the list up to this rank fit the law.
constexpr std::size_t kFittedRanks = 2000;

struct ListedWord {
    std::size_t rank;
    std::string folded;
    std::string stored;
};

std::vector<ListedWord> readList(const std::string& listPath, TrainResult& result) {
    const toolbox::DecodedText list = readText(listPath);
    result.dropped += list.dropped;
    std::vector<ListedWord> words;
    std::size_t rank = 0;
    std::size_t start = 0;
    while (start < list.text.size()) {
        std::size_t end = list.text.find('\n', start);
        if (end == std::string::npos) end = list.text.size();
        std::string word = list.text.substr(start, end - start);
        start = end + 1;
        if (!word.empty() && word.back() == '\r') word.pop_back();
        if (word.empty()) continue;
        ++rank;
        std::replace(word.begin(), word.end(), '\'', '!');
        ListedWord listed{rank, AccentFreeForm(word), StoredForm(word)};
        if (!listed.folded.empty() && !listed.stored.empty()) words.push_back(std::move(listed));
    }
    return words;
}

std::string wordCondition(const ListedWord& word) {
    return " WHERE pSinAcento = '" + statements::Quote(word.folded) + "' AND palabra = '" +
           statements::Quote(word.stored) + "'";
}

// The seeds of the ranked list, added to the counts the text gave.
std::size_t seedWords(SqliteDatabase& db, const std::string& listPath, std::size_t textWords,
                      TrainResult& result) {
    const std::vector<ListedWord> words = readList(listPath, result);
    std::vector<std::pair<std::size_t, int>> learned;
    for (const ListedWord& word : words) {
        if (word.rank > kFittedRanks) break;
        const int count = db.queryInt("SELECT coalesce(max(repPal), 0) FROM palabras" +
                                      wordCondition(word) + ";");
        if (count > 0) learned.emplace_back(word.rank, count);
    }
    result.seeds = FitZipf(learned, textWords);
    for (const ListedWord& word : words) {
        const std::string count = std::to_string(result.seeds.count(word.rank));
        if (db.executeUpdate("UPDATE palabras SET repPal = repPal + " + count +
                             wordCondition(word) + ";") == 0)
            db.executeUpdate("INSERT INTO palabras VALUES('" + statements::Quote(word.stored) +
                             "','" + statements::Quote(word.folded) + "'," + count + ");");
    }
    return words.size();
}

bool isLetter(unsigned char c) {
    return (IsWordChar(c) && !(c >= '0' && c <= '9')) || IsAccentedVowel(c);
}

// The run of letters that ends at `end`, when a blank, an opening mark or the
// paragraph's start is before it; empty otherwise.
std::string wordEndingAt(const std::string& text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && isLetter(static_cast<unsigned char>(text[start - 1]))) --start;
    if (start == end) return "";
    if (start > 0 && text[start - 1] != ' ' &&
        !IsOpeningMark(static_cast<unsigned char>(text[start - 1])))
        return "";
    return text.substr(start, end - start);
}

// The keyboard types ':' and ';' from the symbols page, where a mark ends no
// word (it types times and numbers such as 3:30), so the word before them is
// never learned there. A user types them after words; the trainer learns
// such a word, with its pair, as a space after it would.
std::size_t learnBeforeColons(DictionaryStore& store, const std::string& paragraph) {
    std::size_t learned = 0;
    for (std::size_t i = 1; i < paragraph.size(); ++i) {
        if (paragraph[i] != ':' && paragraph[i] != ';') continue;
        const std::string word = wordEndingAt(paragraph, i);
        if (word.empty()) continue;
        const std::string folded = AccentFreeForm(word);
        const std::string stored = StoredForm(word);
        store.LearnWord(folded, stored);
        ++learned;
        // The word before it, across one blank, or "." at a sentence start.
        const std::size_t start = i - word.size();
        std::string first;
        if (start == 0 ||
            (start >= 2 && paragraph[start - 1] == ' ' && paragraph[start - 2] == '.')) {
            first = ".";
        } else if (start >= 2 && paragraph[start - 1] == ' ') {
            first = StoredForm(wordEndingAt(paragraph, start - 1));
        }
        if (!first.empty() && first.size() <= 20) store.LearnPair(first, folded, stored);
    }
    return learned;
}

// TMPDIR names another folder while this lives.
class TemporaryDirectory {
public:
    explicit TemporaryDirectory(const std::string& folder) {
        if (const char* before = std::getenv("TMPDIR")) before_ = before;
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryDirectory() {
        if (before_) {
            setenv("TMPDIR", before_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

private:
    std::optional<std::string> before_;
};

// An input that is the output too would be replaced by the dictionary.
void refuseInputAsOutput(const TrainOptions& options) {
    std::vector<std::string> inputs = options.texts;
    if (!options.wordList.empty()) inputs.push_back(options.wordList);
    for (const std::string& input : inputs) {
        std::error_code error;
        if (fs::equivalent(input, options.output, error))
            throw TrainError("cannot write " + options.output + ": it is the input " + input);
    }
}

void learn(const TrainOptions& options, const std::string& temporary, TrainResult& result,
           toolbox::ExitCleanup& cleanup) {
    // The texts first: a bad one fails before anything is typed.
    std::vector<std::string> paragraphs;
    for (const std::string& path : options.texts) {
        const toolbox::DecodedText text = readText(path);
        result.dropped += text.dropped;
        typist::TypeableText typeable = typist::MakeTypeable(text.text);
        if (typeable.empty()) throw TrainError(path + " holds nothing the keyboard types");
        result.untypeable += typeable.removed + typeable.replaced;
        for (std::string& p : typeable.paragraphs) paragraphs.push_back(std::move(p));
    }
    if (!options.wordList.empty()) readText(options.wordList);

    // The keyboard opens an empty dictionary of its own; its connection is
    // then moved to one in memory, with the same tables and indexes.
    const toolbox::TempFolder work("pelvok-train");
    cleanup.watch(work.path().string());
    std::optional<typist::KeyboardSession> session;
    {
        // The simulated desktop makes its home in the temporary directory:
        // inside the work folder it is watched from the start.
        const TemporaryDirectory inWork(work.path().string());
        session.emplace(work.file("aprendizaje.dic"), typist::KeyboardSession::Indexes::AsOpened,
                        false);
    }
    session->keyboard().fillsSuggestions = false;
    SqliteDatabase& db = session->keyboard().database;
    db.close();
    db.open(":memory:");
    DictionaryStore store(db);
    store.CreateWordsTable();
    store.CreateSuccessorsTable();
    store.EnsureIndexes();
    db.executeUpdate("BEGIN;");

    std::size_t total = 0;
    for (const std::string& p : paragraphs) total += p.size() + 1;
    typist::Typist typist(*session, false);
    std::size_t done = 0;
    for (const std::string& p : paragraphs) {
        typist.typeParagraph(p);
        result.beforeColons += learnBeforeColons(store, p);
        done += p.size() + 1;
        if (options.progress) options.progress(done, total);
    }
    result.paragraphs = paragraphs.size();
    result.textWords = typist.counts().words;
    if (!options.wordList.empty())
        result.seeded = seedWords(db, options.wordList, result.textWords, result);
    db.executeUpdate("COMMIT;");
    result.words = static_cast<std::size_t>(db.queryInt("SELECT count(*) FROM palabras;"));
    result.pairs = static_cast<std::size_t>(db.queryInt("SELECT count(*) FROM siguientes;"));
    db.executeUpdate("VACUUM INTO '" + statements::Quote(temporary) + "';");
}

}  // namespace

int ZipfLaw::count(std::size_t rank) const {
    const double count =
        scale / std::pow(static_cast<double>(std::max<std::size_t>(rank, 1)), exponent);
    return static_cast<int>(std::clamp(std::floor(count), 1.0, 1000000.0));
}

ZipfLaw FitZipf(const std::vector<std::pair<std::size_t, int>>& rankedCounts,
                std::size_t textWords) {
    ZipfLaw law;
    law.scale = static_cast<double>(std::max<std::size_t>(1, textWords / 10));
    if (rankedCounts.size() < 10) return law;
    double meanX = 0;
    double meanY = 0;
    for (const auto& [rank, count] : rankedCounts) {
        meanX += std::log(static_cast<double>(rank));
        meanY += std::log(static_cast<double>(count));
    }
    const double n = static_cast<double>(rankedCounts.size());
    meanX /= n;
    meanY /= n;
    double sxy = 0;
    double sxx = 0;
    for (const auto& [rank, count] : rankedCounts) {
        const double x = std::log(static_cast<double>(rank)) - meanX;
        sxy += x * (std::log(static_cast<double>(count)) - meanY);
        sxx += x * x;
    }
    if (sxx <= 0 || sxy >= 0) return law;
    law.exponent = -sxy / sxx;
    law.scale = std::exp(meanY + law.exponent * meanX);
    return law;
}

TrainResult Train(const TrainOptions& options) {
    if (options.texts.empty()) throw TrainError("no text to learn");
    if (options.output.empty()) throw TrainError("no output dictionary");
    refuseInputAsOutput(options);
    // A kill or Ctrl+C leaves neither the temporary output nor the folders.
    toolbox::ExitCleanup cleanup;
    const std::string temporary = createTemporaryBeside(options.output);
    cleanup.watch(temporary);
    TrainResult result;
    try {
        learn(options, temporary, result, cleanup);
        syncFile(temporary);
        std::error_code error;
        fs::rename(temporary, options.output, error);
        if (error) throw TrainError("cannot write " + options.output + ": " + error.message());
        syncFile(fs::absolute(options.output).parent_path().string());
    } catch (const SqliteException& failure) {
        unlink(temporary.c_str());
        throw TrainError(std::string("dictionary failure: ") +
                         (failure.message() ? failure.message() : "unknown"));
    } catch (const std::exception& failure) {
        unlink(temporary.c_str());
        if (dynamic_cast<const TrainError*>(&failure)) throw;
        throw TrainError(failure.what());
    }
    return result;
}

}  // namespace pelvok_train
