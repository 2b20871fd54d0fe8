// How learned words reach the dictionary file: a write-ahead log while the
// keyboard runs, a plain file once it ends, and another program's locks,
// held from a second process, that neither freeze the keyboard nor lose a word.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "dictionary/SqliteDatabase.h"
#include "model/key_codes.h"
#include "tests/activation/key_driver.h"
#include "tests/typing/typing_fixture.h"
#include "window/settings.h"
#include "window/timers.h"

namespace {

namespace fs = std::filesystem;
using pelvok_test::kDefaultDictionary;
using typing_test::standardWords;
using typing_test::TypingTest;

// Another program with the file open: it runs `sql` on its own connection
// and keeps what that took (a lock) until release() or its end.
class SecondProcess {
public:
    SecondProcess(const std::string& sqlitePath, const std::string& sql) {
        int ready[2];
        int release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release[1]);
            char ok = 'n';
            try {
                SqliteDatabase database;
                database.open(sqlitePath);
                database.executeUpdate(sql);
                ok = 'y';
                (void)!write(ready[1], &ok, 1);
                (void)!read(release[0], &ok, 1);
            } catch (...) {
                (void)!write(ready[1], &ok, 1);
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        char ok = 'n';
        holding_ = read(ready[0], &ok, 1) == 1 && ok == 'y';
        close(ready[0]);
    }
    ~SecondProcess() { end(); }

    bool holding() const { return holding_; }
    void end() {
        if (pid_ <= 0) return;
        close(release_);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool holding_ = false;
};

std::string journalMode(const std::string& sqlitePath) {
    SqliteDatabase database;
    database.open(sqlitePath);
    SqliteQuery mode = database.runQuery("PRAGMA journal_mode;");
    return mode.textOr(0, "");
}

class LearningStorageTest : public TypingTest {
protected:
    CPelvokDlg& startOnStandardWords() {
        prepareDefaultDictionary(standardWords);
        return start();
    }
    std::string sqlitePath() { return desktop().files().sqlitePath(kDefaultDictionary); }
    std::string hostFile(const char* suffix = "") {
        return harness().hostPath(kDefaultDictionary) + suffix;
    }
    void clickExit() {
        const std::optional<Key> key =
            pelvok_test::findKey(*window().layout, command::kExit, pelvok_test::KeyKind::Command);
        ASSERT_TRUE(key);
        const platform::Point at = pelvok_test::centreOf(*key, window().layout->getScale());
        desktop().leftClick(at.x, at.y);
    }
    std::size_t messages() { return desktop().dialogs().messageBoxes().size(); }
};

TEST_F(LearningStorageTest, WordsGoToALogThatIdleCopiesInAndExitLeavesOnePlainFile) {
    CPelvokDlg& keyboard = startOnStandardWords();
    EXPECT_EQ(journalMode(sqlitePath()), "wal");

    // The log holds one page at most between keys (a header, frames of a
    // header and a page each).
    const std::uintmax_t onePage = 32 + 24 + 4096;
    type("hola hola hola ");
    EXPECT_GT(fs::file_size(hostFile("-wal")), onePage);
    // Another connection sees the words before any copy into the file.
    EXPECT_TRUE(words().count("hola|hola|6"));

    desktop().framework().advance(timer::kIdleDelay + 50);
    EXPECT_LE(fs::file_size(hostFile("-wal")), onePage);

    type("casa ");
    keyboard.closeDictionary();
    EXPECT_FALSE(fs::exists(hostFile("-wal")));
    EXPECT_FALSE(fs::exists(hostFile("-shm")));
    EXPECT_EQ(journalMode(sqlitePath()), "delete");
    EXPECT_TRUE(words().count("casa|casa|5"));
    EXPECT_TRUE(words().count("hola|hola|6"));
}

TEST_F(LearningStorageTest, ALargeFileGetsItsIndexesInTheBackgroundWhileTheKeyboardTypes) {
    // An older file: many pairs, no indexes.
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase& database) {
        standardWords(store, database);
        database.executeUpdate(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(KeyboardDictionary::kBackgroundIndexRows + 10000) +
            ") INSERT INTO siguientes SELECT 'w' || (i % 500), 'x' || i, 'x' || i, 1 FROM n;");
    });
    CPelvokDlg& keyboard = start();
    ASSERT_EQ(desktop().files().log.size(), 1u);
    EXPECT_NE(desktop().files().log[0].find("in the background"), std::string::npos);

    // Suggestions come meanwhile; what is learned waits for the build.
    type("la ");
    EXPECT_EQ(keyboard.suggestions[0], "casa");
    for (int waited = 0; keyboard.buildingIndexes() && waited < 60000; waited += 10)
        usleep(10000);
    ASSERT_FALSE(keyboard.buildingIndexes());
    desktop().framework().advance(timer::kLockedRetry + timer::kIdleDelay);
    EXPECT_TRUE(keyboard.pendingLearning().empty());
    EXPECT_TRUE(words().count("la|la|1"));
    EXPECT_EQ(keyboard.database.queryInt("SELECT count(*) FROM sqlite_master WHERE type='index' "
                                         "AND name='siguientes_orden'"),
              1);
    EXPECT_EQ(messages(), 0u);
}

TEST_F(LearningStorageTest, ANetworkShareKeepsTheRollbackJournalWithANote) {
    desktop().files().networkFolders.push_back("C:\\Pelvok\\diccionarios");
    CPelvokDlg& keyboard = startOnStandardWords();
    ASSERT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_EQ(journalMode(sqlitePath()), "delete");
    ASSERT_EQ(desktop().files().log.size(), 1u);
    EXPECT_NE(desktop().files().log[0].find("network share"), std::string::npos);

    type("hola ");
    EXPECT_TRUE(words().count("hola|hola|4"));
    EXPECT_EQ(messages(), 0u);
}

TEST_F(LearningStorageTest, AWriteLockDelaysLearningWithoutStoppingSuggestions) {
    CPelvokDlg& keyboard = startOnStandardWords();
    SecondProcess other(sqlitePath(), "BEGIN IMMEDIATE;");
    ASSERT_TRUE(other.holding());

    const auto start = std::chrono::steady_clock::now();
    type("la ");
    // The keys show what follows "la", not completions of it.
    EXPECT_EQ(keyboard.suggestions[0], "casa");
    EXPECT_EQ(keyboard.suggestions[1], "cama");
    type("mesa hoy ");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // One brief wait, not one a key.
    EXPECT_LT(seconds, 2 * KeyboardDictionary::kBusyWaitMs / 1000.0);
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(keyboard.pendingLearning().size(), 6u);

    // Still locked at the first retry; written at the one after the release.
    desktop().framework().advance(timer::kIdleDelay + 50);
    EXPECT_EQ(keyboard.pendingLearning().size(), 6u);
    other.end();
    desktop().framework().advance(timer::kLockedRetry + 50);
    EXPECT_TRUE(keyboard.pendingLearning().empty());
    EXPECT_TRUE(words().count("la|la|1"));
    EXPECT_TRUE(words().count("mesa|mesa|2"));
    EXPECT_TRUE(words().count("hoy|hoy|6"));
    EXPECT_EQ(messages(), 1u);
}

TEST_F(LearningStorageTest, ALockedDictionaryAtStartStaysTheUsersOwn) {
    const std::string own = "C:\\Pelvok\\mio.dic";
    prepareDictionary(own, standardWords);
    setSetting(settings::kDictionaryPath, own);
    setSetting(settings::kDictionaryName, "mio");
    SecondProcess other(desktop().files().sqlitePath(own),
                        "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;");
    ASSERT_TRUE(other.holding());

    const auto begun = std::chrono::steady_clock::now();
    CPelvokDlg& keyboard = start();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    EXPECT_LT(seconds, 3 * KeyboardDictionary::kBusyWaitMs / 1000.0);

    // The default dictionary stands in, and says so once.
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_EQ(messages(), 1u);
    EXPECT_EQ(setting(settings::kDictionaryPath), own);

    clickExit();
    EXPECT_EQ(setting(settings::kDictionaryPath), own);
    EXPECT_EQ(setting(settings::kDictionaryName), "mio");
}

}  // namespace
