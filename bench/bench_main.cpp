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
//                [--transaction-per-key 1]
//
// --quick 1 runs only the two smaller generated dictionaries, for a smoke
// test. --transaction-per-key 1 makes what each key learns one transaction,
// as the window does once it learns through a LearningTransaction.
// Each dictionary runs in a process of its own (this program again, with
// --run), so that its peak memory is its own.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "bench/dictionary_generator.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteException.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/text_encoding.h"
#include "tools/typist/typeable_text.h"
#include "tools/typist/typist.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    std::string eval = PELVOK_SOURCE_DIR "/deps/starter/eval.txt";
    std::string words = PELVOK_SOURCE_DIR "/deps/starter/words.txt";
    std::string starter = PELVOK_SOURCE_DIR "/deps/starter/default.dic";
    std::string cache = "bench-dictionaries";
    long paragraphs = -1;
    bool quick = false;
    bool transactionPerKey = false;
};

std::vector<std::string> evaluationParagraphs(const std::string& path, long limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::optional<typist::DecodedText> text = typist::DecodeText(bytes);
    if (!text) throw std::runtime_error(path + " is not a text file");
    std::vector<std::string> paragraphs = typist::MakeTypeable(text->text).paragraphs;
    if (limit >= 0 && static_cast<std::size_t>(limit) < paragraphs.size())
        paragraphs.resize(static_cast<std::size_t>(limit));
    return paragraphs;
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
    std::string folder = (fs::temp_directory_path() / "pelvok-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) throw std::runtime_error("cannot make a temporary folder");
    const std::string copy = folder + "/bench.dic";
    fs::copy_file(dictionary, copy);

    const auto start = std::chrono::steady_clock::now();
    std::optional<typist::KeyboardSession> session;
    session.emplace(copy, typist::KeyboardSession::Indexes::AsOpened, false);
    const std::chrono::duration<double> startup = std::chrono::steady_clock::now() - start;
    // Until the window adds them itself on opening.
    DictionaryStore(session->keyboard().database).EnsureIndexes();

    session->learnEachKeyInOneTransaction(options.transactionPerKey);
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
    session.reset();
    fs::remove_all(folder);
    return 0;
}

struct Figures {
    std::size_t keys = 0;
    double startup = 0, p50 = 0, p99 = 0, max = 0, cpu99 = 0;
    long peakKb = 0;
};

Figures runChild(const std::string& self, const std::string& dictionary, const Options& options) {
    int channel[2];
    if (pipe(channel) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    posix_spawn_file_actions_addclose(&actions, channel[1]);
    const std::string paragraphs = std::to_string(options.paragraphs);
    std::vector<std::string> args{self,
                                  "--run",
                                  dictionary,
                                  "--eval",
                                  options.eval,
                                  "--paragraphs",
                                  paragraphs,
                                  "--transaction-per-key",
                                  options.transactionPerKey ? "1" : "0"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot run " + self);
    close(channel[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Figures f;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(out.c_str(), "%zu %lf %lf %lf %lf %lf %ld", &f.keys, &f.startup, &f.p50, &f.p99,
                    &f.max, &f.cpu99, &f.peakKb) != 7)
        throw std::runtime_error("the run with " + dictionary + " failed");
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string runDictionary;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const std::string value = argv[i + 1];
        if (arg == "--run")
            runDictionary = value;
        else if (arg == "--eval")
            options.eval = value;
        else if (arg == "--words")
            options.words = value;
        else if (arg == "--starter")
            options.starter = value;
        else if (arg == "--cache")
            options.cache = value;
        else if (arg == "--paragraphs")
            options.paragraphs = std::atol(value.c_str());
        else if (arg == "--quick")
            options.quick = value == "1";
        else if (arg == "--transaction-per-key")
            options.transactionPerKey = value == "1";
        else {
            std::cerr << "pelvok-bench: unknown option " << arg << "\n";
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::cerr << "pelvok-bench: every option takes a value\n";
        return 2;
    }
    try {
        if (!runDictionary.empty()) return runOne(runDictionary, options);

        struct Case {
            std::string name;
            std::string file;
        };
        std::vector<Case> cases;
        fs::create_directories(options.cache);
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
    } catch (const std::exception& failure) {
        std::cerr << "pelvok-bench: " << failure.what() << "\n";
        return 1;
    } catch (const SqliteException& failure) {
        std::cerr << "pelvok-bench: dictionary failure: "
                  << (failure.message() ? failure.message() : "unknown") << "\n";
        return 1;
    }
    return 0;
}
