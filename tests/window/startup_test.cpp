// Start-up, settings and shutdown of the keyboard window, through the real
// window on the simulated desktop.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "model/LayoutTables.h"
#include "model/key_codes.h"
#include "resources/resource_ids.h"
#include "tests/support/keyboard_fixture.h"
#include "window/pelvok.h"
#include "window/private_messages.h"
#include "window/settings.h"

namespace {

using pelvok_test::kDefaultDictionary;
using pelvok_test::KeyboardTest;

using StartupTest = KeyboardTest;

platform::Rect keyboardRect(sim::SimDesktop& desktop) {
    return desktop.windows().windowRect(desktop.framework().keyboardWindow());
}

// The resource number of the last picture painted.
int lastPicture(sim::SimDesktop& desktop) {
    int id = 0;
    for (const sim::DrawRecord& drawn : desktop.graphics().drawLog())
        if (drawn.kind == sim::DrawRecord::Kind::CopyPicture) id = drawn.pictureId;
    return id;
}

bool hasTables(const std::string& sqlitePath) {
    SqliteDatabase database;
    database.open(sqlitePath);
    return database.hasTable("palabras") && database.hasTable("siguientes");
}

TEST_F(StartupTest, FirstRunWritesTheDefaultsAndCreatesAnEmptyDictionary) {
    CPelvokDlg& keyboard = start();

    EXPECT_EQ(setting(settings::kLetterLayout), "2");
    EXPECT_EQ(setting(settings::kZoom), "1");
    EXPECT_EQ(setting(settings::kPosition), "1");
    EXPECT_EQ(setting(settings::kDictionaryPath), kDefaultDictionary);
    EXPECT_EQ(setting(settings::kDictionaryName), "default");

    EXPECT_TRUE(std::filesystem::is_directory(harness().hostPath("C:\\Pelvok\\diccionarios")));
    EXPECT_EQ(std::filesystem::file_size(harness().hostPath(kDefaultDictionary)) > 0, true);
    EXPECT_TRUE(hasTables(desktop().files().sqlitePath(kDefaultDictionary)));
    // Opening a dictionary gives it the indexes its searches need.
    EXPECT_GT(
        keyboard.database.queryInt(
            "SELECT count(*) FROM sqlite_master WHERE type='index' AND name='palabras_forma'"),
        0);
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryName, "default");

    // The stored arrangement's keys are in force, the arrangement key among them.
    ASSERT_TRUE(keyboard.layout);
    EXPECT_EQ(keyboard.layout->line(0).keyAtColumn(2).getVirtualKey(), command::kArrangement);
    EXPECT_FALSE(keyboard.layout->showsOptimizedLetters());
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 2);
    EXPECT_FLOAT_EQ(keyboard.layout->getScale(), 1.0f);
    EXPECT_EQ(keyboard.zoom, 1);
    EXPECT_EQ(keyboard.position, 1);
    EXPECT_EQ(keyboardRect(desktop()).left, 430);
    EXPECT_EQ(keyboardRect(desktop()).top, 738);

    EXPECT_EQ(keyboard.textLine, "_");
    EXPECT_EQ(keyboard.cursorPos, 0);
    for (const std::string& suggestion : keyboard.suggestions) EXPECT_EQ(suggestion, "");
    EXPECT_EQ(keyboard.highlightState, 1);
    EXPECT_TRUE(keyboard.sentenceStart);
    EXPECT_FALSE(keyboard.selectionActive);
    EXPECT_FALSE(keyboard.spaceAbsorbed);
    EXPECT_TRUE(desktop().framework().iconWasSet());

    // The start key is current and highlighted; the QWERTY lower case is shown.
    EXPECT_EQ(keyboard.layout->getCurrentRow(), 0);
    EXPECT_EQ(keyboard.layout->getCurrentColumn(), 4);
    const Key current = keyboard.layout->currentKey();
    EXPECT_EQ(keyboard.highlight1.getX(), current.getPoint1().getX());
    EXPECT_EQ(keyboard.highlight2.getY(), current.getPoint2().getY());
    EXPECT_EQ(lastPicture(desktop()), IDB_LOWER_1);
    EXPECT_EQ(desktop().graphics().loadedPictures().size(), 36u);
    EXPECT_TRUE(desktop().dialogs().messageBoxes().empty());
}

TEST_F(StartupTest, CapsLockOnAtStartShowsTheCapitals) {
    desktop().keystrokes().setCapsLock(true);
    CPelvokDlg& keyboard = start();
    EXPECT_EQ(keyboard.layout->getCapsLock(), 1);
    EXPECT_EQ(lastPicture(desktop()), IDB_UPPER_1);
}

// A screen of more pixels per inch gets the keyboard at least as large as at
// 96 dpi, with pictures drawn for it; size step 4 needs the screen to be
// wide enough at that scale.
TEST_F(StartupTest, ScreensOfMorePixelsPerInchGetPicturesDrawnForThem) {
    struct Case {
        int dpi;
        int screenWidth, screenHeight;
        const char* zoom;
        int firstPicture;  // IDB_SYMBOLS_1 of the set
        int width, height;
        int zoomInForce;
    };
    const Case cases[] = {
        {96, 1280, 1024, "1", IDB_SYMBOLS_1, 419, 256, 1},
        {120, 1600, 1200, "1", IDB_SYMBOLS_1 + 1000, 628, 384, 1},
        {144, 1920, 1080, "1", IDB_SYMBOLS_1 + 1000, 628, 384, 1},
        {192, 2560, 1440, "1", IDB_SYMBOLS_1 + 2000, 838, 512, 1},
        {288, 3840, 2160, "2", IDB_SYMBOLS_1 + 2000, 930, 568, 2},
        {192, 3840, 2160, "4", IDB_SYMBOLS_1 + 2000, 1554, 949, 4},
        {192, 1920, 1200, "4", IDB_SYMBOLS_1 + 2000, 1022, 624, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, zoom " << c.zoom);
        sim::SimOptions options = pelvok_test::KeyboardHarness::defaultOptions();
        options.dpi = c.dpi;
        options.screenWidth = c.screenWidth;
        options.screenHeight = c.screenHeight;
        makeDesktop(options);
        setSetting(settings::kZoom, c.zoom);
        CPelvokDlg& keyboard = start();
        const std::vector<int>& loaded = desktop().graphics().loadedPictures();
        ASSERT_EQ(loaded.size(), 36u);
        EXPECT_EQ(loaded.front(), c.firstPicture);
        EXPECT_EQ(keyboardRect(desktop()).width(), c.width);
        EXPECT_EQ(keyboardRect(desktop()).height(), c.height);
        EXPECT_EQ(keyboard.zoom, c.zoomInForce);
        EXPECT_EQ(lastPicture(desktop()) % 1000, IDB_LOWER_1 + c.zoomInForce - 1);
    }
}

TEST_F(StartupTest, UnopenableSettingsKeyRunsOnTheDefaults) {
    desktop().settings().setUnopenable(kSettingsKey, true);
    CPelvokDlg& keyboard = start();
    EXPECT_EQ(keyboard.position, 1);
    EXPECT_EQ(keyboard.zoom, 1);
    EXPECT_EQ(keyboard.layout->getLetterLayout(), 2);
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryName, "default");
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_TRUE(desktop().settings().writes().empty());
}

TEST_F(StartupTest, StoredSizeFourDependsOnTheScreenWidth) {
    struct Case {
        int screenWidth;
        int zoom;
        float scale;
    };
    for (const Case& c : {Case{1024, 3, 1.22f}, Case{1280, 4, 1.855f}}) {
        SCOPED_TRACE(c.screenWidth);
        makeScreen(c.screenWidth, 768);
        setSetting(settings::kZoom, "4");
        CPelvokDlg& keyboard = start();
        EXPECT_EQ(keyboard.zoom, c.zoom);
        EXPECT_FLOAT_EQ(keyboard.layout->getScale(), c.scale);
        EXPECT_EQ(setting(settings::kZoom), "4") << "the stored value stays";
    }
}

// The one-digit settings as stored, and what the window makes of them.
// Digits outside their range fall back to the default and the stored value
// is left alone.
TEST_F(StartupTest, OneDigitSettings) {
    struct Case {
        const char* position;
        const char* zoom;
        const char* arrangement;
        int expectedPosition;
        int expectedZoom;
        float scale;
        int letterLayout;
    };
    const Case cases[] = {
        {"5", "2", "1", 5, 2, 1.11f, 1}, {"6", "3", "2", 1, 3, 1.22f, 2},
        {"7", "5", "3", 1, 1, 1.0f, 2},  {"9", "9", "0", 1, 1, 1.0f, 2},
        {"0", "0", "", 1, 1, 1.0f, 2},   {"", "", "A", 1, 1, 1.0f, 2},
        {"A", "A", "12", 1, 1, 1.0f, 1}, {"34", "21", "9", 3, 2, 1.11f, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Position \"" << c.position << "\" Zoom \"" << c.zoom
                                        << "\" KeyBoard \"" << c.arrangement << "\"");
        makeScreen(1280, 1024);
        setSetting(settings::kPosition, c.position);
        setSetting(settings::kZoom, c.zoom);
        setSetting(settings::kLetterLayout, c.arrangement);
        CPelvokDlg& keyboard = start();
        EXPECT_EQ(keyboard.position, c.expectedPosition);
        EXPECT_EQ(keyboard.zoom, c.expectedZoom);
        EXPECT_FLOAT_EQ(keyboard.layout->getScale(), c.scale);
        EXPECT_EQ(keyboard.layout->getLetterLayout(), c.letterLayout);
        EXPECT_EQ(setting(settings::kPosition), c.position);
        EXPECT_EQ(setting(settings::kZoom), c.zoom);
        EXPECT_EQ(setting(settings::kLetterLayout), c.arrangement);
        // Whatever was stored, the window has a picture and a place.
        EXPECT_NE(lastPicture(desktop()), 0);
    }
}

TEST_F(StartupTest, DictionaryNamedBySettingsIsUsedWhenItExists) {
    const std::string other = "C:\\Pelvok\\mio.dic";
    prepareDictionary(other, [](DictionaryStore& store, SqliteDatabase&) {
        store.LearnPair(".", "hola", "hola");
    });
    setSetting(settings::kDictionaryPath, other);
    setSetting(settings::kDictionaryName, "mio");
    CPelvokDlg& keyboard = start();
    EXPECT_EQ(keyboard.dictionaryPath, other);
    EXPECT_EQ(keyboard.dictionaryName, "mio");
    EXPECT_EQ(keyboard.suggestions[0], "hola");
    EXPECT_EQ(setting(settings::kDictionaryPath), other);
}

TEST_F(StartupTest, DeletedDictionaryFileFallsBackToTheDefaultWithItsName) {
    setSetting(settings::kDictionaryPath, "C:\\Pelvok\\borrado.dic");
    setSetting(settings::kDictionaryName, "borrado");
    CPelvokDlg& keyboard = start();
    // Path and name are written together: the next start does not label
    // the default dictionary "borrado".
    EXPECT_EQ(setting(settings::kDictionaryPath), kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
    EXPECT_EQ(keyboard.dictionaryName, "default");
    EXPECT_EQ(setting(settings::kDictionaryName), "default");
    EXPECT_TRUE(keyboard.dictionaryAvailable());
    EXPECT_TRUE(desktop().dialogs().messageBoxes().empty());
}

TEST_F(StartupTest, SentenceStartersBecomeTheFirstSuggestions) {
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase&) {
        for (int i = 0; i < 3; ++i) store.LearnPair(".", "el", "el");
        for (int i = 0; i < 2; ++i) store.LearnPair(".", "l!agua!s", "l!agua!s");
        store.LearnPair(".", "hola", "hola");
        // Too short to be offered.
        for (int i = 0; i < 5; ++i) store.LearnPair(".", "y", "y");
        // Not a successor of a full stop.
        store.LearnPair("el", "perro", "perro");
    });
    CPelvokDlg& keyboard = start();
    const SuggestionSlots expected = {"el", "l'agua's", "hola", "", "", ""};
    EXPECT_EQ(keyboard.suggestions, expected);
    EXPECT_EQ(keyboard.sentenceStarters, expected);
}

TEST_F(StartupTest, NullSentenceStarterIsShownAsError) {
    prepareDefaultDictionary([](DictionaryStore& store, SqliteDatabase& database) {
        store.LearnPair(".", "hola", "hola");
        // The count leaves the NULL out, the rows put it first.
        database.executeUpdate(
            "insert into siguientes(palabra, siguiente, sSinAcento, repSig) "
            "values('.', NULL, 'zz', 10)");
    });
    CPelvokDlg& keyboard = start();
    const SuggestionSlots expected = {"error", "", "", "", "", ""};
    EXPECT_EQ(keyboard.suggestions, expected);
    EXPECT_EQ(keyboard.sentenceStarters, expected);
}

// A dictionary that cannot be used is named in a message; the default one
// takes its place.
TEST_F(StartupTest, UnusableDictionaryIsReportedAndTheDefaultUsed) {
    struct Case {
        const char* what;
        const char* cause;
        bool directory;
    };
    for (const Case& c : {Case{"not a database", "file is not a database", false},
                          Case{"a folder", "unable to open database file", true}}) {
        SCOPED_TRACE(c.what);
        makeScreen(1280, 1024);
        const std::string broken = "C:\\Pelvok\\roto.dic";
        if (c.directory) {
            std::filesystem::create_directories(harness().hostPath(broken));
        } else {
            harness().writeFile(broken, std::string(4096, 'x'));
        }
        setSetting(settings::kDictionaryPath, broken);
        setSetting(settings::kDictionaryName, "roto");
        CPelvokDlg& keyboard = start();

        const auto& boxes = desktop().dialogs().messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        const std::string opening = "No se puede abrir el diccionario " + broken +
                                    " / Cannot open the dictionary " + broken + "\n";
        EXPECT_EQ(boxes[0].text.substr(0, opening.size()), opening);
        EXPECT_NE(boxes[0].text.find(c.cause), std::string::npos) << boxes[0].text;
        EXPECT_TRUE(boxes[0].owned);
        EXPECT_EQ(boxes[0].caption, "zavidavuz");
        EXPECT_TRUE(boxes[0].stopIcon);

        EXPECT_TRUE(keyboard.dictionaryAvailable());
        EXPECT_EQ(keyboard.dictionaryPath, kDefaultDictionary);
        EXPECT_EQ(keyboard.dictionaryName, "default");
        // Both settings name the dictionary in use.
        EXPECT_EQ(setting(settings::kDictionaryPath), kDefaultDictionary);
        EXPECT_EQ(setting(settings::kDictionaryName), "default");
        EXPECT_TRUE(hasTables(desktop().files().sqlitePath(kDefaultDictionary)));
        EXPECT_FALSE(desktop().ended());
    }
}

TEST_F(StartupTest, WithoutAnyUsableDictionaryTheKeyboardStillRuns) {
    harness().writeFile(kDefaultDictionary, std::string(4096, 'x'));
    CPelvokDlg& keyboard = start();
    ASSERT_EQ(desktop().dialogs().messageBoxes().size(), 1u);
    EXPECT_NE(desktop().dialogs().messageBoxes()[0].text.find(kDefaultDictionary),
              std::string::npos);
    EXPECT_FALSE(keyboard.dictionaryAvailable());
    for (const std::string& suggestion : keyboard.suggestions) EXPECT_EQ(suggestion, "");
    EXPECT_FALSE(desktop().ended());
    EXPECT_EQ(lastPicture(desktop()), IDB_LOWER_1);
}

TEST_F(StartupTest, MissingPictureEndsTheProcessWithAFailureCode) {
    for (int missing : {IDB_SYMBOLS_1, IDB_UPPER_2, IDB_OPT_LOWER_SHIFT_2}) {
        SCOPED_TRACE(missing);
        makeScreen(1280, 1024);
        desktop().graphics().setPictureFails(missing, true);
        int code = 0;
        try {
            start();
            ADD_FAILURE() << "the keyboard started without its pictures";
        } catch (const sim::SimProcessExit& exit) {
            code = exit.code;
        }
        EXPECT_NE(code, 0);
        const auto& boxes = desktop().dialogs().messageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Problema al cargar los Bitmaps del teclado");
        EXPECT_FALSE(boxes[0].owned);
        EXPECT_FALSE(boxes[0].caption.has_value());
        EXPECT_EQ(desktop().graphics().loadedPictures().back(), missing)
            << "the remaining pictures are not tried";
    }
}

TEST_F(StartupTest, CloseReleasesTheModelAndLaterCallsDoNothing) {
    CPelvokDlg& keyboard = start();
    desktop().close();
    EXPECT_TRUE(desktop().ended());
    EXPECT_FALSE(keyboard.layout);
    EXPECT_TRUE(keyboard.pictures.empty());
    EXPECT_TRUE(desktop().settings().hasKey(kSettingsKey));

    // A message already queued when the window closed reaches nothing.
    desktop().graphics().clearDrawLog();
    desktop().windows().clearCalls();
    const std::size_t writes = desktop().settings().writes().size();
    keyboard.OnPaint();
    keyboard.OnClose();
    keyboard.selectCell(1, 1);
    EXPECT_EQ(keyboard.moveCurrentUp().getColumn(), -1);
    EXPECT_EQ(keyboard.moveCurrentDown().getColumn(), -1);
    EXPECT_EQ(keyboard.moveCurrentLeft().getColumn(), -1);
    EXPECT_EQ(keyboard.moveCurrentRight().getColumn(), -1);
    keyboard.placeWindow(3);
    keyboard.applySize(2);
    keyboard.nextSize();
    keyboard.drawHighlight(0, 0, 255, 4, 1.0);
    EXPECT_TRUE(desktop().graphics().drawLog().empty());
    EXPECT_TRUE(desktop().windows().calls().empty());
    EXPECT_EQ(desktop().settings().writes().size(), writes) << "closing saves nothing";
}

TEST(Application, InitInstanceRunsTheKeyboardUntilItCloses) {
    sim::SimDesktop desktop(pelvok_test::KeyboardHarness::defaultOptions());
    bool ranModally = false;
    desktop.setModalDriver([&] {
        ranModally = true;
        EXPECT_EQ(desktop.settings().value(kSettingsKey, settings::kDictionaryPath),
                  kDefaultDictionary);
        desktop.close();
    });
    CPelvokApp application(desktop.platform());
    EXPECT_FALSE(application.InitInstance());
    EXPECT_TRUE(ranModally);
    EXPECT_EQ(desktop.framework().keyboardWindow(), 0u);
}

// A second keyboard shows the running one and ends without a window, a
// setting or a dictionary of its own.
TEST(Application, ASecondKeyboardShowsTheRunningOneAndEnds) {
    sim::SimDesktop desktop(pelvok_test::KeyboardHarness::defaultOptions());
    desktop.framework().setOtherInstanceRunning(true);
    bool ranModally = false;
    desktop.setModalDriver([&] { ranModally = true; });
    CPelvokApp application(desktop.platform());
    EXPECT_FALSE(application.InitInstance());
    EXPECT_FALSE(ranModally);
    EXPECT_EQ(desktop.framework().postedToOtherInstance(),
              std::vector<int>{private_message::kShow});
    EXPECT_TRUE(desktop.settings().writes().empty());
    EXPECT_FALSE(desktop.settings().value(kSettingsKey, settings::kDictionaryPath));
}

}  // namespace
