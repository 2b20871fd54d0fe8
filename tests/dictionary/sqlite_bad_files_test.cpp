#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "dictionary/DictionaryStore.h"
#include "dictionary/statements.h"
#include "tests/dictionary/failure.h"
#include "tests/dictionary/temp_folder.h"

namespace {

// Dictionary files that are damaged, refused or busy. Each failure carries
// SQLite's code and text (statements that fail to compile carry only the
// code), and the file is the same byte for byte afterwards.
class BadFilesTest : public testing::Test {
protected:
    // A dictionary of a few pages: 300 words, each also a sentence starter.
    std::string makeDictionary(const std::string& name) {
        const std::string path = folder.file(name);
        SqliteDatabase db;
        db.open(path);
        // Built in one transaction, without waiting for the disk.
        db.executeUpdate("pragma synchronous = off; begin;");
        DictionaryStore store(db);
        store.CreateWordsTable();
        store.CreateSuccessorsTable();
        db.executeUpdate(
            "with recursive n(i) as (select 0 union all select i + 1 from n where i < 299) "
            "insert into palabras select 'palabra' || i, 'palabra' || i, 1 from n;"
            "insert into siguientes select '.', palabra, pSinAcento, 1 from palabras;"
            "commit;");
        return path;
    }

    // What a query and an update raise; neither changes the file.
    void expectFailures(const std::string& path, const Failure& onRead, const Failure& onWrite) {
        const std::string before = readBytes(path);
        SqliteDatabase db;
        db.setBusyWait(1);
        db.open(path);
        DictionaryStore store(db);
        EXPECT_EQ(failureOf([&] { db.queryInt(statements::P4()); }), onRead);
        EXPECT_EQ(failureOf([&] { store.DeleteWord("palabra7"); }), onWrite);
        db.close();
        EXPECT_EQ(readBytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }

    TempFolder folder;
};

TEST_F(BadFilesTest, AFileThatIsNotADatabase) {
    const std::string path = folder.file("notas.dic");
    std::string text;
    for (int i = 0; i < 100; ++i) text += "Esto no es un diccionario.\r\n";
    writeBytes(path, text);
    expectFailures(path, {26, "UNKNOWN_ERROR[26]: "},
                   {26, "UNKNOWN_ERROR[26]: file is not a database"});
}

TEST_F(BadFilesTest, ATruncatedDictionary) {
    const std::string path = makeDictionary("cortado.dic");
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    expectFailures(path, {11, "SQLITE_CORRUPT[11]: "},
                   {11, "SQLITE_CORRUPT[11]: database disk image is malformed"});
}

TEST_F(BadFilesTest, ADictionaryCutInsideItsHeader) {
    const std::string path = makeDictionary("cabecera.dic");
    std::filesystem::resize_file(path, 60);
    expectFailures(path, {11, "SQLITE_CORRUPT[11]: "},
                   {11, "SQLITE_CORRUPT[11]: database disk image is malformed"});
}

TEST_F(BadFilesTest, ADictionaryWithAGarbledPage) {
    const std::string path = makeDictionary("roto.dic");
    std::string bytes = readBytes(path);
    // Page 2 is the root of palabras.
    bytes.replace(4096, 4096, std::string(4096, '\xA5'));
    writeBytes(path, bytes);
    expectFailures(path, {11, "SQLITE_CORRUPT[11]: database disk image is malformed"},
                   {11, "SQLITE_CORRUPT[11]: database disk image is malformed"});
}

TEST_F(BadFilesTest, AnEmptyFileIsAnEmptyDictionary) {
    const std::string path = folder.file("nuevo.dic");
    writeBytes(path, "");
    SqliteDatabase db;
    db.open(path);
    DictionaryStore store(db);
    EXPECT_TRUE(store.CreateWordsTableIfMissing());
    EXPECT_TRUE(store.CreateSuccessorsTableIfMissing());
    store.LearnWord("hola", "hola");
    EXPECT_EQ(db.queryInt(statements::P4()), 1);
}

// Root opens any file for writing, so the test drops to another user while
// SQLite opens the file.
TEST_F(BadFilesTest, AReadOnlyDictionary) {
    const std::string path = makeDictionary("solo-lectura.dic");
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    const std::string before = readBytes(path);
    SqliteDatabase db;
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    db.open(path);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    DictionaryStore store(db);
    EXPECT_EQ(db.queryInt(statements::WordExportCount()), 300);
    const Failure readOnly{8, "SQLITE_READONLY[8]: attempt to write a readonly database"};
    EXPECT_EQ(failureOf([&] { store.LearnWord("nueva", "nueva"); }), readOnly);
    EXPECT_EQ(failureOf([&] { store.LearnWord("palabra7", "palabra7"); }), readOnly);
    EXPECT_EQ(failureOf([&] { store.DeleteWord("palabra7"); }), readOnly);
    EXPECT_EQ(failureOf([&] { db.executeUpdate(statements::AgeWords()); }), readOnly);
    db.close();
    EXPECT_EQ(readBytes(path), before);
}

TEST_F(BadFilesTest, ADictionaryLockedByAnotherConnection) {
    const std::string path = makeDictionary("ocupado.dic");
    SqliteDatabase other;
    other.open(path);
    other.executeUpdate("begin exclusive;");
    SqliteDatabase db;
    EXPECT_EQ(db.busyTimeoutMs(), 60000);
    db.setBusyWait(1);
    db.open(path);
    DictionaryStore store(db);
    EXPECT_EQ(failureOf([&] { db.queryInt(statements::WordExportCount()); }),
              (Failure{5, "SQLITE_BUSY[5]: "}));
    EXPECT_EQ(failureOf([&] { store.DeleteWord("palabra7"); }),
              (Failure{5, "SQLITE_BUSY[5]: database is locked"}));
    other.executeUpdate("commit;");
    EXPECT_EQ(db.queryInt(statements::WordExportCount()), 300);

    // A reader in the middle of its query keeps writers of other connections out.
    SqliteQuery reading = other.runQuery(statements::P5());
    EXPECT_EQ(failureOf([&] { store.LearnWord("nueva", "nueva"); }),
              (Failure{5, "SQLITE_BUSY[5]: database is locked"}));
    reading.finalize();
    store.LearnWord("nueva", "nueva");
    EXPECT_EQ(other.queryInt(statements::WordExportCount()), 301);
}

}  // namespace
