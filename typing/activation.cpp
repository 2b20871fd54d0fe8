// Activating the current key: the frame every key goes through, the command
// keys and the direct keys. Character keys are in typing/character_keys.cpp.
#include "typing/key_sender.h"
#include "window/pelvokDlg.h"

namespace {

// Command codes.
constexpr std::uint8_t kDockTopLeft = 1;
constexpr std::uint8_t kDockTopRight = 2;
constexpr std::uint8_t kDockBottomLeft = 3;
constexpr std::uint8_t kDockBottomRight = 4;
constexpr std::uint8_t kExit = 5;
constexpr std::uint8_t kBackTab = 6;
constexpr std::uint8_t kDeleteWord = 7;
constexpr std::uint8_t kDockBottomCentre = 8;
constexpr std::uint8_t kCopy = 11;
constexpr std::uint8_t kPaste = 12;
constexpr std::uint8_t kDockBottom = 15;
constexpr std::uint8_t kNextSize = 20;
constexpr std::uint8_t kArrangement = 21;
constexpr std::uint8_t kCut = 33;
constexpr std::uint8_t kForwardDelete = 46;

// Direct codes that are not sent as they are.
constexpr std::uint8_t kContextMenu = 2;
constexpr std::uint8_t kExportToFile = 10;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kSymbols = 14;
constexpr std::uint8_t kShiftLatch = 16;
constexpr std::uint8_t kUndo = 19;
constexpr std::uint8_t kCapsLockKey = 20;
constexpr std::uint8_t kEscape = 27;
constexpr std::uint8_t kOpenDictionary = 30;
constexpr std::uint8_t kHomeKey = 31;
constexpr std::uint8_t kEndKey = 32;

// Digit of a setting, or nothing when it is out of its range.
void writeDigit(platform::Settings& settings, const char* name, int value, int last) {
    if (value < 1 || value > last) return;
    settings.writeValue(kSettingsKey, name, std::string(1, static_cast<char>('0' + value)));
}

}  // namespace

void CPelvokDlg::ActivateCurrentKey() {
    const Key key = layout->currentKey();
    KeySender keys(platform().keystrokes);
    const std::int16_t scanned = keys.scan(key.getVirtualKey());
    const std::string line = textLine;
    highlightState = 3;
    if (key.getSize() != 0) {
        highlightState = 2;
        if (key.isCommand() == 1) {
            activateCommand(key);
        } else if (key.isDirect() == 1) {
            activateDirect(key);
        } else {
            activateCharacter(key, scanned, line);
        }
    }
    platform().framework.invalidate(nullptr);
    // Setting the pointer where it is makes the system look again at what
    // lies under it.
    platform().pointer.setCursorPos(platform().pointer.cursorPos());
}

void CPelvokDlg::activateCommand(const Key& key) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    auto dock = [this](int where) {
        position = where;
        placeWindow(where);
    };
    switch (code) {
        case kDockTopLeft:
            dock(3);
            break;
        case kDockTopRight:
            dock(4);
            break;
        case kDockBottomLeft:
            dock(2);
            break;
        case kDockBottomRight:
            dock(5);
            break;
        case kDockBottomCentre:
            dock(1);
            break;
        case kDockBottom:
            // Fitting the application above the keyboard needs one to type into.
            dock(platform().windows.activeWindow() == lastTarget ? 6 : 1);
            break;
        case kExit:
            exitKeyboard();
            break;
        case kBackTab:
            keys.tapWithState(vk::kTab, vk::kShiftState);
            UpdateComposition(vk::kTab, false, true);
            break;
        case kDeleteWord:
            if (selectionActive) {
                keys.tap(vk::kBackspace);
                // The echo cannot follow what the selection held: with the
                // flag still set, the composition clears it.
                UpdateComposition(code, false, true);
                selectionActive = false;
                break;
            }
            // Shift+Control+Left selects the previous word, Delete removes it.
            keys.send(vk::kShift, vk::kDownExtended);
            keys.tapWith(vk::kControl, vk::kLeft);
            keys.send(vk::kShift, vk::kUpExtended);
            keys.tap(vk::kShift);
            keys.tap(vk::kDelete, vk::kDeleteScan);
            UpdateComposition(code, false, true);
            break;
        case kForwardDelete:
            keys.tap(vk::kDelete, vk::kDeleteScan);
            UpdateComposition(code, false, true);
            break;
        case kCopy:
            keys.tapWith(vk::kControl, keys.keyOf('c'));
            UpdateComposition(code, false, true);
            break;
        case kPaste:
            keys.tapWith(vk::kControl, keys.keyOf('v'));
            break;
        case kCut:
            keys.tapWith(vk::kControl, keys.keyOf('x'));
            break;
        case kNextSize:
            nextSize();
            break;
        case kArrangement:
            layout->setLetterLayout(layout->getLetterLayout() == 1 ? 2 : 1);
            layout->loadPage();
            break;
        default:
            break;
    }
}

void CPelvokDlg::activateDirect(const Key& key) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    // Home, End and the arrows: with the SHIFT latch they extend the
    // selection in the target, and the latch stays for the next one.
    auto navigate = [&](std::uint8_t target, bool selects) {
        if (layout->getShiftLatched() != 0) {
            keys.send(vk::kShift, vk::kDownExtended);
            keys.tap(target);
            keys.send(vk::kShift, vk::kUpExtended);
            keys.tap(vk::kShift);
            if (selects) selectionActive = true;
        } else {
            keys.tap(target);
        }
        UpdateComposition(code, false, true);
    };
    switch (code) {
        case kContextMenu:
            keys.tapWithState(vk::kF10, vk::kShiftState);
            UpdateComposition(code, false, true);
            break;
        case kEnter:
        case kEscape:
            // Only into the application the input is attached to, never
            // into a window of the keyboard's own.
            if (platform().windows.activeWindow() == lastTarget) keys.tap(code);
            UpdateComposition(code, false, true);
            break;
        case kSymbols:
            if (layout->getSymbolsPage() != 0) {
                layout->setSymbolsPage(0);
            } else {
                layout->setSymbolsPage(1);
                if (layout->getCapsLock() != 0) {
                    keys.send(vk::kCapsLock, vk::kDownExtended);
                    keys.send(vk::kCapsLock, vk::kUpExtended);
                }
                layout->setCapsLock(0);
                layout->setShiftLatched(0);
            }
            layout->loadPage();
            break;
        case kShiftLatch:
            if (layout->getSymbolsPage() == 0)
                layout->setShiftLatched(layout->getShiftLatched() != 0 ? 0 : 1);
            break;
        case kUndo:
            keys.tapWith(vk::kControl, vk::kZ);
            UpdateComposition(code, false, true);
            break;
        case kCapsLockKey:
            if (layout->getCapsLock() != 0) {
                layout->setCapsLock(0);
            } else {
                if (layout->getSymbolsPage() != 0) layout->setSymbolsPage(0);
                layout->setCapsLock(1);
            }
            keys.send(vk::kCapsLock, vk::kDownExtended);
            keys.send(vk::kCapsLock, vk::kUpExtended);
            layout->loadPage();
            break;
        case kHomeKey:
            navigate(vk::kHome, false);
            break;
        case kEndKey:
            navigate(vk::kEnd, false);
            break;
        case vk::kLeft:
        case vk::kUp:
        case vk::kRight:
        case vk::kDown:
            navigate(code, true);
            break;
        case kExportToFile:
        case kOpenDictionary:
            // The composition runs the dictionary-file operation.
            UpdateComposition(code, false, true);
            break;
        default:
            keys.tap(code);
            UpdateComposition(code, false, true);
            break;
    }
}

void CPelvokDlg::exitKeyboard() {
    ending_ = true;
    const int dialogKind = layout->getFileDialogKind();
    if (dialogKind == 1 || dialogKind == 2) platform().dialogs.closeFileDialog();
    platform::Settings& settings = platform().settings;
    writeDigit(settings, "Position", position, 6);
    writeDigit(settings, "Zoom", zoom, 4);
    writeDigit(settings, "KeyBoard", layout->getLetterLayout(), 2);
    settings.writeValue(kSettingsKey, "ruta_BD", dictionaryPath);
    settings.writeValue(kSettingsKey, "nombre_BD", dictionaryName);
    database.close();
    platform().framework.endDialog();
}
