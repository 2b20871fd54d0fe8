// The running keyboard's dictionary: the connection, the file in use and its
// name, the six suggestion slots and sentence starters it fills, and the
// operations on dictionary files (switching to another file, exporting it as
// text). The typing engine and the keyboard window build on it; the little
// they must tell it of the keyboard comes through the hooks below.
#pragma once

#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/index_builder.h"
#include "platform/platform.h"

class SqliteException;

// An empty file is an empty database to SQLite: a dictionary file that is
// missing is made so. Does nothing when the file exists or cannot be made.
void CreateFileIfMissing(platform::Files& files, const std::string& path);

class KeyboardDictionary {
public:
    explicit KeyboardDictionary(platform::Platform& platform);
    virtual ~KeyboardDictionary();
    KeyboardDictionary(const KeyboardDictionary&) = delete;
    KeyboardDictionary& operator=(const KeyboardDictionary&) = delete;

    // What one key learned, in one transaction after whatever was kept from
    // before. While another program holds the file the steps are kept in
    // memory, after a brief wait, and written with the next ones or when the
    // keyboard is idle. Never throws: a failure is told through the hooks
    // below, and prediction goes on.
    void Learn(const std::vector<LearnStep>& steps);
    // The keyboard has been idle a moment: writes what was kept and copies
    // the write-ahead log into the file. Nothing to do when it returns true;
    // false when words are still kept, to be tried again later.
    bool DoIdleWork();
    // Steps kept because the file was locked.
    const std::vector<LearnStep>& pendingLearning() const { return pending_; }

    void LoadSentenceStarters();
    void LoadFrequentWords();
    // kind: file_dialog::kOpen or file_dialog::kExport (model/key_codes.h).
    void ChooseDictionaryFile(int kind);
    void ExportDictionary();

    // Whether a dictionary is open; without one, prediction and learning
    // are skipped.
    bool dictionaryAvailable() const { return database.isOpen(); }

    platform::Platform& platform() { return platform_; }

    // Opens the file with a brief busy wait. Throws SqliteException, the
    // database left closed.
    void openDatabase(const std::string& path);
    // Once the file has proved a dictionary (nothing is written to one that
    // does not): a write-ahead log where the medium allows, a note in the
    // log when not. Throws SqliteException, the database closed, when
    // another program holds the file.
    void startJournal();
    // Writes the kept words (waiting briefly for a lock), returns the file to
    // a plain rollback journal and closes it. Never throws.
    void closeDictionary();

    // The longest the keyboard waits for a file another program holds.
    static constexpr int kBusyWaitMs = 1000;
    // A dictionary of more rows than this gets its missing indexes built in
    // the background: a few hundred milliseconds' work and more.
    static constexpr std::int64_t kBackgroundIndexRows = 200000;
    // Whether missing indexes are being built in the background.
    bool buildingIndexes();

    // Kept steps beyond this many are dropped, oldest first: memory is not
    // spent without bound on a file locked for hours.
    static constexpr std::size_t kMostPending = 100000;

    SqliteDatabase database;
    std::string dictionaryPath;
    std::string dictionaryName;
    SuggestionSlots suggestions;
    SuggestionSlots sentenceStarters;

protected:
    // Which file dialog is up, kept where the exit command reads it; setting
    // it after the keyboard has closed does nothing.
    virtual int fileDialogKind() const = 0;
    virtual void setFileDialogKind(int kind) = 0;
    // False once the keyboard is ending or closed: the file dialog runs a
    // loop of its own, during which either may happen.
    virtual bool stillRunning() const = 0;
    // A newly opened dictionary gets its failures shown again.
    virtual void forgetShownFailures() = 0;
    // Learning failed for good (a read-only or broken file): what it learned
    // is dropped.
    virtual void learningFailed(const SqliteException& failure) = 0;
    // Learning waits for a file another program holds; the words are kept.
    virtual void learningDelayed(const SqliteException& failure) = 0;
    // Something was written or kept: DoIdleWork once the keyboard is idle.
    virtual void scheduleIdleWork() = 0;

    // The two fixed export files; false when one could not be written.
    bool writeExportFiles();
    // Indexes only make lookups faster: a file that cannot take them (read-only,
    // say) is used without them. Those a large file lacks are built in the
    // background.
    void ensureIndexes();

    platform::Platform& platform_;
    DictionaryStore store_;

private:
    // Writes the kept steps in one transaction, or throws with them still
    // kept. `waitForLock`: wait the busy time for another program's lock.
    void writePending(bool waitForLock);
    void openDictionaryFile(const platform::FileChoice& choice);
    void exportWordTable(const platform::FileChoice& choice);

    IndexBuilder indexBuilder_;
    bool indexBuildLogged_ = true;
    // The build has ended and left its pages in the log: the idle work
    // copies them into the file before anything is learned, or a key's
    // commit would (the log past its limit).
    bool logHoldsBuild_ = false;
    std::vector<LearnStep> pending_;
    // The last write found the file locked: tries do not wait for it again
    // until one succeeds, so that no key freezes while it stays locked.
    bool locked_ = false;
};
