// pelvok-bench: types the evaluation text on the real keyboard, on a
// simulated desktop, with dictionaries of about 1k, 10k and 100k words and
// 10k, 100k and 1M pairs, and with the starter dictionary; prints per
// dictionary the median, 99th percentile and maximum time of an activated
// key (activation, composition, prediction and learning; the window is not
// painted; as the user waits for it, and the processor time of the 99th
// percentile), the start-up time and the peak memory of the process.
//
//   pelvok-bench [--eval TEXT] [--words LIST] [--starter FILE.dic]
//                [--paragraphs N] [--cache DIR] [--quick 1]
//                [--transaction-per-key 1] [--full-counts 1]
//
// --quick 1 runs only the two smaller generated dictionaries, for a smoke
// test. --transaction-per-key 1 makes what each key learns one transaction,
// as the window does once it learns through a LearningTransaction.
// --full-counts 1 makes the counts read every match, as they did before
// they stopped at six rows.
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
};

std::vector<std::string> evaluationParagraphs(const std::string& path, long long limit) {
    typist::TypeableText text = typist::MakeTypeable(toolbox::readTextFile(path).text);
    if (limit >= 0 && static_cast<std::size_t>(limit) < text.paragraphs.size())
        text.paragraphs.resize(static_cast<std::size_t>(limit));
    if (text.empty()) throw toolbox::ToolError(path + " holds nothing the keyboard types");
    return text.paragraphs;
}

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

// The child: one dictionary (a copy of it, the keyboard learns as it goes).
int runOne(const std::string& dictionary, const Options& options) {
    const std::vector<std::string> paragraphs =
        evaluationParagraphs(options.eval, options.paragraphs);
    const toolbox::TempFolder folder("pelvok-bench");
    const std::string copy = folder.file("bench.dic");
    fs::copy_file(dictionary, copy);

    const auto start = std::chrono::steady_clock::now();
    std::optional<typist::KeyboardSession> session;
    session.emplace(copy, typist::KeyboardSession::Indexes::AsOpened, false);
    const std::chrono::duration<double> startup = std::chrono::steady_clock::now() - start;
    // Until the window adds them itself on opening.
    DictionaryStore(session->keyboard().database).EnsureIndexes();

    session->learnEachKeyInOneTransaction(options.transactionPerKey);
    statements::CapCounts(!options.fullCounts);
    typist::Typist typist(*session, true);
    typist.keepKeyTimes(true);
    for (const std::string& p : paragraphs) typist.typeParagraph(p);
    std::vector<double> times = typist.keyTimes();
    std::vector<double> cpu = typist.keyCpuTimes();
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%zu %.6f %.6f %.6f %.6f %.6f %ld\n", times.size(), startup.count(),
                percentile(times, 0.5), percentile(times, 0.99), times.empty() ? 0.0 : times.back(),
                percentile(cpu, 0.99), peakKilobytes());
    return 0;
}

struct Figures {
    std::size_t keys = 0;
    double startup = 0, p50 = 0, p99 = 0, max = 0, cpu99 = 0;
    long peakKb = 0;
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
                                  options.fullCounts ? "1" : "0"};
    if (options.paragraphs >= 0) {
        args.push_back("--paragraphs");
        args.push_back(std::to_string(options.paragraphs));
    }
    const toolbox::ProgramRun run = toolbox::runProgram(args);
    Figures f;
    if (run.code != 0 ||
        std::sscanf(run.out.c_str(), "%zu %lf %lf %lf %lf %lf %ld", &f.keys, &f.startup, &f.p50,
                    &f.p99, &f.max, &f.cpu99, &f.peakKb) != 7) {
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
            cases.push_back({name, file});
        }
        if (!options.quick && fs::exists(options.starter))
            cases.push_back({"starter dictionary", options.starter});

        const std::string self = fs::canonical("/proc/self/exe").string();
        std::printf("%-24s %8s %9s %9s %9s %12s %10s %10s\n", "dictionary", "keys", "p50 ms",
                    "p99 ms", "max ms", "p99 cpu ms", "start ms", "peak MiB");
        for (const Case& c : cases) {
            const Figures f = runChild(self, c.file, options);
            std::printf("%-24s %8zu %9.3f %9.3f %9.3f %12.3f %10.1f %10.1f\n", c.name.c_str(),
                        f.keys, f.p50 * 1e3, f.p99 * 1e3, f.max * 1e3, f.cpu99 * 1e3,
                        f.startup * 1e3, static_cast<double>(f.peakKb) / 1024.0);
            std::fflush(stdout);
        }
        return 0;
    });
}
