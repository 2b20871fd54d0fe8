// The small interface through which the keyboard reaches the desktop.
// Two implementations: platform/win32 (the product) and platform/sim (a
// simulated desktop for tests and the headless keyboard). Nothing here may
// include <windows.h>; every text is single-byte Windows-1252.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A window of the desktop; 0 means none.
using WindowId = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

inline bool operator==(const Color& a, const Color& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator!=(const Color& a, const Color& b) { return !(a == b); }

// keybd_event flags.
constexpr std::uint32_t kKeyExtended = 1;
constexpr std::uint32_t kKeyUp = 2;

// Synthetic keystrokes for the foreground application, and the layout's view
// of characters.
class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // One keybd_event(vk, scan, flags, 0).
    virtual void keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) = 0;
    // Types the character itself, for one the layout has no key for
    // (a Unicode keystroke on Windows).
    virtual void typeCharacter(std::uint8_t ch) = 0;
    // VkKeyScanA: low byte virtual key, high byte shift state; -1 when none.
    virtual std::int16_t vkKeyScan(std::uint8_t ch) = 0;
    // Whether the layout's key for the character is a dead key, whose
    // character waits for the next one.
    virtual bool isDeadKey(std::uint8_t ch) = 0;
    // Low bit of the Caps Lock entry of GetKeyboardState.
    virtual bool capsLockToggled() = 0;
};

// REG_SZ values of keys under HKEY_CURRENT_USER.
class Settings {
public:
    virtual ~Settings() = default;
    // Whether the key can be opened with all access.
    virtual bool openKey(const std::string& key) = 0;
    virtual void createKey(const std::string& key) = 0;
    // The whole value without its terminating NUL; nullopt when it is
    // missing or the key cannot be opened.
    virtual std::optional<std::string> readValue(const std::string& key,
                                                 const std::string& name) = 0;
    // Stored with its terminating NUL; ignored when the key cannot be opened.
    virtual void writeValue(const std::string& key, const std::string& name,
                            const std::string& value) = 0;
};

// Screen, other windows, and the input attachment of the keyboard's thread.
class Windows {
public:
    virtual ~Windows() = default;
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
    // The work area (the screen without the task bar and docked bars) of the
    // monitor that shows most of `window`, or the nearest one; the primary
    // monitor's for 0.
    virtual Rect workArea(WindowId window) = 0;
    // Pixels per inch of the screen; 96 is 100 %.
    virtual int screenDpi() = 0;
    // Whether the control with the focus in the foreground window's thread
    // is a password field (an edit control with ES_PASSWORD).
    virtual bool focusIsPassword() = 0;
    virtual WindowId foregroundWindow() = 0;
    // GetActiveWindow as the keyboard's thread sees it.
    virtual WindowId activeWindow() = 0;
    virtual void setActiveWindow(WindowId window) = 0;
    virtual bool isWindow(WindowId window) = 0;
    // AttachThreadInput between the keyboard's thread and the window's thread.
    virtual void attachInput(WindowId window, bool attach) = 0;
    virtual Rect windowRect(WindowId window) = 0;
    // MoveWindow.
    virtual void moveWindow(WindowId window, int x, int y, int width, int height,
                            bool repaint) = 0;
    // SetWindowPos keeping the z-order; without resize only x and y count.
    virtual void setWindowPos(WindowId window, int x, int y, int width, int height,
                              bool resize) = 0;
    // Show state normal: a maximised or minimised window is restored.
    virtual void restoreWindow(WindowId window) = 0;
    // Shows (without activating) or hides; returns whether it was visible before.
    virtual bool showWindow(WindowId window, bool show) = 0;
};

// The pointer and the speaker.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual Point cursorPos() = 0;
    virtual void setCursorPos(Point screen) = 0;
    virtual void beep(int frequency, int milliseconds) = 0;
};

// What a file dialog returned.
struct FileChoice {
    std::string fullPath;  // the chosen file, full path
    std::string title;     // its name with extension, without folder
};

// Message boxes, context menus and file dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A caption of nullopt is the system's default caption.
    virtual void messageBox(bool ownedByKeyboard, const std::string& text,
                            const std::optional<std::string>& caption, bool stopIcon) = 0;
    // Tracks the first pop-up of the menu resource at the screen point; the
    // chosen command, or 0 when none was chosen.
    virtual int trackPopupMenu(int menuId, Point screen, const std::vector<int>& disabledItems,
                               const std::vector<int>& checkedItems) = 0;
    // The on-screen open (open = true) or save dialog. The filter is the
    // platform's list of pairs, each text NUL-terminated, ending with two
    // NULs. A chosen file leaves the current directory at its folder.
    virtual std::optional<FileChoice> runFileDialog(bool open, const std::string& initialDirectory,
                                                    const std::string& filter) = 0;
    // Closes the file dialog that runFileDialog has up, if any.
    virtual void closeFileDialog() = 0;
};

// The current directory and files, in the keyboard's own (Windows) paths.
class Files {
public:
    virtual ~Files() = default;
    virtual std::string currentDirectory() = 0;
    virtual void createDirectory(const std::string& path) = 0;
    // The name under which the host opens the file with fopen.
    virtual std::string hostPath(const std::string& path) = 0;
    // The name to give sqlite3_open, which takes UTF-8 names on every host.
    virtual std::string sqlitePath(const std::string& path) { return hostPath(path); }
    // On another computer (a share, a mapped network drive), where SQLite's
    // write-ahead log cannot work: its shared memory is local to one machine.
    virtual bool isNetworkPath(const std::string& /*path*/) { return false; }
    // One line for the keyboard's log: what a user or whoever supports them
    // may want to know later, never worth a message box.
    virtual void writeLog(const std::string& line) = 0;
};

// GDI font: "Arial", width 0, no italic/underline/strike-out, ANSI charset.
struct FontSpec {
    int height = 0;
    int weight = 400;
    bool antialiased = false;
};

enum class Align { Centre, Right };

// A loaded keyboard picture.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// A device context: black text on an opaque white background.
class Surface {
public:
    virtual ~Surface() = default;
    // Same-size copy of the picture at (0, 0).
    virtual void copyPicture(const Picture& picture) = 0;
    virtual void selectFont(const FontSpec& font) = 0;
    // GetTextExtentPoint32 width with the selected font.
    virtual int textWidth(const std::string& text) = 0;
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // DrawText single line, vertically centred in the box.
    virtual void drawText(const std::string& text, const Rect& box, Align align,
                          bool wordEllipsis) = 0;
    // A frame one pixel wide along the inside of the rectangle.
    virtual void fillRect(const Rect& rect, Color color) = 0;
    virtual void frameRect(const Rect& rect, Color color) = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;
    // nullptr when the resource cannot be loaded.
    virtual std::unique_ptr<Picture> loadPicture(int resourceId) = 0;
    // A memory surface of w × h to compose a frame in; nullptr when no memory.
    virtual std::unique_ptr<Surface> createComposition(int width, int height) = 0;
    // Copies the composition to the keyboard window's client area at (0, 0).
    virtual void present(Surface& composition) = 0;
    // A surface drawing straight on the keyboard window's client area.
    virtual std::unique_ptr<Surface> windowSurface() = 0;
    // Width of the text in the default font of a device context of the
    // keyboard window.
    virtual int defaultFontTextWidth(const std::string& text) = 0;
};

// The handlers the framework routes the keyboard window's messages to.
class DialogHandlers {
public:
    virtual ~DialogHandlers() = default;
    virtual int OnCreate() = 0;                       // WM_CREATE
    virtual bool OnInitDialog() = 0;                  // WM_INITDIALOG
    virtual void OnPaint() = 0;                       // WM_PAINT
    virtual void PreTranslateMessage() = 0;           // before each message
    virtual int OnMouseActivate() = 0;                // WM_MOUSEACTIVATE
    virtual void OnMouseMove() = 0;                   // WM_MOUSEMOVE
    virtual void OnLButtonUp(std::uint32_t flags, std::int32_t point) = 0;
    virtual void OnRButtonUp(std::uint32_t flags, std::int32_t point) = 0;
    // WM_USER + n for the private messages; the reply.
    virtual std::intptr_t OnPrivateMessage(int n, std::uintptr_t wParam) = 0;
    virtual void OnCommand(int id) = 0;               // WM_COMMAND menu items
    virtual void OnClose() = 0;                       // WM_CLOSE
    // WM_DISPLAYCHANGE, or a new work area (WM_SETTINGCHANGE).
    virtual void OnDisplayChange() {}
    virtual void OnTimer(int /*id*/) {}               // WM_TIMER
    virtual void OnHotKey(int /*id*/) {}              // WM_HOTKEY
};

// The application framework: the modal dialog from template 102.
class Framework {
public:
    virtual ~Framework() = default;
    // Creates the window, runs its modal loop until endDialog, destroys it.
    virtual int runModal(DialogHandlers& dialog) = 0;
    virtual WindowId keyboardWindow() = 0;
    // Invalidation never erases; nullptr is the whole client area.
    virtual void invalidate(const Rect* clientRect) = 0;
    virtual bool isMinimized() = 0;
    virtual Rect clientRect() = 0;
    virtual void setIcon() = 0;
    // Ends the modal loop as Cancel.
    virtual void endDialog() = 0;
    // Ends the process at once.
    [[noreturn]] virtual void exitProcess(int code) = 0;
    // Claims the one keyboard of the user's session until the process ends;
    // false when another keyboard holds it.
    virtual bool claimOnlyInstance() = 0;
    // Posts WM_USER + n to the keyboard that holds the claim.
    virtual void postToRunningInstance(int n) = 0;
    // SetTimer on the keyboard window: OnTimer(id) every `milliseconds`
    // until killTimer(id); setting it again restarts it.
    virtual void setTimer(int id, int milliseconds) = 0;
    virtual void killTimer(int id) = 0;
    // Milliseconds since some fixed moment (GetTickCount64).
    virtual std::int64_t now() = 0;
    // RegisterHotKey on the keyboard window, without modifiers: the key
    // (a virtual-key code) brings OnHotKey(id) whichever window has the
    // focus, and no longer reaches that window. False when another program
    // holds the key.
    virtual bool registerSwitchKey(int id, int virtualKey) = 0;
    virtual void unregisterSwitchKey(int id) = 0;
};

// Everything the keyboard uses, owned by the platform's entry point.
struct Platform {
    Keystrokes& keystrokes;
    Settings& settings;
    Windows& windows;
    Pointer& pointer;
    Dialogs& dialogs;
    Files& files;
    Graphics& graphics;
    Framework& framework;
};

}  // namespace platform
