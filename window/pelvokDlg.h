// The keyboard window and the state of the running keyboard. Its operations
// live in several files named after what they do: window/startup.cpp,
// window/placement.cpp, window/painting.cpp, window/pointer.cpp,
// window/dictionary_ops.cpp, typing/activation.cpp, typing/composition.cpp,
// typing/prediction.cpp and dictionary/dictionary_files.cpp.
//
// After WM_CLOSE the model is destroyed (`layout` is null) while the window
// object lives on until the modal run returns: every handler and every
// operation that a message can reach returns at once when `layout` is null.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/DictionaryStore.h"
#include "dictionary/SqliteDatabase.h"
#include "model/Key.h"
#include "model/KeyPoint.h"
#include "model/KeyboardLayout.h"
#include "platform/platform.h"
#include "window/messages.h"

class SqliteException;

// Registry key of the settings, under HKEY_CURRENT_USER.
inline constexpr const char* kSettingsKey = "SOFTWARE\\KeyBoardQuorvel";

class CPelvokDlg : public platform::DialogHandlers {
public:
    using Slots = std::array<std::string, 6>;

    explicit CPelvokDlg(platform::Platform& platform);
    ~CPelvokDlg() override;
    CPelvokDlg(const CPelvokDlg&) = delete;
    CPelvokDlg& operator=(const CPelvokDlg&) = delete;

    // Start-up before the window exists: the settings key, the model and
    // the start key. The application and the tests both start this way.
    void PrepareToRun();
    void OpenSettingsKey();
    void SetUpModel();
    // Runs the window modally until it ends.
    int DoModal();

    // Framework handlers.
    int OnCreate() override;
    bool OnInitDialog() override;
    void OnPaint() override;
    void PreTranslateMessage() override;
    int OnMouseActivate() override;
    void OnMouseMove() override;
    void OnLButtonUp(std::uint32_t flags, std::int32_t point) override;
    void OnRButtonUp(std::uint32_t flags, std::int32_t point) override;
    std::intptr_t OnPrivateMessage(int n, std::uintptr_t wParam) override;
    void OnCommand(int id) override;
    void OnClose() override;

    // Current key and highlight.
    void selectCell(int column, int row);
    Key moveCurrentUp();
    Key moveCurrentDown();
    Key moveCurrentRight();
    Key moveCurrentLeft();

    // Placement and sizes.
    void placeWindow(int position);
    void applySize(int step);
    void nextSize();

    // Painting. The picture of the page and size step on show, null when none.
    const platform::Picture* chosenPicture() const;
    void drawHighlight(std::uint8_t red, std::uint8_t green, std::uint8_t blue, double rings,
                       double scale);

    // Typing engine.
    void ActivateCurrentKey();
    void UpdateComposition(std::uint8_t code, bool shifted, bool control);
    void UpdateSuggestions(std::uint8_t code, const std::string& line,
                           const std::string& lineBeforeEnter);

    // Dictionary.
    void LearnWord(const std::string& folded, const std::string& word);
    void LearnPair(const std::string& first, const std::string& nextFolded,
                   const std::string& next);
    void DeleteSuggestedWord();
    void LoadSentenceStarters();
    void LoadFrequentWords();
    void ChooseDictionaryFile(int kind);
    void ExportDictionary();

    // Whether a dictionary is open; without one, prediction and learning
    // are skipped.
    bool dictionaryAvailable() const { return database.isOpen(); }

    // State of the running keyboard.
    std::unique_ptr<KeyboardLayout> layout;
    KeyPoint highlight1;  // highlight rectangle, base size
    KeyPoint highlight2;
    int highlightState = 1;  // 1 hover, 2 pressed, 3 none
    // The twenty pictures, page by page, size steps 1 to 4 (symbols, lower
    // case, upper case, lower case with SHIFT lit, upper case with SHIFT lit),
    // then the four letter pages of the optimized arrangement.
    std::vector<std::unique_ptr<platform::Picture>> pictures;
    int screenWidth = 0;
    int screenHeight = 0;
    int position = 1;
    int zoom = 1;
    SqliteDatabase database;
    std::string dictionaryPath;
    std::string dictionaryName;
    platform::WindowId lastTarget = 0;
    std::string textLine;
    int cursorPos = 0;
    Slots suggestions;
    Slots sentenceStarters;
    bool sentenceStart = true;
    bool selectionActive = false;
    bool spaceAbsorbed = false;

    platform::Platform& platform() { return platform_; }

    // ---- Key activation, pointer input, dictionary files and the message
    // boundary (typing/activation.cpp, typing/character_keys.cpp,
    // window/pointer.cpp, dictionary/dictionary_files.cpp,
    // window/message_guard.h) ----

    // Every handler runs its body through guarded (window/message_guard.h):
    // nothing runs once the model is gone (after WM_CLOSE), and a dictionary
    // or model failure is shown instead of leaving the handler, which then
    // returns `fallback`.
    template <typename Body>
    void guarded(Body&& body);
    template <typename Result, typename Body>
    Result guarded(Result fallback, Body&& body);
    // Shows a failure of the dictionary in use, once for each SQLite code
    // until another dictionary is opened.
    void reportDictionaryFailure(const SqliteException& failure);
    void reportModelFailure();
    // After opening a dictionary, its failures are shown again.
    void forgetShownFailures() { shownFailures_.clear(); }

private:
    void activateCommand(const Key& key);
    void activateDirect(const Key& key);
    void activateCharacter(const Key& key, std::int16_t scanned, const std::string& line);
    void typePlainCharacter(const Key& key, std::int16_t scanned, const std::string& line);
    void typeShiftedCharacter(const Key& key, std::int16_t scanned, const std::string& line,
                              bool oneShot);
    void completeSuggestion(std::uint8_t code, const std::string& line);
    void typeCompletionCharacter(std::uint8_t ch, bool& capitalise);
    void exitKeyboard();
    void movePointerTo(const Key& key);
    // The chosen command of the menu, 0 when none.
    int showContextMenu(int menuId, const std::vector<int>& disabledItems);
    // The two fixed export files; false when one could not be written.
    bool writeExportFiles();
    void openDictionaryFile(const platform::FileChoice& choice);
    void exportWordTable(const platform::FileChoice& choice);

    std::vector<int> shownFailures_;  // SQLite codes already shown
    bool ending_ = false;             // the exit command has run
    // ---- end of the section ----

private:
    // Start-up.
    void initialise();
    void readSettings();
    void useDefaultDictionary();
    bool openDictionary();
    void ensureIndexes();
    void openDictionaryOrDefault();
    // Painting.
    void paint();
    void drawSuggestions(platform::Surface& surface, float scale);

    platform::Platform& platform_;
    DictionaryStore store_;
};
