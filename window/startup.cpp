// Start-up, settings and shutdown of the keyboard window.
#include <cstdio>
#include <optional>

#include "dictionary/SqliteException.h"
#include "model/LayoutTables.h"
#include "resources/resource_ids.h"
#include "window/message_guard.h"
#include "window/messages.h"
#include "window/pelvokDlg.h"

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

// The process's exit code when the pictures cannot be loaded.
constexpr int kPicturesFailureExitCode = 1;

const char* const kDefaultDictionaryName = "default";

// A one-digit setting. A missing value gets its default written back; a
// value whose first character is not a digit from `low` to `high` is not
// one the keyboard can work with, and the default is used instead.
int readDigit(platform::Settings& settings, const char* name, int fallback, int low, int high,
              bool* wasRead = nullptr) {
    const std::optional<std::string> value = settings.readValue(kSettingsKey, name);
    if (wasRead) *wasRead = value.has_value();
    if (!value) {
        settings.writeValue(kSettingsKey, name, std::to_string(fallback));
        return fallback;
    }
    const int digit = value->empty() ? -1 : static_cast<unsigned char>((*value)[0]) - '0';
    if (digit < low || digit > high) return fallback;
    return digit;
}

// The factor setScale takes for a size step 1 to 4.
float scaleFactor(int step, int screenWidth) {
    const int k = step - 1;
    if (k == 3) return screenWidth > 1024 ? 0.855f : 0.22f;
    return static_cast<float>(k * 0.11);
}

bool fileExists(platform::Files& files, const std::string& path) {
    std::FILE* file = std::fopen(files.hostPath(path).c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

CPelvokDlg::CPelvokDlg(platform::Platform& platform) : platform_(platform), store_(database) {}

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
    settings.writeValue(kSettingsKey, "KeyBoard", "2");
}

void CPelvokDlg::SetUpModel() {
    platform::Settings& settings = platform_.settings;
    layout = std::make_unique<KeyboardLayout>(startupTables());
    const int step = readDigit(settings, "Zoom", 1, 1, 4);
    layout->setScale(scaleFactor(step, platform_.windows.screenWidth()));
    // A stored arrangement is applied when the window is initialised.
    if (!settings.readValue(kSettingsKey, "KeyBoard")) {
        settings.writeValue(kSettingsKey, "KeyBoard", "2");
        layout->setLetterLayout(2);
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
        std::unique_ptr<platform::Picture> picture = platform_.graphics.loadPicture(resource);
        if (!picture) {
            // The keyboard cannot be shown without them: say so and end,
            // reporting the failure to whoever started the process.
            platform_.dialogs.messageBox(false, messages::kPicturesFailure, std::nullopt, false);
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
    openDictionaryOrDefault();
    cursorPos = 0;
    if (position == 6) position = 1;
    placeWindow(position);
    platform_.framework.invalidate(nullptr);
}

void CPelvokDlg::readSettings() {
    platform::Settings& settings = platform_.settings;
    if (!settings.openKey(kSettingsKey)) {
        position = 1;
        zoom = 1;
        layout->setLetterLayout(2);
        useDefaultDictionary();
        dictionaryName = kDefaultDictionaryName;
        return;
    }
    position = readDigit(settings, "Position", 1, 1, 6);
    bool zoomRead = false;
    zoom = readDigit(settings, "Zoom", 1, 1, 4, &zoomRead);
    if (zoomRead && zoom == 4 && screenWidth <= 1024) zoom = 3;
    layout->setLetterLayout(readDigit(settings, "KeyBoard", 2, 1, 2));

    const std::optional<std::string> path = settings.readValue(kSettingsKey, "ruta_BD");
    if (path && fileExists(platform_.files, *path)) {
        dictionaryPath = *path;
    } else {
        useDefaultDictionary();
    }
    const std::optional<std::string> name = settings.readValue(kSettingsKey, "nombre_BD");
    if (name) {
        dictionaryName = *name;
    } else {
        settings.writeValue(kSettingsKey, "nombre_BD", kDefaultDictionaryName);
        dictionaryName = kDefaultDictionaryName;
    }
}

void CPelvokDlg::useDefaultDictionary() {
    platform::Files& files = platform_.files;
    std::string path = files.currentDirectory() + "\\diccionarios";
    files.createDirectory(path);
    path += "\\default.dic";
    platform_.settings.writeValue(kSettingsKey, "ruta_BD", path);
    dictionaryPath = path;
    // An empty file is an empty database to SQLite.
    const std::string host = files.hostPath(path);
    std::FILE* file = std::fopen(host.c_str(), "r");
    if (!file) file = std::fopen(host.c_str(), "a");
    if (file) std::fclose(file);
}

void CPelvokDlg::ensureIndexes() {
    try {
        store_.EnsureIndexes();
    } catch (const SqliteException&) {
        // Only speed depends on them: a file that cannot take them (read-only,
        // say) still predicts.
    }
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
    // The name shown is that of the dictionary in use.
    dictionaryName = kDefaultDictionaryName;
    // Without even the default one the keyboard still types, without
    // prediction (dictionaryAvailable() is false).
    openDictionary();
}

void CPelvokDlg::OnClose() {
    if (!layout) return;
    // The file dialog runs in a loop of its own; left up, it would keep the
    // process alive after the keyboard has gone.
    if (layout->getFileDialogKind() != 0) platform_.dialogs.closeFileDialog();
    pictures.clear();
    layout.reset();
    platform_.framework.endDialog();
}
