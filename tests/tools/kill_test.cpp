// Keyboards in processes of their own: killed (SIGKILL) at random moments
// while they type and learn, the dictionary stays whole, opens again, and
// keeps every word learned before the kill; two typing on one dictionary at
// once lose none of what either learns.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "tests/tools/tool_files.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typist.h"
#include "window/timers.h"

namespace {

using tools_test::TempFolder;

constexpr int kWordsPerParagraph = 6;

// A made-up word of its own for every paragraph and place.
std::string madeUpWord(int paragraph, int place) {
    std::string word = "kw";
    for (int n = paragraph * kWordsPerParagraph + place; n > 0 || word.size() < 5; n /= 26)
        word += static_cast<char>('a' + n % 26);
    return word;
}

std::string paragraph(int number) {
    std::string text;
    for (int place = 0; place < kWordsPerParagraph; ++place)
        text += madeUpWord(number, place) + (place + 1 < kWordsPerParagraph ? " " : ".");
    return text;
}

// The child: types paragraphs from `first` on, telling `report` after each
// one that its words are learned, with an idle moment (the log copied into
// the file) after every third.
[[noreturn]] void typeUntilKilled(const std::string& dictionary, int first, int report) {
    try {
        typist::KeyboardSession session(dictionary, typist::KeyboardSession::Indexes::AsOpened,
                                        false);
        typist::Typist typist(session, false);
        for (int number = first;; ++number) {
            typist.typeParagraph(paragraph(number));
            const std::string done = std::to_string(number) + "\n";
            if (write(report, done.data(), done.size()) < 0) _exit(2);
            if (number % 3 == 0) session.desktop().framework().advance(timer::kIdleDelay + 50);
        }
    } catch (...) {
        _exit(3);
    }
}

struct KilledRun {
    int lastReported = -1;  // the last paragraph the child said was learned
    bool killed = false;
};

// Starts the child, kills it `afterMs` after its first report, and returns
// what it reported.
KilledRun typeAndKill(const std::string& dictionary, int first, int afterMs) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        typeUntilKilled(dictionary, first, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    KilledRun run;
    std::string received;
    // Until the first report (forMs < 0), or for forMs.
    auto readReports = [&](int forMs) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
        pollfd wait{pipeEnds[0], POLLIN, 0};
        for (;;) {
            const long left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  end - std::chrono::steady_clock::now())
                                  .count();
            if (forMs >= 0 && left <= 0) return;
            if (poll(&wait, 1, forMs < 0 ? -1 : static_cast<int>(left)) <= 0) return;
            char buffer[256];
            const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
            if (n <= 0) return;
            received.append(buffer, static_cast<std::size_t>(n));
            if (forMs < 0) return;
        }
    };
    readReports(-1);  // the keyboard has started and learned a paragraph
    readReports(afterMs);
    run.killed = kill(child, SIGKILL) == 0;
    int status = 0;
    waitpid(child, &status, 0);
    readReports(0);
    close(pipeEnds[0]);
    for (std::size_t end = received.find('\n'); end != std::string::npos;
         end = received.find('\n')) {
        run.lastReported = std::stoi(received.substr(0, end));
        received.erase(0, end + 1);
    }
    run.killed = run.killed && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    return run;
}

TEST(KillTest, EveryKillLeavesAWholeDictionaryWithEveryReportedWord) {
    TempFolder folder;
    const std::string dictionary = folder.file("matado.dic");
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delay(0, 400);
    int next = 0;
    for (int kill = 0; kill < 20; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const KilledRun run = typeAndKill(dictionary, next, delay(random));
        ASSERT_TRUE(run.killed);
        ASSERT_GE(run.lastReported, next);

        SqliteDatabase database;
        database.open(dictionary);
        SqliteQuery check = database.runQuery("PRAGMA integrity_check;");
        EXPECT_STREQ(check.textOr(0, ""), "ok");
        check.finalize();
        for (int number = next; number <= run.lastReported; ++number)
            for (int place = 0; place < kWordsPerParagraph; ++place)
                ASSERT_EQ(database.queryInt("SELECT count(*) FROM palabras WHERE palabra = '" +
                                            madeUpWord(number, place) + "'"),
                          1)
                    << madeUpWord(number, place);
        database.close();
        // The next run starts the keyboard on the file the kill left.
        next = run.lastReported + 1;
    }
}

// Types kParagraphs paragraphs (three different ones in turn) on the
// dictionary, with `keyboards` keyboards at once, each in a process.
constexpr int kSharedParagraphs = 12;

void typeAtOnce(const std::string& dictionary, int keyboards) {
    {
        SqliteDatabase database;
        database.open(dictionary);
        DictionaryStore store(database);
        store.CreateWordsTable();
        store.CreateSuccessorsTable();
        store.EnsureIndexes();
    }
    std::vector<pid_t> children;
    for (int keyboard = 0; keyboard < keyboards; ++keyboard) {
        const pid_t child = fork();
        if (child == 0) {
            try {
                typist::KeyboardSession session(dictionary,
                                                typist::KeyboardSession::Indexes::AsOpened, false);
                typist::Typist typist(session, false);
                for (int number = 0; number < kSharedParagraphs; ++number)
                    typist.typeParagraph(paragraph(number % 3));
            } catch (...) {
                _exit(3);
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
}

int countOf(const std::string& dictionary, const std::string& word) {
    SqliteDatabase database;
    database.open(dictionary);
    return database.queryInt("SELECT coalesce(sum(repPal), 0) FROM palabras WHERE palabra = '" +
                             word + "'");
}

TEST(SharedDictionary, TwoKeyboardsTypingAtOnceLoseNoWord) {
    TempFolder folder;
    const std::string alone = folder.file("solo.dic");
    const std::string shared = folder.file("compartido.dic");
    typeAtOnce(alone, 1);
    typeAtOnce(shared, 2);
    for (int number = 0; number < 3; ++number)
        for (int place = 0; place < kWordsPerParagraph; ++place) {
            const std::string word = madeUpWord(number, place);
            EXPECT_GT(countOf(alone, word), 0) << word;
            EXPECT_EQ(countOf(shared, word), 2 * countOf(alone, word)) << word;
        }
}

}  // namespace
