// The keyboard's dictionary: learning and loading through the store,
// switching to another dictionary file, and writing the dictionary out as text.
#include "dictionary/KeyboardDictionary.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include "dictionary/SqliteException.h"
#include "dictionary/journal.h"
#include "dictionary/statements.h"
#include "dictionary/text_export.h"
#include "dictionary/messages.h"
#include "model/key_codes.h"

namespace {

constexpr const char* kIncompatibleFormat = "Formato incompatible / Uncompatible format";
constexpr const char* kLostData = "Datos perdidos / lost of data";

std::string cannotWrite(const std::string& path) {
    return "No se puede escribir el archivo " + path + " / Cannot write the file " + path;
}

// The platform's filter list: pairs of texts, each ending in NUL, and one
// more NUL at the end.
std::string dictionaryFilter() {
    std::string filter =
        "Diccionary files (*.dic)\x01*.dic\x01"
        "All files (*.*)\x01*.*\x01";
    std::replace(filter.begin(), filter.end(), '\x01', '\0');
    filter.push_back('\0');
    return filter;
}

// Compared byte for byte: "DIC" is not "dic".
std::string extensionOf(const std::string& title) {
    const std::size_t dot = title.rfind('.');
    return dot == std::string::npos ? std::string() : title.substr(dot + 1);
}

std::string baseNameOf(const std::string& title) {
    const std::size_t dot = title.rfind('.');
    return dot == std::string::npos ? std::string() : title.substr(0, dot);
}

std::string inFolder(const std::string& folder, const char* name) {
    if (folder.empty() || folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

using RowFormat = std::function<std::string(const SqliteQuery&)>;

// One table into a file: the header and a line per row. An empty table
// leaves the file empty, telling the user `emptyMessage` when there is one.
// False, after telling the user, when the file could not be written.
bool exportTable(SqliteDatabase& database, platform::Dialogs& dialogs, const std::string& hostPath,
                 const std::string& shownPath, const std::string& countSql,
                 const std::string& rowsSql, const RowFormat& format,
                 const char* emptyMessage = nullptr) {
    text_export::File file(hostPath);
    if (!file.isOpen()) {
        messages::showError(dialogs, cannotWrite(shownPath));
        return false;
    }
    const int count = database.queryInt(countSql);
    if (count > 0) {
        SqliteQuery rows = database.runQuery(rowsSql);
        file.write(text_export::Header(count));
        for (int i = 0; i < count && !rows.atEnd(); ++i) {
            file.write(format(rows));
            rows.next();
        }
        rows.finalize();
    } else if (emptyMessage != nullptr) {
        messages::showError(dialogs, emptyMessage);
    }
    if (!file.close()) {
        messages::showError(dialogs, cannotWrite(shownPath));
        return false;
    }
    return true;
}

std::string wordLine(const SqliteQuery& row) {
    return text_export::WordLine(row.textOr(0, ""), row.textOr(1, ""), row.intOr(2, 0));
}

std::string pairLine(const SqliteQuery& row) {
    return text_export::PairLine(row.textOr(0, ""), row.textOr(1, ""), row.textOr(2, ""),
                                 row.intOr(3, 0));
}

}  // namespace

void CreateFileIfMissing(platform::Files& files, const std::string& path) {
    // Opening it for reading, else for appending, creates a missing file empty.
    const std::string host = files.hostPath(path);
    std::FILE* file = std::fopen(host.c_str(), "rb");
    if (file == nullptr) file = std::fopen(host.c_str(), "ab");
    if (file != nullptr) std::fclose(file);
}

KeyboardDictionary::KeyboardDictionary(platform::Platform& platform)
    : platform_(platform), store_(database) {}

KeyboardDictionary::~KeyboardDictionary() { closeDictionary(); }

void KeyboardDictionary::openDatabase(const std::string& path) {
    database.open(platform().files.sqlitePath(path));
    database.setBusyWait(kBusyWaitMs);
}

void KeyboardDictionary::startJournal() {
    try {
        std::string why;
        if (!journal::UseWriteAheadLog(database, platform().files.isNetworkPath(dictionaryPath),
                                       why))
            platform().files.writeLog("the dictionary " + dictionaryPath +
                                      " keeps its rollback journal (" + why +
                                      "): each learned word waits for the disk");
    } catch (const SqliteException&) {
        database.close();
        throw;
    }
}

void KeyboardDictionary::closeDictionary() {
    indexBuilder_.stop();
    logHoldsBuild_ = false;
    if (!database.isOpen()) return;
    // A brief wait for another program's lock, as for a key; what is still
    // locked out after it is lost with the closing.
    try {
        writePending(true);
    } catch (const SqliteException&) {
    }
    pending_.clear();
    locked_ = false;
    journal::ReturnToRollbackJournal(database);
    database.close();
}

void KeyboardDictionary::Learn(const std::vector<LearnStep>& steps) {
    if (!database.isOpen() || (steps.empty() && pending_.empty())) return;
    pending_.insert(pending_.end(), steps.begin(), steps.end());
    // The build holds the file for writing until it ends: the words wait
    // for it, no key does.
    if (buildingIndexes() || logHoldsBuild_) {
        scheduleIdleWork();
        return;
    }
    try {
        writePending(!locked_);
    } catch (const SqliteException& failure) {
        if (journal::isLockFailure(failure.code())) {
            const bool first = !locked_;
            locked_ = true;
            if (pending_.size() > kMostPending)
                pending_.erase(pending_.begin(),
                               pending_.begin() + static_cast<std::ptrdiff_t>(pending_.size() -
                                                                              kMostPending));
            if (first) learningDelayed(failure);
        } else {
            pending_.clear();
            learningFailed(failure);
        }
    }
    scheduleIdleWork();
}

bool KeyboardDictionary::buildingIndexes() {
    if (indexBuilder_.running()) return true;
    if (!indexBuildLogged_) {
        indexBuildLogged_ = true;
        logHoldsBuild_ = true;
        const double seconds = indexBuilder_.lastSeconds();
        platform().files.writeLog(seconds > 0 ? "the indexes of " + dictionaryPath +
                                                    " were built in " +
                                                    std::to_string(seconds) + " s"
                                              : "the indexes of " + dictionaryPath +
                                                    " could not be built now");
    }
    return false;
}

bool KeyboardDictionary::DoIdleWork() {
    if (!database.isOpen()) return true;
    if (buildingIndexes()) return false;
    if (logHoldsBuild_) {
        journal::Checkpoint(database);
        logHoldsBuild_ = false;
    }
    if (!pending_.empty()) {
        Learn({});
        if (!pending_.empty()) return false;
    }
    journal::Checkpoint(database);
    return true;
}

void KeyboardDictionary::writePending(bool waitForLock) {
    if (pending_.empty()) return;
    if (!waitForLock) database.setBusyWait(0);
    struct BusyWait {
        SqliteDatabase& database;
        ~BusyWait() { database.setBusyWait(kBusyWaitMs); }
    } restore{database};
    LearningTransaction learning(database);
    for (const LearnStep& step : pending_) {
        if (step.pair) {
            store_.LearnPair(step.first, step.folded, step.word);
        } else {
            store_.LearnWord(step.folded, step.word);
        }
    }
    learning.commit();
    pending_.clear();
    locked_ = false;
}

void KeyboardDictionary::LoadSentenceStarters() {
    if (dictionaryAvailable()) store_.LoadSentenceStarters(suggestions, sentenceStarters);
}

void KeyboardDictionary::LoadFrequentWords() {
    if (dictionaryAvailable()) store_.LoadFrequentWords(suggestions);
}

void KeyboardDictionary::ensureIndexes() {
    try {
        if (store_.IndexesMissing() && store_.RowsAtMost() > kBackgroundIndexRows) {
            platform().files.writeLog("building the missing indexes of " + dictionaryPath +
                                      " in the background");
            indexBuilder_.start(platform().files.sqlitePath(dictionaryPath));
            indexBuildLogged_ = false;
            scheduleIdleWork();
            return;
        }
        store_.EnsureIndexes();
    } catch (const SqliteException&) {
        // Only speed depends on them.
    }
}

void KeyboardDictionary::ChooseDictionaryFile(int kind) {
    // One file dialog at a time: its hooks keep the state of a single one.
    if (fileDialogKind() != file_dialog::kNone) return;

    // While the dialog is up the exit command knows which one to close.
    struct DialogKind {
        KeyboardDictionary& keyboard;
        ~DialogKind() { keyboard.setFileDialogKind(file_dialog::kNone); }
    } dialogKind{*this};
    setFileDialogKind(kind);
    const std::optional<platform::FileChoice> choice = platform().dialogs.runFileDialog(
        kind != file_dialog::kExport, platform().files.currentDirectory(), dictionaryFilter());
    // The keyboard keeps running under the dialog: it may have been ended
    // or closed meanwhile.
    if (!choice || !stillRunning()) return;
    if (kind == file_dialog::kOpen) {
        openDictionaryFile(*choice);
    } else if (kind == file_dialog::kExport) {
        exportWordTable(*choice);
    }
}

void KeyboardDictionary::openDictionaryFile(const platform::FileChoice& choice) {
    const std::string extension = extensionOf(choice.title);
    if (extension == "txt") return;  // no text import exists
    if (extension != "dic") {
        messages::showError(platform().dialogs, kIncompatibleFormat);
        return;
    }
    const std::string previousPath = dictionaryPath;
    const std::string previousName = dictionaryName;
    const bool previousOpen = database.isOpen();
    database.interrupt();
    closeDictionary();
    CreateFileIfMissing(platform().files, choice.fullPath);
    dictionaryPath = choice.fullPath;
    dictionaryName = baseNameOf(choice.title);
    forgetShownFailures();
    try {
        openDatabase(dictionaryPath);
        store_.CreateWordsTableIfMissing();
        store_.CreateSuccessorsTableIfMissing();
        startJournal();
        ensureIndexes();
    } catch (const SqliteException& failure) {
        // Not a dictionary the keyboard can use: back to the one it had.
        database.close();
        messages::showDictionaryFailure(platform().dialogs, dictionaryPath, failure);
        dictionaryPath = previousPath;
        dictionaryName = previousName;
        if (previousOpen) {
            openDatabase(dictionaryPath);
            startJournal();
        }
        return;
    }
    LoadSentenceStarters();
}

void KeyboardDictionary::exportWordTable(const platform::FileChoice& choice) {
    if (exportTable(database, platform().dialogs, platform().files.hostPath(choice.fullPath),
                    choice.fullPath, statements::FileExportCount(), statements::FileExportRows(),
                    wordLine, kLostData))
        platform().pointer.beep(1000, 100);
}

void KeyboardDictionary::ExportDictionary() { writeExportFiles(); }

bool KeyboardDictionary::writeExportFiles() {
    // The current directory follows the folder of the file last chosen.
    const std::string folder = platform().files.currentDirectory();
    platform::Files& files = platform().files;
    const std::string words = inFolder(folder, "resultados1.txt");
    if (!exportTable(database, platform().dialogs, files.hostPath(words), words,
                     statements::WordExportCount(), statements::WordExportRows(), wordLine))
        return false;
    const std::string pairs = inFolder(folder, "resultados2.txt");
    if (!exportTable(database, platform().dialogs, files.hostPath(pairs), pairs,
                     statements::PairExportCount(), statements::PairExportRows(), pairLine))
        return false;
    platform().pointer.beep(800, 20);
    return true;
}
