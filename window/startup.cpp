// Start-up, settings and shutdown of the keyboard window.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include <sqlite3.h>

#include "dictionary/SqliteException.h"
#include "dictionary/journal.h"
#include "model/LayoutTables.h"
#include "model/key_codes.h"
#include "model/sizes.h"
#include "resources/resource_ids.h"
#include "window/message_guard.h"
#include "dictionary/messages.h"
#include "window/pelvokDlg.h"
#include "window/settings.h"
#include "window/timers.h"

namespace {

// Loaded in this order; `pictures` keeps it (see pelvokDlg.h).
constexpr int kPictureResources[] = {
    IDB_SYMBOLS_1,         IDB_SYMBOLS_2,         IDB_SYMBOLS_3,         IDB_SYMBOLS_4,
    IDB_LOWER_1,           IDB_LOWER_2,           IDB_LOWER_3,           IDB_LOWER_4,
    IDB_UPPER_1,           IDB_UPPER_2,           IDB_UPPER_3,           IDB_UPPER_4,
    IDB_LOWER_SHIFT_1,     IDB_LOWER_SHIFT_2,     IDB_LOWER_SHIFT_3,     IDB_LOWER_SHIFT_4,
    IDB_UPPER_SHIFT_1,     IDB_UPPER_SHIFT_2,     IDB_UPPER_SHIFT_3,     IDB_UPPER_SHIFT_4,
    IDB_OPT_LOWER_1,       IDB_OPT_LOWER_2,       IDB_OPT_LOWER_3,       IDB_OPT_LOWER_4,
    IDB_OPT_UPPER_1,       IDB_OPT_UPPER_2,       IDB_OPT_UPPER_3,       IDB_OPT_UPPER_4,
    IDB_OPT_LOWER_SHIFT_1, IDB_OPT_LOWER_SHIFT_2, IDB_OPT_LOWER_SHIFT_3, IDB_OPT_LOWER_SHIFT_4,
    IDB_OPT_UPPER_SHIFT_1, IDB_OPT_UPPER_SHIFT_2, IDB_OPT_UPPER_SHIFT_3, IDB_OPT_UPPER_SHIFT_4,
};

// Shown before the process ends, when a keyboard picture cannot be loaded.
constexpr const char* kPicturesFailure = "Problema al cargar los Bitmaps del teclado";
// The process's exit code when the pictures cannot be loaded.
constexpr int kPicturesFailureExitCode = 1;

using settings::kDefaultDictionaryName;

// A file that is there but cannot be read now (another program has it open
// for itself, say) counts as there: opening it fails as a failure that passes.
bool fileExists(platform::Files& files, const std::string& path) {
    errno = 0;
    std::FILE* file = std::fopen(files.hostPath(path).c_str(), "rb");
    if (!file) return errno != ENOENT && errno != ENOTDIR && errno != 0;
    std::fclose(file);
    return true;
}

// Failures after which the same file may open later: locks, and files that
// cannot be read for now.
bool mayPass(const SqliteException& failure) {
    if (journal::isLockFailure(failure.code())) return true;
    switch (failure.code() & 0xFF) {
        case SQLITE_CANTOPEN:
        case SQLITE_IOERR:
        case SQLITE_PERM:
            return true;
        default:
            return false;
    }
}

}  // namespace

CPelvokDlg::CPelvokDlg(platform::Platform& platform) : TypingEngine(platform) {}

CPelvokDlg::~CPelvokDlg() = default;

void CPelvokDlg::PrepareToRun() {
    OpenSettingsKey();
    SetUpModel();
    selectCell(4, 0);
}

void CPelvokDlg::OpenSettingsKey() {
    platform::Settings& settings = platform_.settings;
    if (settings.openKey(kSettingsKey)) return;
    settings.createKey(kSettingsKey);
    settings.writeValue(kSettingsKey, settings::kLetterLayout,
                        std::to_string(settings::kLetterLayoutDigit.fallback));
}

void CPelvokDlg::SetUpModel() {
    platform::Settings& settings = platform_.settings;
    layout = std::make_unique<KeyboardLayout>(startupTables(),
                                              platform_.keystrokes.capsLockToggled());
    // A screen of more pixels per inch gets the keyboard as large as at 96
    // dpi or larger, drawn for it, never a small or blurred one.
    pictureSet = sizes::displaySet(platform_.windows.screenDpi());
    layout->setDisplayScale(sizes::kDisplayScales[pictureSet]);
    const int step = settings::readDigit(settings, settings::kZoomDigit);
    layout->setScale(sizes::increment(step, platform_.windows.screenWidth(),
                                      layout->getDisplayScale()));
    // A stored arrangement is applied when the window is initialised.
    if (!settings.readValue(kSettingsKey, settings::kLetterLayout)) {
        const int fallback = settings::kLetterLayoutDigit.fallback;
        settings.writeValue(kSettingsKey, settings::kLetterLayout, std::to_string(fallback));
        layout->setLetterLayout(fallback);
    }
    highlightState = 1;
    sentenceStart = true;
    selectionActive = false;
    spaceAbsorbed = false;
}

int CPelvokDlg::DoModal() { return platform_.framework.runModal(*this); }

int CPelvokDlg::OnCreate() {
    screenWidth = platform_.windows.screenWidth();
    screenHeight = platform_.windows.screenHeight();
    pictures.clear();
    for (int resource : kPictureResources) {
        std::unique_ptr<platform::Picture> picture =
            platform_.graphics.loadPicture(resource + pictureSet * sizes::kDisplaySetOffset);
        if (!picture) {
            // The keyboard cannot be shown without them: say so and end,
            // reporting the failure to whoever started the process.
            platform_.dialogs.messageBox(false, kPicturesFailure, std::nullopt, false);
            platform_.framework.exitProcess(kPicturesFailureExitCode);
        }
        pictures.push_back(std::move(picture));
    }
    return 0;
}

bool CPelvokDlg::OnInitDialog() {
    return guarded(true, [&] {
        initialise();
        return true;
    });
}

void CPelvokDlg::initialise() {
    platform_.framework.setIcon();
    textLine = "_";
    suggestions.fill("");
    readSettings();
    showStoredArrangement();
    openDictionaryOrDefault();
    cursorPos = 0;
    if (position == 6) position = 1;
    placeWindow(position);
    platform_.framework.invalidate(nullptr);
    scanning.start(scanSettings);
}

void CPelvokDlg::readSettings() {
    platform::Settings& settings = platform_.settings;
    if (!settings.openKey(kSettingsKey)) {
        position = settings::kPositionDigit.fallback;
        zoom = settings::kZoomDigit.fallback;
        layout->setLetterLayout(settings::kLetterLayoutDigit.fallback);
        useDefaultDictionary();
        return;
    }
    position = settings::readDigit(settings, settings::kPositionDigit);
    bool zoomRead = false;
    zoom = settings::readDigit(settings, settings::kZoomDigit, &zoomRead);
    if (zoomRead && zoom == sizes::kSteps && !largestSizeFits())
        zoom = sizes::kSteps - 1;
    layout->setLetterLayout(settings::readDigit(settings, settings::kLetterLayoutDigit));
    dwellTime = settings::readNumber(settings, settings::kDwellTime);
    dwellRadius = settings::readNumber(settings, settings::kDwellRadius);
    dwellRepeat = settings::readNumber(settings, settings::kDwellRepeat);
    learningPaused = settings::readNumber(settings, settings::kLearningPaused) == 1;
    noRepeatedSuggestions = settings::readNumber(settings, settings::kNoRepeat) == 1;
    scanSettings = settings::readScanning(settings);

    const std::optional<std::string> path =
        settings.readValue(kSettingsKey, settings::kDictionaryPath);
    if (!path || !fileExists(platform_.files, *path)) {
        useDefaultDictionary();
        return;
    }
    dictionaryPath = *path;
    const std::optional<std::string> name =
        settings.readValue(kSettingsKey, settings::kDictionaryName);
    if (name) {
        dictionaryName = *name;
    } else {
        settings.writeValue(kSettingsKey, settings::kDictionaryName, kDefaultDictionaryName);
        dictionaryName = kDefaultDictionaryName;
    }
}

void CPelvokDlg::showStoredArrangement() {
    // The keys in force are those of the stored arrangement from the first
    // paint on, so that each key pressed is the key drawn there.
    const int row = layout->getCurrentRow();
    const int column = layout->getCurrentColumn();
    layout->loadPage();
    selectCell(column, row);
}

void CPelvokDlg::useDefaultDictionary(bool remember) {
    platform::Files& files = platform_.files;
    std::string path = files.currentDirectory() + "\\diccionarios";
    files.createDirectory(path);
    path += "\\default.dic";
    // The path and the name it is shown by go together, so that the next
    // start does not label the default dictionary with another's name.
    if (remember) {
        platform_.settings.writeValue(kSettingsKey, settings::kDictionaryPath, path);
        platform_.settings.writeValue(kSettingsKey, settings::kDictionaryName,
                                      kDefaultDictionaryName);
    }
    dictionaryPath = path;
    dictionaryName = kDefaultDictionaryName;
    CreateFileIfMissing(files, path);
}

bool CPelvokDlg::openDictionary(bool* temporary) {
    suggestions.fill("");
    sentenceStarters.fill("");
    try {
        openDatabase(dictionaryPath);
        if (database.hasTable("siguientes")) {
            store_.LoadSentenceStartersAtStartup(suggestions, sentenceStarters);
        } else {
            store_.CreateSuccessorsTable();
        }
        store_.CreateWordsTableIfMissing();
        startJournal();
        ensureIndexes();
        return true;
    } catch (const SqliteException& failure) {
        database.close();
        suggestions.fill("");
        sentenceStarters.fill("");
        messages::showDictionaryFailure(platform_.dialogs, dictionaryPath, failure);
        // A folder in its place is no dictionary, now or later.
        std::error_code error;
        if (temporary)
            *temporary = mayPass(failure) &&
                         !std::filesystem::is_directory(
                             platform_.files.hostPath(dictionaryPath), error);
        return false;
    }
}

void CPelvokDlg::openDictionaryOrDefault() {
    bool temporary = false;
    if (openDictionary(&temporary)) return;
    const std::string failed = dictionaryPath;
    const std::string failedName = dictionaryName;
    // A dictionary that may open next time stays the user's: the default one
    // only stands in for it until the keyboard ends.
    useDefaultDictionary(!temporary);
    if (dictionaryPath == failed) return;
    if (temporary) {
        keptDictionaryPath_ = failed;
        keptDictionaryName_ = failedName;
        standInPath_ = dictionaryPath;
        platform_.files.writeLog("the dictionary " + failed +
                                 " could not be opened for now; the default one stands in, "
                                 "and the next start tries it again");
    }
    // Without even the default one the keyboard still types, without
    // prediction (dictionaryAvailable() is false).
    openDictionary();
}

void CPelvokDlg::OnClose() {
    if (!layout) return;
    scanning.stop();
    // The file dialog runs in a loop of its own; left up, it would keep the
    // process alive after the keyboard has gone.
    if (layout->getFileDialogKind() != file_dialog::kNone) platform_.dialogs.closeFileDialog();
    platform_.framework.killTimer(timer::kIdle);
    closeDictionary();
    pictures.clear();
    layout.reset();
    platform_.framework.endDialog();
}

void CPelvokDlg::exitKeyboard() {
    ending_ = true;
    scanning.stop();
    if (layout->getFileDialogKind() != file_dialog::kNone) platform_.dialogs.closeFileDialog();
    settings::save(platform_.settings,
                   {position, zoom, layout->getLetterLayout(), storedDictionaryPath(),
                    storedDictionaryName(), scanSettings, dwellTime, dwellRadius, dwellRepeat,
                    learningPaused ? 1 : 0, noRepeatedSuggestions ? 1 : 0});
    platform_.framework.killTimer(timer::kIdle);
    closeDictionary();
    platform_.framework.endDialog();
}

bool CPelvokDlg::standingIn() const {
    return !keptDictionaryPath_.empty() && dictionaryPath == standInPath_;
}

const std::string& CPelvokDlg::storedDictionaryPath() const {
    return standingIn() ? keptDictionaryPath_ : dictionaryPath;
}

const std::string& CPelvokDlg::storedDictionaryName() const {
    return standingIn() ? keptDictionaryName_ : dictionaryName;
}
