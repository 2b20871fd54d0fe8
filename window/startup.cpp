// Start-up, settings and shutdown of the keyboard window.
#include <cstdio>
#include <optional>

#include "dictionary/SqliteException.h"
#include "model/LayoutTables.h"
#include "model/key_codes.h"
#include "model/sizes.h"
#include "resources/resource_ids.h"
#include "window/message_guard.h"
#include "dictionary/messages.h"
#include "window/pelvokDlg.h"
#include "window/settings.h"

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

bool fileExists(platform::Files& files, const std::string& path) {
    std::FILE* file = std::fopen(files.hostPath(path).c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
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

void CPelvokDlg::useDefaultDictionary() {
    platform::Files& files = platform_.files;
    std::string path = files.currentDirectory() + "\\diccionarios";
    files.createDirectory(path);
    path += "\\default.dic";
    // The path and the name it is shown by go together, so that the next
    // start does not label the default dictionary with another's name.
    platform_.settings.writeValue(kSettingsKey, settings::kDictionaryPath, path);
    platform_.settings.writeValue(kSettingsKey, settings::kDictionaryName, kDefaultDictionaryName);
    dictionaryPath = path;
    dictionaryName = kDefaultDictionaryName;
    CreateFileIfMissing(files, path);
}

bool CPelvokDlg::openDictionary() {
    suggestions.fill("");
    sentenceStarters.fill("");
    try {
        database.open(platform_.files.sqlitePath(dictionaryPath));
        if (database.hasTable("siguientes")) {
            store_.LoadSentenceStartersAtStartup(suggestions, sentenceStarters);
        } else {
            store_.CreateSuccessorsTable();
        }
        store_.CreateWordsTableIfMissing();
        ensureIndexes();
        return true;
    } catch (const SqliteException& failure) {
        database.close();
        suggestions.fill("");
        sentenceStarters.fill("");
        messages::showDictionaryFailure(platform_.dialogs, dictionaryPath, failure);
        return false;
    }
}

void CPelvokDlg::openDictionaryOrDefault() {
    if (openDictionary()) return;
    const std::string failed = dictionaryPath;
    useDefaultDictionary();
    if (dictionaryPath == failed) return;
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
    pictures.clear();
    layout.reset();
    platform_.framework.endDialog();
}

void CPelvokDlg::exitKeyboard() {
    ending_ = true;
    scanning.stop();
    if (layout->getFileDialogKind() != file_dialog::kNone) platform_.dialogs.closeFileDialog();
    settings::save(platform_.settings,
                   {position, zoom, layout->getLetterLayout(), dictionaryPath, dictionaryName,
                    scanSettings, dwellTime, dwellRadius, dwellRepeat, learningPaused ? 1 : 0,
                    noRepeatedSuggestions ? 1 : 0});
    database.close();
    platform_.framework.endDialog();
}
