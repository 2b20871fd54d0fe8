#include "tests/e2e/StandInDialog.h"

#include <windows.h>

#include "resources/resource_ids.h"

namespace {

// h, o, l, a, ñ, é (no key of its own on a Spanish layout: a Unicode
// keystroke), A (shifted), and € which is always typed as a Unicode keystroke.
constexpr char kKeys[] =
    "hola\xF1\xE9"
    "A\x80";
constexpr int kKeyCount = 8;
constexpr int kUnicodeKey = 7;
constexpr int kKeyTop = 180;
constexpr int kKeyBottom = 215;

constexpr platform::Color kBlue{0, 0, 255};
constexpr platform::Color kBlack{0, 0, 0};

}  // namespace

StandInDialog::StandInDialog(platform::Platform& platform) : platform_(platform) {}

int StandInDialog::OnCreate() {
    screenWidth_ = platform_.windows.screenWidth();
    screenHeight_ = platform_.windows.screenHeight();
    picture_ = platform_.graphics.loadPicture(IDB_LOWER_1);
    if (!picture_) {
        platform_.dialogs.messageBox(false, "Error al cargar las im\xE1genes", std::nullopt, true);
    }
    return 0;
}

bool StandInDialog::OnInitDialog() {
    platform_.framework.setIcon();
    echo_ = "_";
    showEcho();
    platform_.windows.moveWindow(platform_.framework.keyboardWindow(), (screenWidth_ - 419) / 2,
                                 screenHeight_ - 256 - 30, 419, 256, true);
    platform_.framework.invalidate(nullptr);
    return true;
}

void StandInDialog::OnPaint() {
    if (platform_.framework.isMinimized() || !picture_) return;
    auto frame = platform_.graphics.createComposition(picture_->width(), picture_->height());
    if (!frame) {
        platform_.dialogs.messageBox(true, "Error, no hay memoria / Error, not enougth memory.",
                                     std::string("zavidavuz"), true);
        return;
    }
    frame->copyPicture(*picture_);
    frame->selectFont({18, 900, true});
    frame->textOut(7, 7, echo_);
    frame->selectFont({13, 900, false});
    for (int key = 0; key < kKeyCount; ++key) {
        platform::Rect box = keyRect(key);
        frame->drawText(std::string(1, kKeys[key]), box, platform::Align::Centre, false);
        frame->frameRect(box, kBlack);
    }
    frame->selectFont({11, 700, false});
    frame->drawText("stand-in keyboard", {133, 241, 315, 255}, platform::Align::Right, true);
    platform_.graphics.present(*frame);

    auto window = platform_.graphics.windowSurface();
    platform::Rect ring = keyRect(current_);
    for (int i = 0; i < 4; ++i) {
        window->frameRect(
            {ring.left - 1 + i, ring.top - 1 + i, ring.right + 2 - i, ring.bottom + 2 - i}, kBlue);
    }
}

void StandInDialog::PreTranslateMessage() {
    platform::Windows& windows = platform_.windows;
    platform::WindowId foreground = windows.foregroundWindow();
    if (foreground && foreground != platform_.framework.keyboardWindow() &&
        foreground != lastTarget_) {
        if (windows.isWindow(lastTarget_)) windows.attachInput(lastTarget_, false);
        lastTarget_ = foreground;
        windows.attachInput(foreground, true);
    }
}

int StandInDialog::OnMouseActivate() { return MA_NOACTIVATE; }

void StandInDialog::OnMouseMove() {
    platform::Point pointer = platform_.pointer.cursorPos();
    platform::Rect window = platform_.windows.windowRect(platform_.framework.keyboardWindow());
    int key = keyAt(pointer.x - window.left, pointer.y - window.top);
    if (key < 0 || key == current_) return;
    current_ = key;
    platform_.framework.invalidate(nullptr);
}

void StandInDialog::OnLButtonUp(std::uint32_t, std::int32_t point) {
    int key = keyAt(static_cast<std::int16_t>(point & 0xFFFF),
                    static_cast<std::int16_t>((point >> 16) & 0xFFFF));
    if (key < 0) return;
    current_ = key;
    activate();
}

void StandInDialog::OnRButtonUp(std::uint32_t, std::int32_t point) {
    int key = keyAt(static_cast<std::int16_t>(point & 0xFFFF),
                    static_cast<std::int16_t>((point >> 16) & 0xFFFF));
    if (key != 0) return;
    platform::WindowId active = platform_.windows.activeWindow();
    std::vector<int> disabled;
    if (screenWidth_ <= 1024) disabled.push_back(ID_SIZE_EXTRA_BIG);
    int chosen =
        platform_.dialogs.trackPopupMenu(IDR_MENU_SIZE, platform_.pointer.cursorPos(), disabled, {});
    append("[menu " + std::to_string(chosen) + "]");
    platform_.windows.setActiveWindow(active);
}

std::intptr_t StandInDialog::OnPrivateMessage(int n, std::uintptr_t wParam) {
    platform::WindowId self = platform_.framework.keyboardWindow();
    switch (n) {
        case 10:
            return platform_.windows.showWindow(self, true);
        case 11:
            return platform_.windows.showWindow(self, false);
        case 20:
            switch (wParam & 0xFF) {
                case 'C':
                    if (current_ > 0) pointerToKey(--current_);
                    break;
                case 'G':
                    if (current_ < kKeyCount - 1) pointerToKey(++current_);
                    break;
                case 'W':
                    activate();
                    break;
                case 'F': {
                    // Test hook: the on-screen open dialog.
                    static const char kFilter[] =
                        "Diccionary files (*.dic)\0*.dic\0All files (*.*)\0*.*\0";
                    std::string filter(kFilter, sizeof(kFilter));
                    auto choice = platform_.dialogs.runFileDialog(
                        true, platform_.files.currentDirectory(), filter);
                    append(choice ? "[file " + choice->title + "]" : "[no file]");
                    break;
                }
                case 'X':
                    platform_.dialogs.closeFileDialog();
                    break;
                default:
                    break;
            }
            platform_.framework.invalidate(nullptr);
            return 0;
        case 31: {
            platform::Point pointer = platform_.pointer.cursorPos();
            platform::Rect window = platform_.windows.windowRect(self);
            int key = keyAt(pointer.x - window.left, pointer.y - window.top);
            if (key >= 0) current_ = key;
            pointerToKey(current_);
            platform_.framework.invalidate(nullptr);
            return 0;
        }
        case 33:
            echo_ = "_";
            showEcho();
            platform_.framework.invalidate(nullptr);
            return 0;
        default:
            return 0;
    }
}

void StandInDialog::OnCommand(int id) { append("[command " + std::to_string(id) + "]"); }

void StandInDialog::OnClose() { picture_.reset(); }

int StandInDialog::keyAt(int x, int y) const {
    for (int key = 0; key < kKeyCount; ++key) {
        platform::Rect r = keyRect(key);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return key;
    }
    return -1;
}

platform::Rect StandInDialog::keyRect(int key) const {
    int left = 20 + 48 * key;
    return {left, kKeyTop, left + 40, kKeyBottom};
}

void StandInDialog::activate() {
    auto ch = static_cast<std::uint8_t>(kKeys[current_]);
    platform::Keystrokes& keys = platform_.keystrokes;
    std::int16_t scan = current_ == kUnicodeKey ? -1 : keys.vkKeyScan(ch);
    int shift = scan == -1 ? -1 : (scan >> 8) & 0xFF;
    if (shift == 0 || shift == 1) {
        auto vk = static_cast<std::uint8_t>(scan & 0xFF);
        if (shift) keys.keybdEvent(VK_SHIFT, 0, 0);
        keys.keybdEvent(vk, 0, 0);
        keys.keybdEvent(vk, 0, platform::kKeyUp);
        if (shift) keys.keybdEvent(VK_SHIFT, 0, platform::kKeyUp);
    } else {
        keys.typeCharacter(ch);
    }
    append(std::string(1, static_cast<char>(ch)));
}

void StandInDialog::pointerToKey(int key) {
    platform::Rect window = platform_.windows.windowRect(platform_.framework.keyboardWindow());
    platform::Rect r = keyRect(key);
    platform_.pointer.setCursorPos(
        {window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2});
}

void StandInDialog::append(const std::string& text) {
    echo_.insert(echo_.size() - 1, text);
    showEcho();
    platform_.framework.invalidate(nullptr);
}

void StandInDialog::showEcho() {
    SetWindowTextA(reinterpret_cast<HWND>(platform_.framework.keyboardWindow()), echo_.c_str());
}
