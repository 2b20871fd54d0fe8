// Drives the keyboard window from outside, as a switch-access program would,
// and reads what arrived in the target's edit control. A console program run
// under Wine: pelvok-e2e-driver COMMAND [ARGS] [: COMMAND [ARGS]]...
// Texts are written and expected with non-ASCII bytes as \xNN escapes.
// Exits non-zero at the first failed expectation.
#include <windows.h>
// windows.h first.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/LetterPageKeys.h"

namespace {

int failures = 0;

void fail(const std::string& what) {
    std::printf("FAIL: %s\n", what.c_str());
    std::fflush(stdout);
    ++failures;
}

void ok(const std::string& what) {
    std::printf("ok: %s\n", what.c_str());
    std::fflush(stdout);
}

std::string escape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof(buf), "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out += static_cast<char>(std::strtol(text.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string windowText(HWND window) {
    char text[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

// The keyboard: a captionless tool-window dialog.
BOOL CALLBACK findKeyboard(HWND window, LPARAM found) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (className(window) == "#32770" && (exStyle & WS_EX_TOOLWINDOW) && (style & WS_POPUP) &&
        (style & WS_CAPTION) != WS_CAPTION) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND keyboard() {
    HWND found = nullptr;
    EnumWindows(findKeyboard, reinterpret_cast<LPARAM>(&found));
    return found;
}

BOOL CALLBACK countKeyboards(HWND window, LPARAM count) {
    HWND found = nullptr;
    findKeyboard(window, reinterpret_cast<LPARAM>(&found));
    if (found) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// A context menu on show.
HWND popupMenu() {
    HWND menu = nullptr;
    while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
        if (IsWindowVisible(menu)) return menu;
    }
    return nullptr;
}

HWND target() { return FindWindowA("PelvokE2ETarget", nullptr); }

HWND targetEdit() {
    HWND window = target();
    return window ? FindWindowExA(window, nullptr, "Edit", nullptr) : nullptr;
}

struct FileDialogSearch {
    DWORD process;
    HWND keyboard;
    HWND found;
};

BOOL CALLBACK findFileDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<FileDialogSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (window != search->keyboard && process == search->process && IsWindowVisible(window) &&
        className(window) == "#32770" &&
        FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND fileDialog() {
    FileDialogSearch search = {0, keyboard(), nullptr};
    if (!search.keyboard) return nullptr;
    GetWindowThreadProcessId(search.keyboard, &search.process);
    EnumWindows(findFileDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls until the condition holds or the seconds run out.
template <typename Condition>
bool waitFor(double seconds, Condition condition) {
    DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (!condition()) {
        if (GetTickCount() > end) return false;
        Sleep(20);
    }
    return true;
}

void key(BYTE vk, bool up) { keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

void tap(BYTE vk) {
    key(vk, false);
    key(vk, true);
}

HWND fileNameBox(HWND dialog) {
    HWND box = GetDlgItem(dialog, 0x480);  // edt1
    if (!box) {
        HWND combo = GetDlgItem(dialog, 0x47C);  // cmb13
        box = combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
    }
    return box;
}

// The on-screen adaptations of the open dialog, seen from outside.
void checkFileDialog() {
    HWND dialog = nullptr;
    if (!waitFor(10, [&] { return (dialog = fileDialog()) != nullptr; })) {
        fail("no file dialog came up");
        return;
    }
    ok("file dialog up: \"" + escape(windowText(dialog)) + "\"");
    if (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) {
        ok("file dialog is top-most");
    } else {
        fail("file dialog is not top-most");
    }
    if (!waitFor(1, [&] {
            return target() && !(GetWindowLongA(target(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        })) {
        fail("the target was made top-most");
    }
    HWND readOnly = GetDlgItem(dialog, 0x410);
    if (readOnly && IsWindowVisible(readOnly)) {
        fail("read-only box visible");
    } else {
        ok("read-only box hidden");
    }
    HWND toolbar = FindWindowExA(dialog, nullptr, "ToolbarWindow32", nullptr);
    LRESULT state = toolbar ? SendMessageA(toolbar, TB_GETSTATE, 0xA002, 0) : -1;
    if (state != -1 && (state & TBSTATE_HIDDEN)) {
        ok("new-folder button hidden");
    } else {
        fail("new-folder button not hidden (state " + std::to_string(state) + ")");
    }
    HWND view = FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = view ? FindWindowExA(view, nullptr, "SysListView32", nullptr) : nullptr;
    if (!list) {
        fail("no file list");
    } else {
        LONG style = GetWindowLongA(list, GWL_STYLE);
        LRESULT ex = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        if (style & LVS_EDITLABELS) fail("file list still renames in place");
        if (ex != LVS_EX_FULLROWSELECT) fail("file list extended style " + std::to_string(ex));
        if (!(style & LVS_EDITLABELS) && ex == LVS_EX_FULLROWSELECT) ok("file list adapted");
    }

    // Keystrokes into the name box: Delete and Ctrl+V are swallowed, others pass.
    HWND box = fileNameBox(dialog);
    if (!box) {
        fail("no file name box");
        return;
    }
    if (GetForegroundWindow() != dialog) {
        fail("file dialog is not in the foreground");
        return;
    }
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ab"));
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3);
        std::memcpy(GlobalLock(memory), "ZZ", 3);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    }
    tap(VK_END);
    tap(VK_LEFT);
    tap(VK_DELETE);
    key(VK_CONTROL, false);
    tap('V');
    tap('X');
    key(VK_CONTROL, true);
    tap('X');
    if (waitFor(5, [&] { return windowText(box) == "axb"; })) {
        ok("name box: Delete, Ctrl+V and Ctrl+X swallowed, x typed");
    } else {
        fail("name box holds \"" + escape(windowText(box)) + "\", expected \"axb\"");
    }
}

void checkResources(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        fail("cannot load " + exe);
        return;
    }
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(5));
    const auto* dialog =
        found ? static_cast<const WORD*>(LockResource(LoadResource(module, found))) : nullptr;
    // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy.
    if (!dialog || dialog[0] != 1 || dialog[1] != 0xFFFF) {
        fail("dialog 102 is not an extended template");
    } else {
        DWORD exStyle, style;
        std::memcpy(&exStyle, dialog + 4, 4);
        std::memcpy(&style, dialog + 6, 4);
        const auto* items = dialog + 8;
        const auto* box = reinterpret_cast<const short*>(items + 1);
        DWORD expected = WS_POPUP | DS_SYSMODAL | DS_SETFONT;
        if (style == expected && exStyle == (WS_EX_TOOLWINDOW | WS_EX_TOPMOST) && items[0] == 0 &&
            box[0] == 0 && box[1] == 0 && box[2] == 200 && box[3] == 350) {
            ok("dialog 102: WS_POPUP|DS_SYSMODAL|DS_SETFONT, top-most tool window, 200x350, "
               "no controls");
        } else {
            char buf[160];
            std::snprintf(buf, sizeof(buf), "dialog 102: style %lx ex %lx items %u size %dx%d",
                          style, exStyle, items[0], box[2], box[3]);
            fail(buf);
        }
    }
    struct Item {
        int menu;
        int id;
        const char* text;
    };
    const Item items[] = {{32771, 32772, "Borrar palabra / Delete word"},
                          {32773, 32774, "Peque\xF1o / Small"},
                          {32773, 32775, "Mediano / Medium"},
                          {32773, 32776, "Grande  / Big"},
                          {32773, 32777, "Extra grande / Extra big"},
                          {32773, 32778, "Pulsar al posarse / Dwell"},
                          {32773, 32779, "Pausar el aprendizaje / Pause learning"},
                          {32773, 32780, "No repetir sugerencias / No repeated suggestions"}};
    bool menusOk = true;
    for (const Item& item : items) {
        HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(item.menu));
        HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
        char text[64] = {};
        if (popup) GetMenuStringA(popup, item.id, text, sizeof(text), MF_BYCOMMAND);
        if (std::strcmp(text, item.text) != 0) {
            fail("menu " + std::to_string(item.menu) + " item " + std::to_string(item.id) + ": \"" +
                 escape(text) + "\"");
            menusOk = false;
        }
        if (menu) DestroyMenu(menu);
    }
    HMENU size = LoadMenuA(module, MAKEINTRESOURCEA(32773));
    // The four sizes with a separator before the last, then a separator and
    // the three switches.
    if (!size || GetMenuItemCount(GetSubMenu(size, 0)) != 9 ||
        !(GetMenuState(GetSubMenu(size, 0), 3, MF_BYPOSITION) & MF_SEPARATOR) ||
        !(GetMenuState(GetSubMenu(size, 0), 5, MF_BYPOSITION) & MF_SEPARATOR)) {
        fail("menu 32773 is not the four sizes, a separator and the three switches");
        menusOk = false;
    }
    if (menusOk) ok("menus 32771 and 32773");
    // Each picture's resource id and size step; the bitmaps are 24-bit.
    const int steps[][4] = {{157, 158, 159, 160}, {161, 162, 163, 164}, {175, 166, 167, 177},
                            {168, 169, 170, 171}, {172, 173, 174, 176}, {181, 182, 183, 184},
                            {185, 186, 187, 188}, {189, 190, 191, 192}, {193, 194, 195, 196}};
    const int sizes[4][2] = {{419, 256}, {464, 284}, {511, 312}, {776, 475}};
    int pictures = 0;
    for (const auto& row : steps) {
        for (int step = 0; step < 4; ++step) {
            int id = row[step];
            HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
            const auto* header = resource ? static_cast<const BITMAPINFOHEADER*>(
                                                LockResource(LoadResource(module, resource)))
                                          : nullptr;
            if (!header || header->biBitCount != 24 || header->biWidth != sizes[step][0] ||
                std::abs(header->biHeight) != sizes[step][1]) {
                fail("bitmap " + std::to_string(id) + " missing, not 24-bit or not " +
                     std::to_string(sizes[step][0]) + "x" + std::to_string(sizes[step][1]));
            } else {
                ++pictures;
            }
        }
    }
    if (pictures == 36) ok("36 pictures, 24-bit, at the four sizes");
    HRSRC icon = FindResourceA(module, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14));
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (icon && manifest) {
        ok("icon group 128 and manifest");
    } else {
        fail("icon group 128 or manifest missing");
    }
    FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::size_t i = 0;
    auto next = [&]() -> std::string {
        if (i >= args.size()) {
            fail("missing argument");
            std::exit(2);
        }
        return args[i++];
    };
    while (i < args.size() && failures == 0) {
        std::string command = next();
        if (command == ":") continue;
        HWND kb = keyboard();
        if (command == "wait-keyboard") {
            double seconds = std::atof(next().c_str());
            if (waitFor(seconds, [] { return keyboard() && IsWindowVisible(keyboard()); })) {
                ok("keyboard window up");
            } else {
                fail("no keyboard window");
            }
        } else if (command == "wait-target") {
            double seconds = std::atof(next().c_str());
            if (waitFor(seconds,
                        [] { return targetEdit() && GetForegroundWindow() == target(); })) {
                ok("target up in the foreground");
            } else {
                fail("no target in the foreground");
            }
        } else if (command == "send" || command == "post") {
            int n = std::atoi(next().c_str());
            WPARAM letter = 0;
            if (i < args.size() && args[i].size() == 1) letter = static_cast<BYTE>(next()[0]);
            if (!kb) {
                fail("no keyboard window to send to");
            } else if (command == "post") {
                PostMessageA(kb, WM_USER + n, letter, 0);
            } else {
                SendMessageTimeoutA(kb, WM_USER + n, letter, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
            }
        } else if (command == "press") {
            // Keys of the letter pages by name, each made current by moves
            // and pressed, as a switch-access program would: press h o l a :
            while (i < args.size() && args[i] != ":" && failures == 0) {
                std::string name = unescape(next());
                const PageKey* key = findPageKey(name);
                if (!kb) {
                    fail("no keyboard window to press keys on");
                } else if (!key) {
                    fail("no key \"" + escape(name) + "\"; the keys: " + pageKeyNames());
                } else {
                    for (char letter : movesTo(*key) + "W") {
                        SendMessageTimeoutA(kb, WM_USER + 20, static_cast<BYTE>(letter), 0,
                                            SMTO_ABORTIFHUNG, 5000, nullptr);
                    }
                }
            }
        } else if (command == "print-key-centre") {
            // Screen pixels of a key's centre, for a real click, at the
            // window's scale (its width over that of size 1).
            std::string name = unescape(next());
            const PageKey* key = findPageKey(name);
            RECT rect = {};
            if (!key || !GetWindowRect(kb, &rect)) {
                fail("no key \"" + escape(name) + "\" on a keyboard window");
            } else {
                const double scale = (rect.right - rect.left) / 419.0;
                std::printf("centre %ld %ld\n",
                            rect.left + static_cast<long>(keyCentreX(*key) * scale),
                            rect.top + static_cast<long>(keyCentreY(*key) * scale));
            }
        } else if (command == "expect-reply") {
            int n = std::atoi(next().c_str());
            long expected = std::atol(next().c_str());
            DWORD_PTR reply = 0;
            SendMessageTimeoutA(kb, WM_USER + n, 0, 0, SMTO_ABORTIFHUNG, 5000, &reply);
            if ((reply != 0) == (expected != 0)) {
                ok("WM_USER+" + std::to_string(n) + " replied " + std::to_string(reply));
            } else {
                fail("WM_USER+" + std::to_string(n) + " replied " + std::to_string(reply));
            }
        } else if (command == "expect-text" || command == "expect-title") {
            std::string expected = unescape(next());
            bool title = command == "expect-title";
            auto read = [&] { return title ? windowText(keyboard()) : windowText(targetEdit()); };
            if (waitFor(5, [&] { return read() == expected; })) {
                ok(std::string(title ? "keyboard line" : "target text") + " \"" + escape(expected) +
                   "\"");
            } else {
                fail(std::string(title ? "keyboard line" : "target text") + " \"" + escape(read()) +
                     "\", expected \"" + escape(expected) + "\"");
            }
        } else if (command == "expect-focus") {
            // A change of foreground reaches every thread a moment later.
            HWND window = target();
            if (waitFor(2, [&] {
                    GUITHREADINFO info = {};
                    info.cbSize = sizeof(info);
                    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
                    return GetForegroundWindow() == window && info.hwndFocus == targetEdit();
                })) {
                ok("the target's edit control has the focus");
            } else {
                HWND foreground = GetForegroundWindow();
                fail("focus moved: foreground \"" + escape(windowText(foreground)) + "\" (" +
                     (foreground ? className(foreground) : std::string("none")) +
                     (foreground && foreground == kb ? ", the keyboard" : "") + ")");
            }
        } else if (command == "expect-pointer") {
            // At the offsets from the keyboard window's top-left corner.
            int x = std::atoi(next().c_str());
            int y = std::atoi(next().c_str());
            RECT rect = {};
            GetWindowRect(kb, &rect);
            POINT pointer = {};
            waitFor(2, [&] {
                GetCursorPos(&pointer);
                return pointer.x - rect.left == x && pointer.y - rect.top == y;
            });
            std::string at =
                std::to_string(pointer.x - rect.left) + "," + std::to_string(pointer.y - rect.top);
            if (pointer.x - rect.left == x && pointer.y - rect.top == y) {
                ok("pointer at " + at);
            } else {
                fail("pointer at " + at);
            }
        } else if (command == "pointer") {
            int x = std::atoi(next().c_str());
            int y = std::atoi(next().c_str());
            RECT rect = {};
            GetWindowRect(kb, &rect);
            SetCursorPos(rect.left + x, rect.top + y);
        } else if (command == "print-rect") {
            RECT rect = {};
            GetWindowRect(kb, &rect);
            std::printf("keyboard %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
        } else if (command == "expect-visible") {
            bool expected = next() == "1";
            if (waitFor(2, [&] { return (IsWindowVisible(kb) != 0) == expected; })) {
                ok(expected ? "keyboard visible" : "keyboard hidden");
            } else {
                fail(expected ? "keyboard not visible" : "keyboard not hidden");
            }
        } else if (command == "expect-topmost") {
            if (kb && (GetWindowLongA(kb, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
                ok("keyboard is top-most");
            } else {
                fail("keyboard is not top-most");
            }
        } else if (command == "expect-keyboards") {
            const int expected = std::atoi(next().c_str());
            int count = 0;
            waitFor(2, [&] {
                count = 0;
                EnumWindows(countKeyboards, reinterpret_cast<LPARAM>(&count));
                return count == expected;
            });
            if (count == expected) {
                ok(std::to_string(count) + " keyboard window(s)");
            } else {
                fail(std::to_string(count) + " keyboard windows, not " + std::to_string(expected));
            }
        } else if (command == "cover-keyboard") {
            // The target raised over the keyboard, as a click on it would:
            // the keyboard must still be the window under its own centre.
            RECT rect = {};
            GetWindowRect(kb, &rect);
            HWND app = target();
            SetWindowPos(app, HWND_TOP, rect.left - 20, rect.top - 20,
                         rect.right - rect.left + 40, rect.bottom - rect.top + 40,
                         SWP_SHOWWINDOW | SWP_NOACTIVATE);
            const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            HWND under = nullptr;
            if (waitFor(2, [&] {
                    under = GetAncestor(WindowFromPoint(centre), GA_ROOT);
                    return under == kb;
                })) {
                ok("keyboard stays over the raised target");
            } else {
                fail("the raised target hides the keyboard (" + className(under) + " on top)");
            }
        } else if (command == "check-file-dialog") {
            checkFileDialog();
        } else if (command == "expect-no-file-dialog") {
            if (waitFor(5, [] { return fileDialog() == nullptr; })) {
                ok("file dialog closed");
            } else {
                fail("file dialog still up");
            }
        } else if (command == "dismiss-menu") {
            // A menu that is up ends when its owner is told to cancel modes.
            if (!waitFor(5, [] { return popupMenu() != nullptr; })) {
                fail("no context menu came up");
            } else {
                ok("context menu up");
                PostMessageA(kb, WM_CANCELMODE, 0, 0);
                if (waitFor(5, [] { return popupMenu() == nullptr; })) {
                    ok("context menu dismissed");
                } else {
                    fail("context menu still up");
                }
            }
        } else if (command == "click-first-menu-item") {
            // Menus belong to their process, so the item's own rectangle is
            // out of reach: the first item lies just below the menu's top.
            HWND window = nullptr;
            RECT rect = {};
            if (!waitFor(5, [&] { return (window = popupMenu()) != nullptr; }) ||
                !GetWindowRect(window, &rect)) {
                fail("no context menu came up");
            } else {
                SetCursorPos((rect.left + rect.right) / 2, rect.top + 10);
                mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
                mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
                if (waitFor(5, [] { return popupMenu() == nullptr; })) {
                    ok("first context menu item clicked");
                } else {
                    fail("context menu still up after a click on its first item");
                }
            }
        } else if (command == "close") {
            PostMessageA(kb, WM_CLOSE, 0, 0);
            // Long enough for a loaded machine; a close that works ends sooner.
            if (waitFor(20, [] { return keyboard() == nullptr; })) {
                ok("keyboard closed");
            } else {
                fail("keyboard still there after WM_CLOSE");
            }
        } else if (command == "close-target") {
            PostMessageA(target(), WM_CLOSE, 0, 0);
            if (waitFor(20, [] { return target() == nullptr; })) {
                ok("target closed");
            } else {
                fail("target still there after WM_CLOSE");
            }
        } else if (command == "resources") {
            checkResources(next());
        } else {
            fail("unknown command " + command);
            return 2;
        }
    }
    return failures ? 1 : 0;
}
