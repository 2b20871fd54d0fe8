// Broken dictionaries, broken settings, a read-only dictionary and a full
// disk, each met by the real keyboard with an edit box in front: what the
// user sees (the message boxes, and whether the keys still suggest from the
// default dictionary), that typing goes on, and that the file is as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "model/key_codes.h"
#include "tests/integration/typing_session.h"
#include "window/settings.h"

namespace integration_test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBroken = "C:\\Pelvok\\roto.dic";

// The file without the header fields a session's journal mode changes: the
// write-ahead mode (bytes 18 and 19) and the change counter with its copy
// (24 to 27, 92 to 95), which every switch of the mode moves on.
std::string withoutJournalFields(std::string file) {
    for (const auto& [from, to] : {std::pair{18, 20}, std::pair{24, 28}, std::pair{92, 96}})
        for (int i = from; i < to && i < static_cast<int>(file.size()); ++i) file[i] = 0;
    return file;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class HostileFilesTest;

struct HostileCase {
    const char* name;
    // Before start: the file, and the settings that name it.
    void (*prepare)(HostileFilesTest&);
    // The file that must stay byte for byte as it was ("" none).
    const char* kept;
    // Pieces of the text of each message box shown, box by box.
    std::vector<std::vector<std::string>> messages;
    // After start, and undone after typing: the disk is full.
    bool fullDisk = false;
    // The dictionary is opened from the file dialog, read-only.
    bool readOnly = false;
    // The first suggestion for "ho": from the default dictionary when it took
    // the place of a broken one.
    const char* suggested = "hola";
    // More to check afterwards.
    void (*check)(HostileFilesTest&) = nullptr;
    // The settings Zoom and KeyBoard.
    const char* zoom = "1";
    const char* arrangement = "2";
};

class HostileFilesTest : public TypingSession, public testing::WithParamInterface<HostileCase> {
public:
    std::string host(const std::string& windowsPath) { return harness().hostPath(windowsPath); }

    // A dictionary of a few pages: 300 words, each also a sentence starter.
    void makeDictionary(const std::string& windowsPath) {
        prepareDictionary(windowsPath, [](DictionaryStore&, SqliteDatabase& database) {
            database.executeUpdate(
                "pragma synchronous = off; begin;"
                "with recursive n(i) as (select 0 union all select i + 1 from n where i < 299) "
                "insert into palabras select 'palabra' || i, 'palabra' || i, 1 from n;"
                "insert into siguientes select '.', palabra, pSinAcento, 1 from palabras;"
                "commit;");
        });
    }
    void nameDictionary(const std::string& windowsPath) {
        setSetting(settings::kDictionaryPath, windowsPath);
        setSetting(settings::kDictionaryName, "roto");
    }
    void set(const char* name, const std::string& value) { setSetting(name, value); }
};

// A page of the file replaced with the bytes given, from `offset` on.
void damage(HostileFilesTest& t, std::size_t offset, const std::string& bytes) {
    t.makeDictionary(kBroken);
    std::string file = readBytes(t.host(kBroken));
    file.replace(offset, bytes.size(), bytes);
    writeBytes(t.host(kBroken), file);
    t.nameDictionary(kBroken);
}

const char* const kCannotOpen = "No se puede abrir el diccionario C:\\Pelvok\\roto.dic";

const HostileCase kCases[] = {
    {"TextFile",
     [](HostileFilesTest& t) {
         std::string text;
         for (int i = 0; i < 100; ++i) text += "Esto no es un diccionario.\r\n";
         writeBytes(t.host(kBroken), text);
         t.nameDictionary(kBroken);
     },
     kBroken,
     {{kCannotOpen, "file is not a database"}}},
    {"Truncated",
     [](HostileFilesTest& t) {
         t.makeDictionary(kBroken);
         fs::resize_file(t.host(kBroken), fs::file_size(t.host(kBroken)) / 2);
         t.nameDictionary(kBroken);
     },
     kBroken,
     {{"database disk image is malformed"}}},
    {"CutInsideTheHeader",
     [](HostileFilesTest& t) {
         t.makeDictionary(kBroken);
         fs::resize_file(t.host(kBroken), 60);
         t.nameDictionary(kBroken);
     },
     kBroken,
     {{"database disk image is malformed"}}},
    // Its sentence starters stay on the keys, the searches of the words fail.
    {"GarbledTablePage",
     [](HostileFilesTest& t) { damage(t, 4096, std::string(4096, '\xA5')); },
     kBroken,
     {{"Error en el diccionario C:\\Pelvok\\roto.dic", "database disk image is malformed"}},
     false,
     false,
     "palabra0"},
    {"GarbledSchemaPage",
     [](HostileFilesTest& t) { damage(t, 100, std::string(300, '\x5A')); },
     kBroken,
     {{"malformed"}}},
    {"Folder",
     [](HostileFilesTest& t) {
         fs::create_directories(t.host(kBroken));
         t.nameDictionary(kBroken);
     },
     "",
     {{kCannotOpen, "unable to open database file"}}},
    // Another program's tables: the keyboard uses them, runs none of its
    // triggers, and reads each column by its name.
    {"ForeignSchema",
     [](HostileFilesTest& t) {
         SqliteDatabase database;
         database.open(t.host(kBroken));
         database.executeUpdate(
             "create table PALABRAS(repPal int, pSinAcento char(40), palabra char(40), otra);"
             "create table siguientes(siguiente, palabra, repSig, sSinAcento);"
             "create table marcas(n);"
             "create trigger t after insert on PALABRAS begin insert into marcas values(1); end;"
             "insert into PALABRAS values(1099511627776, 'hombre', 'hombre', 'x');");
         t.nameDictionary(kBroken);
     },
     "",
     {},
     false,
     false,
     "hombre",
     [](HostileFilesTest& t) {
         SqliteDatabase database;
         database.open(t.host(kBroken));
         EXPECT_EQ(database.queryInt("select count(*) from marcas"), 0);
         EXPECT_EQ(database.queryInt("select count(*) from PALABRAS where palabra = 'mesa' and "
                                     "pSinAcento = 'mesa' and repPal = 1"),
                   1);
     }},
    // Garbage in every value: the defaults serve, and the values stay as
    // they were but for the dictionary's path and name, which name the one
    // in use.
    {"GarbageSettings",
     [](HostileFilesTest& t) {
         t.set(settings::kPosition, "99999999999999999999");
         t.set(settings::kDictionaryPath, "C:\\Pelvok\\<|>*?\x01.dic");
         t.set(settings::kDictionaryName, std::string(5000, 'x'));
         t.set(settings::kScanning, "9");
         t.set(settings::kScanInterval, "-");
         t.set(settings::kSwitchKey, "0x76");
         t.set("DwellTime", "abc");
         t.set("LearningPaused", "2");
     },
     "",
     {},
     false,
     false,
     "hola",
     nullptr,
     "-1",
     "\xFF\xFE"},
    {"ReadOnlyDictionary",
     [](HostileFilesTest& t) { t.makeDictionary(kBroken); },
     kBroken,
     {{"Error en el diccionario C:\\Pelvok\\roto.dic", "attempt to write a readonly database"}},
     false,
     true,
     ""},
    // A file that may grow no more (RLIMIT_FSIZE): SQLite reports the short
    // write as an I/O error.
    {"FullDisk",
     [](HostileFilesTest&) {},
     pelvok_test::kDefaultDictionary,
     {{"Error en el diccionario C:\\Pelvok\\diccionarios\\default.dic", "disk I/O error"}},
     true},
};

TEST_P(HostileFilesTest, TheUserIsToldAndTypingGoesOnWithTheFileAsItWas) {
    const HostileCase& c = GetParam();
    // The default dictionary suggests "hola" for "ho".
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
        for (int i = 0; i < 3; ++i) store.LearnWord("hola", "hola");
    });
    c.prepare(*this);
    std::string kept = c.kept[0] ? readBytes(host(c.kept)) : "";
    std::vector<std::pair<std::string, std::string>> settingsBefore;
    for (const char* name :
         {settings::kLetterLayout, settings::kZoom, settings::kPosition, settings::kScanning,
          settings::kScanInterval, settings::kSwitchKey, "DwellTime", "LearningPaused"})
        if (const auto value = setting(name)) settingsBefore.emplace_back(name, *value);

    startTyping(c.zoom, c.arrangement);
    // The session skips the waits for the disk: opened again from the file
    // dialog, the dictionary is written as the keyboard writes it.
    if (c.readOnly || c.fullDisk) {
        // Root opens any file for writing: another user opens it.
        const bool root = c.readOnly && geteuid() == 0;
        if (c.readOnly) {
            fs::permissions(desktop().files().home(), fs::perms(0755));
            fs::permissions(host(c.kept), fs::perms(0444));
        }
        if (root) {
            ASSERT_EQ(seteuid(65534), 0);
        }
        desktop().queueFileAnswer(sim::FileAnswer::choose(c.kept));
        window().ChooseDictionaryFile(file_dialog::kOpen);
        if (root) {
            ASSERT_EQ(seteuid(0), 0);
        }
        ASSERT_EQ(window().dictionaryPath, c.kept);
    }
    struct rlimit unlimited {};
    if (c.fullDisk) {
        // Opening gave the file its indexes.
        kept = readBytes(host(c.kept));
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &unlimited);
        struct rlimit full = unlimited;
        full.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    const bool typed = run("ho");
    const std::string suggested = window().suggestions[0];
    const bool typedOn = run("la mesa ");
    if (c.fullDisk) setrlimit(RLIMIT_FSIZE, &unlimited);
    ASSERT_TRUE(typed && typedOn);

    EXPECT_EQ(target().text(), "hola mesa ");
    const std::vector<sim::MessageBoxRecord>& boxes = desktop().dialogs().messageBoxes();
    ASSERT_EQ(boxes.size(), c.messages.size());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (const std::string& part : c.messages[i])
            EXPECT_NE(boxes[i].text.find(part), std::string::npos) << boxes[i].text;
    EXPECT_EQ(suggested, c.suggested);
    if (c.kept[0]) {
        EXPECT_TRUE(withoutJournalFields(readBytes(host(c.kept))) == withoutJournalFields(kept))
            << c.kept << " changed";
        EXPECT_FALSE(fs::exists(host(c.kept) + "-journal"));
    }
    for (const auto& [name, value] : settingsBefore) EXPECT_EQ(setting(name), value) << name;
    EXPECT_FALSE(desktop().ended());
    if (c.check) c.check(*this);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFilesTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace integration_test
