// The keyboard window and the state of the running keyboard. The typing
// engine (typing/TypingEngine.h) and the dictionary in use
// (dictionary/KeyboardDictionary.h) are its bases; the window's own
// operations live in files named after what they do: window/startup.cpp,
// window/placement.cpp, window/painting.cpp, window/pointer.cpp,
// window/selection.cpp, window/scanning.cpp and window/dictionary_ops.cpp.
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

#include "model/Key.h"
#include "model/KeyPoint.h"
#include "platform/platform.h"
#include "typing/TypingEngine.h"
#include "window/scanning.h"
#include "window/settings.h"

class SqliteException;

class CPelvokDlg : public TypingEngine, public platform::DialogHandlers {
public:
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
    void OnDisplayChange() override;
    void OnTimer(int id) override;
    void OnHotKey(int id) override;

    // Current key and highlight.
    void selectCell(int column, int row);
    Key moveCurrentUp();
    Key moveCurrentDown();
    Key moveCurrentRight();
    Key moveCurrentLeft();

    // Placement and sizes.
    void placeWindow(int position) override;
    void applySize(int step);
    void nextSize() override;

    // Painting. The picture of the page and size step on show, null when none.
    const platform::Picture* chosenPicture() const;
    void drawHighlight(std::uint8_t red, std::uint8_t green, std::uint8_t blue, double rings,
                       double scale);

    // The word of the suggestion key under the context menu.
    void DeleteSuggestedWord();

    // State of the running keyboard besides that of its bases.
    KeyPoint highlight1;  // highlight rectangle, base size
    KeyPoint highlight2;
    // The twenty pictures, page by page, size steps 1 to 4 (symbols, lower
    // case, upper case, lower case with SHIFT lit, upper case with SHIFT lit),
    // then the four letter pages of the optimized arrangement.
    std::vector<std::unique_ptr<platform::Picture>> pictures;
    int screenWidth = 0;
    int screenHeight = 0;
    // The pictures' set for the screen's pixels per inch (model/sizes.h).
    int pictureSet = 0;
    // Switch scanning, as the settings ask for it at start.
    settings::Scanning scanSettings;
    SwitchScanning scanning{*this};
    // Whether size step 4 fits the screen.
    bool largestSizeFits() const;

    // Dwell selection (window/dwell.cpp): the milliseconds the pointer rests
    // on a key to press it (0 off), the pixels it may wander meanwhile, and
    // the milliseconds before the same key presses again while the pointer
    // stays on it (0: only once it has left).
    int dwellTime = 0;
    int dwellRadius = 10;
    int dwellRepeat = 0;
    void setDwellTime(int milliseconds);
    // The context menu's item: off, or on at the last time used.
    void toggleDwell();
    // How far the pointer has rested on its key, 0 to 1.
    double dwellProgress() const;

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
    void forgetShownFailures() override { shownFailures_.clear(); }
    void learningFailed(const SqliteException& failure) override;
    void learningDelayed(const SqliteException& failure) override;
    void scheduleIdleWork() override;

protected:
    void exitKeyboard() override;

private:
    void movePointerTo(const Key& key);
    // Where the window docks: the work area of the monitor in use.
    platform::Rect dockingArea();
    // The chosen command of the menu, 0 when none.
    int showContextMenu(int menuId, const std::vector<int>& disabledItems,
                        const std::vector<int>& checkedItems);

    // Start-up.
    void initialise();
    void readSettings();
    void showStoredArrangement();
    // `remember`: the settings name it from now on.
    void useDefaultDictionary(bool remember = true);
    // False when it could not be opened; `temporary` tells whether that may
    // pass (another program holds it, it cannot be read for now).
    bool openDictionary(bool* temporary = nullptr);
    void openDictionaryOrDefault();
    // The dictionary the settings name: the one in use, unless that stands in
    // for the user's own, which could not be opened for now.
    bool standingIn() const;
    const std::string& storedDictionaryPath() const;
    const std::string& storedDictionaryName() const;
    // Painting.
    void paint();
    void drawSuggestions(platform::Surface& surface, float scale);

    // Dwell selection.
    void dwellPointerMoved();
    void dwellTick();
    void stopDwell();
    void drawDwellProgress(platform::Surface& surface, float scale);
    struct Dwell {
        bool watching = false;  // the timer runs
        int row = -1;           // the key rested on
        int column = -1;
        platform::Point anchor;  // where the rest began, client pixels
        std::int64_t since = 0;
        std::int64_t progressAt = 0;
        bool pressed = false;
    };
    Dwell dwell_;
    int dwellTimeWhenOn_ = 1000;
    bool menuUp_ = false;

    std::vector<int> shownFailures_;  // SQLite codes already shown
    // The user's own dictionary while the one at standInPath_ stands in for it.
    std::string keptDictionaryPath_;
    std::string keptDictionaryName_;
    std::string standInPath_;
};
