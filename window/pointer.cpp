// Pointer input, the context menus and the private messages through which
// other programs show, hide and drive the keyboard.
#include "model/key_codes.h"
#include "model/sizes.h"
#include "resources/resource_ids.h"
#include "typing/key_sender.h"
#include "typing/text_utils.h"
#include "window/message_guard.h"
#include "window/pelvokDlg.h"
#include "window/private_messages.h"
#include "window/timers.h"

namespace {

// Height of the text-line strip across the top of the window.
int stripHeight(float scale) { return static_cast<int>(30 * scale); }

bool sameCorner(const KeyPoint& a, const KeyPoint& b) {
    return a.getX() == b.getX() && a.getY() == b.getY();
}

}  // namespace

void CPelvokDlg::PreTranslateMessage() {
    guarded([&] {
        // Sharing the input state of the application in front lets the
        // keyboard see its active window and focus.
        platform::Windows& windows = platform().windows;
        const platform::WindowId front = windows.foregroundWindow();
        if (front == 0 || !windows.isWindow(front)) return;
        if (front == platform().framework.keyboardWindow() || front == lastTarget) return;
        if (windows.isWindow(lastTarget)) windows.attachInput(lastTarget, false);
        lastTarget = front;
        windows.attachInput(front, true);
    });
}

// A click must neither activate the keyboard nor be lost.
int CPelvokDlg::OnMouseActivate() { return 3; }

void CPelvokDlg::OnMouseMove() {
    guarded([&] {
        dwellPointerMoved();
        // The frame is the scanning's: the pointer resting on the window
        // must not move it.
        if (scanning.on()) return;
        const platform::Point pointer = platform().pointer.cursorPos();
        const platform::Rect window =
            platform().windows.windowRect(platform().framework.keyboardWindow());
        layout->selectAt(pointer.x - window.left, pointer.y - window.top);
        const Key key = layout->currentKey();
        if (key.getVirtualKey() == 0 || sameCorner(key.getPoint1(), highlight1) ||
            sameCorner(key.getPoint2(), highlight2))
            return;
        highlightState = 1;
        highlight1 = key.getPoint1();
        highlight2 = key.getPoint2();
        platform::Rect below = platform().framework.clientRect();
        below.top = stripHeight(layout->getScale());
        platform().framework.invalidate(&below);
    });
}

void CPelvokDlg::OnLButtonUp(std::uint32_t, std::int32_t point) {
    guarded([&] {
        // While scanning, a click anywhere on the window is the switch.
        if (scanning.on()) {
            scanning.press();
            return;
        }
        const std::int32_t cell = layout->cellAt(point);
        const int column = packedLow(cell);
        const int row = packedHigh(cell);
        if (column == -1 || row == -1) return;
        selectCell(column, row);
        platform().framework.invalidate(nullptr);
        ActivateCurrentKey();
    });
}

void CPelvokDlg::OnRButtonUp(std::uint32_t, std::int32_t point) {
    guarded([&] {
        const std::int32_t cell = layout->cellAt(point);
        highlightState = 3;
        const int column = packedLow(cell);
        const int row = packedHigh(cell);
        if (column == -1 || row == -1) return;
        selectCell(column, row);
        const Key key = layout->currentKey();
        KeySender keys(platform().keystrokes);
        const std::int16_t scanned = keys.scan(key.getVirtualKey());
        const std::uint8_t target = KeySender::lowByte(scanned);
        const int shiftState = KeySender::highByte(scanned);
        const platform::WindowId active = platform().windows.activeWindow();

        int chosen = 0;
        if (key.getSize() != 0 && key.isCommand() == 0 && key.isDirect() == 0 && shiftState == 0) {
            if (suggestion_key::is(target) && layout->getSymbolsPage() == 0 &&
                !suggestions[static_cast<std::size_t>(suggestion_key::slot(target))].empty()) {
                chosen = showContextMenu(IDR_MENU_SUGGESTION, {}, {});
            } else if (target == 'W') {
                platform().pointer.beep(800, 50);
                if (writeExportFiles()) platform().pointer.beep(800, 100);
            }
        } else if (target == 'T') {
            // Control+T: the magnifier and the Caps Lock key (code 20).
            std::vector<int> disabled;
            if (!largestSizeFits()) disabled.push_back(ID_SIZE_EXTRA_BIG);
            std::vector<int> checked;
            if (dwellTime > 0) checked.push_back(ID_DWELL);
            if (learningPaused) checked.push_back(ID_PAUSE_LEARNING);
            if (noRepeatedSuggestions) checked.push_back(ID_NO_REPEAT);
            chosen = showContextMenu(IDR_MENU_SIZE, disabled, checked);
        }
        platform().windows.setActiveWindow(active);
        platform().framework.invalidate(nullptr);
        // The chosen item arrives after the right click, as WM_COMMAND.
        if (chosen != 0) OnCommand(chosen);
    });
}

void CPelvokDlg::OnTimer(int id) {
    guarded([&] {
        if (id == timer::kScanStep) scanning.step();
        if (id == timer::kDwell) dwellTick();
        if (id == timer::kIdle) {
            platform().framework.killTimer(timer::kIdle);
            if (!DoIdleWork()) platform().framework.setTimer(timer::kIdle, timer::kLockedRetry);
        }
    });
}

void CPelvokDlg::scheduleIdleWork() {
    if (!ending_) platform().framework.setTimer(timer::kIdle, timer::kIdleDelay);
}

void CPelvokDlg::OnHotKey(int id) {
    guarded([&] {
        if (id == switch_key::kPress) scanning.press();
        if (id == switch_key::kMove) scanning.step();
    });
}

int CPelvokDlg::showContextMenu(int menuId, const std::vector<int>& disabledItems,
                                const std::vector<int>& checkedItems) {
    // No dwell press while the menu is up: the pointer rests on it, not on a key.
    stopDwell();
    menuUp_ = true;
    const int chosen = platform().dialogs.trackPopupMenu(
        menuId, platform().pointer.cursorPos(), disabledItems, checkedItems);
    menuUp_ = false;
    return chosen;
}

void CPelvokDlg::OnCommand(int id) {
    guarded([&] {
        if (id == ID_DELETE_WORD) {
            DeleteSuggestedWord();
        } else if (id >= ID_SIZE_SMALL && id <= ID_SIZE_EXTRA_BIG) {
            applySize(id - ID_SIZE_SMALL + 1);
        } else if (id == ID_DWELL) {
            toggleDwell();
        } else if (id == ID_PAUSE_LEARNING) {
            learningPaused = !learningPaused;
            platform().framework.invalidate(nullptr);
        } else if (id == ID_NO_REPEAT) {
            noRepeatedSuggestions = !noRepeatedSuggestions;
        }
    });
}

std::intptr_t CPelvokDlg::OnPrivateMessage(int n, std::uintptr_t wParam) {
    return guarded(std::intptr_t{0}, [&]() -> std::intptr_t {
        const platform::WindowId keyboard = platform().framework.keyboardWindow();
        switch (n) {
            case private_message::kShow:
                return platform().windows.showWindow(keyboard, true) ? 1 : 0;
            case private_message::kHide:
                return platform().windows.showWindow(keyboard, false) ? 1 : 0;
            case private_message::kDrive: {
                Key moved;
                switch (static_cast<char>(wParam & 0xFF)) {
                    case 'A':
                        moved = moveCurrentUp();
                        break;
                    case 'C':
                        moved = moveCurrentLeft();
                        break;
                    case 'E':
                        moved = moveCurrentDown();
                        break;
                    case 'G':
                        moved = moveCurrentRight();
                        break;
                    case 'W':
                        ActivateCurrentKey();
                        return 0;
                    default:
                        return 0;
                }
                // At the edge of the grid the pointer stays.
                if (moved.getColumn() != -1) movePointerTo(moved);
                return 0;
            }
            case private_message::kSnap: {
                const platform::Point pointer = platform().pointer.cursorPos();
                const platform::Rect window = platform().windows.windowRect(keyboard);
                layout->selectAt(pointer.x - window.left, pointer.y - window.top);
                const Key key = layout->currentKey();
                highlight1 = key.getPoint1();
                highlight2 = key.getPoint2();
                movePointerTo(key);
                // The frame moves: the old one goes as the new one is drawn.
                platform().framework.invalidate(nullptr);
                return 0;
            }
            case private_message::kResetLine: {
                // The target keeps its text: the echo starts again not knowing
                // it, but with the accent that waits there for its letter.
                const unsigned char waiting = charAt(textLine, cursorPos - 1);
                textLine = "_";
                cursorPos = 0;
                if (deadKeyPending && cp1252::isDeadKeyAccent(waiting)) {
                    textLine.insert(textLine.begin(), static_cast<char>(waiting));
                    cursorPos = 1;
                }
                textBeforeUnknown = true;
                textAfterUnknown = true;
                selectionActive = false;
                platform::Rect strip = platform().framework.clientRect();
                strip.bottom = stripHeight(layout->getScale());
                platform().framework.invalidate(&strip);
                return 0;
            }
            default:
                return 0;
        }
    });
}

void CPelvokDlg::movePointerTo(const Key& key) {
    const platform::Rect window =
        platform().windows.windowRect(platform().framework.keyboardWindow());
    const float s = layout->getScale();
    const KeyPoint a = key.getPoint1();
    const KeyPoint b = key.getPoint2();
    const int x = static_cast<int>((a.getX() + (b.getX() - a.getX()) / 2) * s);
    const int y = static_cast<int>((a.getY() + (b.getY() - a.getY()) / 2) * s);
    platform().pointer.setCursorPos(platform::Point{window.left + x, window.top + y});
}
