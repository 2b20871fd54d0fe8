// The running keyboard's dictionary: the connection, the file in use and its
// name, the six suggestion slots and sentence starters it fills, and the
// operations on dictionary files (switching to another file, exporting it as
// text). The typing engine and the keyboard window build on it; the little
// they must tell it of the keyboard comes through the hooks below.
#pragma once

#include <string>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
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

    void LearnWord(const std::string& folded, const std::string& word);
    void LearnPair(const std::string& first, const std::string& nextFolded,
                   const std::string& next);
    void LoadSentenceStarters();
    void LoadFrequentWords();
    // kind: file_dialog::kOpen or file_dialog::kExport (model/key_codes.h).
    void ChooseDictionaryFile(int kind);
    void ExportDictionary();

    // Whether a dictionary is open; without one, prediction and learning
    // are skipped.
    bool dictionaryAvailable() const { return database.isOpen(); }

    platform::Platform& platform() { return platform_; }

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

    // The two fixed export files; false when one could not be written.
    bool writeExportFiles();
    // Indexes only make lookups faster: a file that cannot take them (read-only,
    // say) is used without them.
    void ensureIndexes();

    platform::Platform& platform_;
    DictionaryStore store_;

private:
    void openDictionaryFile(const platform::FileChoice& choice);
    void exportWordTable(const platform::FileChoice& choice);
};
