// pelvok-bench: types the evaluation text on the real keyboard, on a
// simulated desktop, with dictionaries of about 1k, 10k and 100k words and
// 10k, 100k and 1M pairs, and with the starter dictionary; prints per
// dictionary, as a table: the median, 99th percentile and maximum time of an
// activated key (activation, composition, prediction and learning, as the
// user waits for it, and the processor time of the 99th percentile), the
// repaint after it, the disk syncs inside keys and per word typed (the
// typist pauses after each paragraph, when the keyboard's idle work runs),
// the start-up time split into the pictures, the settings and dictionary,
// and the first paint, and the peak memory of the process.
//
//   pelvok-bench [--eval TEXT] [--words LIST] [--starter FILE.dic]
//                [--paragraphs N] [--cache DIR] [--quick 1]
//                [--transaction-per-key 1] [--full-counts 1] [--rollback-journal 1]
//                [--paint 0] [--without-indexes 1]
//
// --quick 1 runs only the two smaller generated dictionaries, for a smoke
// test. --transaction-per-key 1 makes what each key learns one transaction,
// as the window does once it learns through a LearningTransaction.
// --full-counts 1 makes the counts read every match, as they did before
// they stopped at six rows. --rollback-journal 1 keeps the dictionary's
// rollback journal, every commit synced, as the keyboard did before it kept
// a write-ahead log (and still does on a network share). --without-indexes 1
// starts on a copy without indexes, and prints how long the keyboard took to
// build them in the background and the slowest key typed meanwhile.
// Each dictionary runs in a process of its own (this program again, with
// --run), so that its peak memory is its own.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "bench/dictionary_generator.h"
#include "bench/sync_counter.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"
#include "tools/toolbox/command_line.h"
#include "tools/toolbox/files.h"
#include "tools/toolbox/program_run.h"
#include "tools/toolbox/temp_folder.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string eval = PELVOK_SOURCE_DIR "/deps/starter/eval.txt";
    std::string words = PELVOK_SOURCE_DIR "/deps/starter/words.txt";
    std::string starter = PELVOK_SOURCE_DIR "/deps/starter/default.dic";
    std::string cache = "bench-dictionaries";
    long long paragraphs = -1;
    bool quick = false;
    bool transactionPerKey = false;
    bool fullCounts = false;
    bool rollbackJournal = false;
    bool paint = true;
    bool withoutIndexes = false;
};

std::vector<std::string> evaluationParagraphs(const std::string& path, long long limit) {
    typist::TypeableText text = typist::MakeTypeable(toolbox::readTextFile(path).text);
    if (limit >= 0 && static_cast<std::size_t>(limit) < text.paragraphs.size())
        text.paragraphs.resize(static_cast<std::size_t>(limit));
    if (text.empty()) throw toolbox::ToolError(path + " holds nothing the keyboard types");
    return text.paragraphs;
}

// How long the user pauses after each paragraph: the keyboard's idle work
// (the log copied into the file) runs then, outside every key.
constexpr std::int64_t kIdlePause = 1500;

double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty()) return 0;
    const std::size_t index = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
    return sorted[index];
}

// The peak resident memory of this process since it started, as the kernel
// counts it (the spawning process's memory is not in it).
long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define PELVOK_COLLECT() CALLGRIND_TOGGLE_COLLECT
#else
#define PELVOK_COLLECT()
#endif

// The child: one dictionary (a copy of it, the keyboard learns as it goes).
// Prints one line of figures (Figures, in order). Under callgrind with
// --collect-atstart=no, only the keys are counted.
int runOne(const std::string& dictionary, const Options& options) {
    const std::vector<std::string> paragraphs =
        evaluationParagraphs(options.eval, options.paragraphs);
    const toolbox::TempFolder folder("pelvok-bench");
    const std::string copy = folder.file("bench.dic");
    fs::copy_file(dictionary, copy);
    if (options.withoutIndexes) {
        SqliteDatabase database;
        database.open(copy);
        database.executeUpdate(statements::DropIndexes());
    }
    bench::CountSyncs();

    const auto start = std::chrono::steady_clock::now();
    std::optional<typist::KeyboardSession> session;
    session.emplace(copy, typist::KeyboardSession::Indexes::AsOpened, options.paint,
                    sim::SystemLayout::Spanish, options.rollbackJournal);
    const std::chrono::duration<double> startup = std::chrono::steady_clock::now() - start;
    const sim::SimFramework::HandlerTimes started = session->desktop().framework().handlerTimes();

    session->learnEachKeyInOneTransaction(options.transactionPerKey);
    statements::CapCounts(!options.fullCounts);
    typist::Typist typist(*session, true);
    typist.keepKeyTimes(true);
    // The paint and the syncs of each key, apart.
    std::vector<double> paints;
    std::vector<double> paintsCpu;
    double paintedBefore = 0;
    double paintedCpuBefore = 0;
    std::uint64_t syncsBefore = 0;
    std::uint64_t syncsInKeys = 0;
    // A file without indexes gets them in the background: how long that
    // took, and the keys typed meanwhile.
    double indexBuild = 0;
    std::size_t keysDuringBuild = 0;
    double slowestDuringBuild = 0;
    bool building = session->keyboard().buildingIndexes();
    typist.beforeEachKey([&](const Key&) {
        paintedBefore = session->desktop().framework().handlerTimes().paints;
        paintedCpuBefore = session->desktop().framework().handlerTimes().paintsCpu;
        syncsBefore = bench::SyncsSoFar();
        PELVOK_COLLECT();
    });
    typist.afterEachKey([&] {
        PELVOK_COLLECT();
        paints.push_back(session->desktop().framework().handlerTimes().paints - paintedBefore);
        paintsCpu.push_back(session->desktop().framework().handlerTimes().paintsCpu -
                            paintedCpuBefore);
        syncsInKeys += bench::SyncsSoFar() - syncsBefore;
        if (building) {
            ++keysDuringBuild;
            slowestDuringBuild = std::max(slowestDuringBuild, typist.keyTimes().back());
            building = session->keyboard().buildingIndexes();
            if (!building)
                indexBuild =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                        .count();
        }
    });
    const std::uint64_t syncsAtStart = bench::SyncsSoFar();
    for (const std::string& p : paragraphs) {
        typist.typeParagraph(p);
        // The user pauses after a paragraph: the keyboard is idle.
        session->desktop().framework().advance(kIdlePause);
    }
    const std::uint64_t syncs = bench::SyncsSoFar() - syncsAtStart;
    std::vector<double> times = typist.keyTimes();
    for (std::size_t k = 0; k < times.size() && k < paints.size(); ++k) times[k] -= paints[k];
    std::vector<double> cpu = typist.keyCpuTimes();
    for (std::size_t k = 0; k < cpu.size() && k < paintsCpu.size(); ++k) cpu[k] -= paintsCpu[k];
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::sort(paints.begin(), paints.end());
    const std::size_t words = std::max<std::size_t>(typist.counts().words, 1);
    for (const std::string& line : session->desktop().files().log)
        std::fprintf(stderr, "pelvok-bench: the keyboard's log: %s\n", line.c_str());
    std::printf("%zu %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.4f %ld %.6f %zu "
                "%.6f\n",
                times.size(), startup.count(), started.create, started.initialise,
                started.firstPaint, percentile(times, 0.5), percentile(times, 0.99),
                times.empty() ? 0.0 : times.back(), percentile(paints, 0.5),
                percentile(paints, 0.99), percentile(cpu, 0.99),
                static_cast<double>(syncsInKeys), static_cast<double>(syncs) / words,
                peakKilobytes(), indexBuild, keysDuringBuild, slowestDuringBuild);
    return 0;
}

struct Figures {
    std::size_t keys = 0;
    double startup = 0, pictures = 0, dictionary = 0, firstPaint = 0;
    double p50 = 0, p99 = 0, max = 0, paint50 = 0, paint99 = 0, cpu99 = 0;
    double syncsInKeys = 0, syncsPerWord = 0;
    long peakKb = 0;
    double indexBuild = 0;
    std::size_t keysDuringBuild = 0;
    double slowestDuringBuild = 0;
};

Figures runChild(const std::string& self, const std::string& dictionary, const Options& options) {
    std::vector<std::string> args{self,
                                  "--run",
                                  dictionary,
                                  "--eval",
                                  options.eval,
                                  "--transaction-per-key",
                                  options.transactionPerKey ? "1" : "0",
                                  "--full-counts",
                                  options.fullCounts ? "1" : "0",
                                  "--rollback-journal",
                                  options.rollbackJournal ? "1" : "0",
                                  "--paint",
                                  options.paint ? "1" : "0",
                                  "--without-indexes",
                                  options.withoutIndexes ? "1" : "0"};
    if (options.paragraphs >= 0) {
        args.push_back("--paragraphs");
        args.push_back(std::to_string(options.paragraphs));
    }
    const toolbox::ProgramRun run = toolbox::runProgram(args);
    Figures f;
    if (run.code != 0 ||
        std::sscanf(run.out.c_str(),
                    "%zu %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %ld %lf %zu %lf",
                    &f.keys, &f.startup, &f.pictures, &f.dictionary, &f.firstPaint, &f.p50,
                    &f.p99, &f.max, &f.paint50, &f.paint99, &f.cpu99, &f.syncsInKeys,
                    &f.syncsPerWord, &f.peakKb, &f.indexBuild, &f.keysDuringBuild,
                    &f.slowestDuringBuild) != 17) {
        std::string why = run.err;
        while (!why.empty() && why.back() == '\n') why.pop_back();
        throw toolbox::ToolError("the run with " + dictionary + " failed" +
                                 (why.empty() ? "" : ":\n" + why));
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    constexpr long long kMost = std::numeric_limits<long long>::max();
    toolbox::CommandLine line("pelvok-bench",
                              "Times every key typed on the keyboard with dictionaries of growing\n"
                              "size; prints per dictionary the time per key, the start-up time\n"
                              "and the peak memory.",
                              "", 0, 0);
    line.option("eval", "TEXT", "the evaluation text")
        .option("words", "LIST", "ranked word list the generated dictionaries start from")
        .option("starter", "FILE.dic", "the starter dictionary")
        .option("paragraphs", "N", "type only the first N paragraphs")
        .option("cache", "DIR", "where the generated dictionaries are kept")
        .option("quick", "0|1", "1: only the two smaller generated dictionaries")
        .option("transaction-per-key", "0|1", "1: what each key learns is one transaction")
        .option("full-counts", "0|1", "1: the counts read every match instead of six rows")
        .option("rollback-journal", "0|1",
                "1: the dictionary keeps its rollback journal (as on a network share)")
        .option("paint", "0|1", "0: the window is never painted")
        .option("without-indexes", "0|1",
                "1: the dictionary starts without indexes, built while the typist types")
        .option("run", "FILE.dic", "(internal) one run, with this dictionary");
    return toolbox::runTool(line, argc, argv, [&] {
        Options options;
        options.eval = line.text("eval", options.eval);
        options.words = line.text("words", options.words);
        options.starter = line.text("starter", options.starter);
        options.cache = line.text("cache", options.cache);
        options.paragraphs = line.number("paragraphs", 1, kMost, options.paragraphs);
        options.quick = line.number("quick", 0, 1, 0) == 1;
        options.transactionPerKey = line.number("transaction-per-key", 0, 1, 0) == 1;
        options.fullCounts = line.number("full-counts", 0, 1, 0) == 1;
        options.rollbackJournal = line.number("rollback-journal", 0, 1, 0) == 1;
        options.paint = line.number("paint", 0, 1, 1) == 1;
        options.withoutIndexes = line.number("without-indexes", 0, 1, 0) == 1;
        const std::string runDictionary = line.text("run");
        if (!runDictionary.empty()) return runOne(runDictionary, options);

        // A bad input fails here, before any dictionary is generated.
        evaluationParagraphs(options.eval, options.paragraphs);
        for (const char* given : {"words", "starter"}) {
            if (line.has(given) && !fs::is_regular_file(line.text(given)))
                throw toolbox::ToolError("no file " + line.text(given));
        }
        struct Case {
            std::string name;
            std::string file;
        };
        std::vector<Case> cases;
        toolbox::makeFolder(options.cache);
        std::vector<bench::GeneratedSize> sizes{{1000, 10000}, {10000, 100000}};
        if (!options.quick) sizes.push_back({100000, 1000000});
        for (const bench::GeneratedSize& size : sizes) {
            const std::string name =
                std::to_string(size.words / 1000) + "k words, " +
                (size.pairs >= 1000000 ? std::to_string(size.pairs / 1000000) + "M"
                                       : std::to_string(size.pairs / 1000) + "k") +
                " pairs";
            const std::string file = options.cache + "/generated-" + std::to_string(size.words) +
                                     "-" + std::to_string(size.pairs) + ".dic";
            if (!fs::exists(file)) {
                std::fprintf(stderr, "pelvok-bench: generating %s\n", name.c_str());
                bench::GenerateDictionary(size, fs::exists(options.words) ? options.words : "",
                                          file);
            }
            // Files of an earlier version get this version's indexes once.
            {
                SqliteDatabase database;
                database.open(file);
                DictionaryStore(database).EnsureIndexes();
            }
            cases.push_back({name, file});
        }
        if (!options.quick && fs::exists(options.starter))
            cases.push_back({"starter dictionary", options.starter});

        const std::string self = fs::canonical("/proc/self/exe").string();
        // A table to paste into the docs: times in ms; "key" is the
        // handler (activation, composition, prediction, learning), "paint"
        // the repaint that follows it.
        std::printf("| dictionary | keys | key p50 | key p99 | key max | key p99 cpu | paint p50 "
                    "| paint p99 | syncs in keys | syncs a word | start-up | pictures | "
                    "dictionary | first paint | peak MiB |\n");
        std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
        for (const Case& c : cases) {
            const Figures f = runChild(self, c.file, options);
            std::printf("| %s | %zu | %.3f | %.3f | %.3f | %.3f | %.3f | %.3f | %.0f | %.2f | "
                        "%.1f | %.1f | %.1f | %.1f | %.1f |\n",
                        c.name.c_str(), f.keys, f.p50 * 1e3, f.p99 * 1e3, f.max * 1e3,
                        f.cpu99 * 1e3, f.paint50 * 1e3, f.paint99 * 1e3, f.syncsInKeys,
                        f.syncsPerWord, f.startup * 1e3, f.pictures * 1e3, f.dictionary * 1e3,
                        f.firstPaint * 1e3, static_cast<double>(f.peakKb) / 1024.0);
            if (options.withoutIndexes)
                std::printf("|  | indexes built in the background in %.1f s; %zu keys typed "
                            "meanwhile, the slowest %.1f ms |\n",
                            f.indexBuild, f.keysDuringBuild, f.slowestDuringBuild * 1e3);
            std::fflush(stdout);
        }
        return 0;
    });
}
