// Activating the current key: the frame every key goes through, the command
// keys and the direct keys. Character keys are in typing/character_keys.cpp.
#include "model/key_codes.h"
#include "typing/TypingEngine.h"
#include "typing/key_sender.h"

void TypingEngine::ActivateCurrentKey() {
    const Key key = layout->currentKey();
    KeySender keys(platform().keystrokes);
    const std::int16_t scanned = keys.scan(key.getVirtualKey());
    const std::string line = textLine;
    // The arrows came back to where the selection began: nothing is selected.
    if (selectionActive && selectionAnchor == cursorPos) selectionActive = false;
    highlightState = 3;
    if (key.getSize() != 0) {
        highlightState = 2;
        // A waiting accent would combine with, or be taken by, what this key
        // sends, differently from one system to another: a space types it
        // alone first, as the echo shows it.
        if (deadKeyPending && settlesDeadKey(key, scanned)) {
            const std::uint8_t held = heldAccent();
            if (held != 0) {
                keys.typeCharacter(held);
            } else {
                keys.tap(keys.keyOf(' '));
            }
            deadKeyPending = false;
        }
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

bool TypingEngine::settlesDeadKey(const Key& key, std::int16_t scanned) {
    const std::uint8_t code = key.getVirtualKey();
    if (key.isCommand() == 1) {
        return code == command::kBackTab || code == command::kDeleteWord ||
               code == command::kForwardDelete || code == command::kCopy ||
               code == command::kPaste || code == command::kCut;
    }
    if (key.isDirect() == 1) {
        switch (code) {
            case direct::kSymbols:
            case direct::kShiftLatch:
            case direct::kCapsLock:
            case direct::kOpenDictionary:
            case direct::kExportWords:
                return false;
            case direct::kEnter:
            case direct::kEscape:
                return platform().windows.activeWindow() == lastTarget;
            default:
                return true;
        }
    }
    // Another accent, or a suggestion that takes letters back.
    const auto typed = KeySender::lowByte(scanned);
    if (layout->getSymbolsPage() == 0 && KeySender::highByte(scanned) == 0 &&
        suggestion_key::is(typed))
        return !suggestions[static_cast<std::size_t>(suggestion_key::slot(typed))].empty();
    return cp1252::isDeadKeyAccent(code);
}

void TypingEngine::activateCommand(const Key& key) {
    KeySender keys(platform().keystrokes);
    const std::uint8_t code = key.getVirtualKey();
    auto dock = [this](int where) {
        position = where;
        placeWindow(where);
    };
    switch (code) {
        case command::kDockTopLeft:
            dock(3);
            break;
        case command::kDockTopRight:
            dock(4);
            break;
        case command::kDockBottomLeft:
            dock(2);
            break;
        case command::kDockBottomRight:
            dock(5);
            break;
        case command::kDockBottomCentre:
            dock(1);
            break;
        case command::kDockBottom:
            // Fitting the application above the keyboard needs one to type into.
            dock(platform().windows.activeWindow() == lastTarget ? 6 : 1);
            break;
        case command::kExit:
            exitKeyboard();
            break;
        case command::kBackTab:
            keys.tapWithState(vk::kTab, vk::kShiftState);
            UpdateComposition(vk::kTab, false, true);
            break;
        case command::kDeleteWord:
            if (selectionActive) {
                keys.tap(vk::kBackspace);
                // With the flag still set, the composition takes the selection out.
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
        case command::kForwardDelete:
            keys.tap(vk::kDelete, vk::kDeleteScan);
            UpdateComposition(code, false, true);
            break;
        case command::kCopy:
            keys.tapWith(vk::kControl, keys.keyOf('c'));
            UpdateComposition(code, false, true);
            break;
        case command::kPaste:
            keys.tapWith(vk::kControl, keys.keyOf('v'));
            UpdateComposition(code, false, true);
            break;
        case command::kCut:
            keys.tapWith(vk::kControl, keys.keyOf('x'));
            UpdateComposition(code, false, true);
            break;
        case command::kNextSize:
            nextSize();
            break;
        case command::kArrangement:
            layout->setLetterLayout(layout->getLetterLayout() == 1 ? 2 : 1);
            layout->loadPage();
            break;
        default:
            break;
    }
}

void TypingEngine::activateDirect(const Key& key) {
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
            if (selects) {
                if (!selectionActive) selectionAnchor = cursorPos;
                selectionActive = true;
            }
        } else {
            keys.tap(target);
        }
        UpdateComposition(code, false, true);
    };
    switch (code) {
        case direct::kContextMenu:
            keys.tapWithState(vk::kF10, vk::kShiftState);
            UpdateComposition(code, false, true);
            break;
        case direct::kEnter:
        case direct::kEscape:
            // Only into the application the input is attached to, never
            // into a window of the keyboard's own.
            if (platform().windows.activeWindow() == lastTarget) keys.tap(code);
            UpdateComposition(code, false, true);
            break;
        case direct::kSymbols:
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
        case direct::kShiftLatch:
            if (layout->getSymbolsPage() == 0)
                layout->setShiftLatched(layout->getShiftLatched() != 0 ? 0 : 1);
            break;
        case direct::kUndo:
            keys.tapWith(vk::kControl, vk::kZ);
            UpdateComposition(code, false, true);
            break;
        case direct::kCapsLock:
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
        case direct::kHome:
            navigate(vk::kHome, false);
            break;
        case direct::kEnd:
            navigate(vk::kEnd, false);
            break;
        case direct::kLeft:
        case direct::kUp:
        case direct::kRight:
        case direct::kDown:
            navigate(code, true);
            break;
        case direct::kExportWords:
        case direct::kOpenDictionary:
            // The composition runs the dictionary-file operation.
            UpdateComposition(code, false, true);
            break;
        default:
            keys.tap(code);
            UpdateComposition(code, false, true);
            break;
    }
}
