#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/key_codes.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimTargetApp.h"
#include "platform/sim/SystemLayouts.h"

namespace {

using namespace vk;

struct Stroke {
    std::uint8_t vk = 0;
    std::uint8_t scan = 0;
    std::uint32_t flags = 0;
};
using Strokes = std::vector<Stroke>;

Strokes operator+(Strokes a, const Strokes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Keystrokes written as the keyboard's notation: "vk/flags" with the virtual
// key in hex, optionally "@scan" with the scan code in decimal.
Strokes raw(const std::string& notation) {
    Strokes strokes;
    std::istringstream in(notation);
    std::string token;
    while (in >> token) {
        Stroke stroke;
        const std::size_t slash = token.find('/');
        const std::size_t at = token.find('@');
        stroke.vk = static_cast<std::uint8_t>(std::stoi(token.substr(0, slash), nullptr, 16));
        stroke.flags = static_cast<std::uint32_t>(std::stoi(token.substr(slash + 1, at)));
        if (at != std::string::npos) {
            stroke.scan = static_cast<std::uint8_t>(std::stoi(token.substr(at + 1)));
        }
        strokes.push_back(stroke);
    }
    return strokes;
}

Strokes tap(std::uint8_t vk) { return {{vk, 0, 0}, {vk, 0, 2}}; }
Strokes shifted(std::uint8_t vk) { return raw("10/0") + tap(vk) + raw("10/2"); }
Strokes control(std::uint8_t vk) { return raw("11/0") + tap(vk) + raw("11/2"); }
// AltGr as the keyboard sends it for an AltGr character key.
Strokes altGr(std::uint8_t vk) {
    return raw("12/0 11/0") + Strokes{{vk, 0, 1}, {vk, 0, 3}} + raw("11/2 12/2");
}
// Plain and shifted characters by the layout's own keys.
Strokes typed(const std::string& text) {
    Strokes strokes;
    for (char c : text) {
        const std::int16_t scanned = sim::spanishVkKeyScan(static_cast<std::uint8_t>(c));
        const auto vk = static_cast<std::uint8_t>(scanned & 0xFF);
        strokes = strokes + (((scanned >> 8) & kShiftState) != 0 ? shifted(vk) : tap(vk));
    }
    return strokes;
}

constexpr std::uint8_t kAcute = 0xDE, kGrave = 0xBA;  // dead keys

// The keyboard's delete-word sequence.
const char* const kDeleteWord = "10/1 11/0 25/0 25/2 11/2 10/3 10/0 10/2 2E/0@142 2E/2@142";

struct Case {
    const char* name;
    std::string start;  // text before, caret at its end
    Strokes strokes;
    std::string text;
    std::size_t caret;
    std::string selected = "";
};

void feed(sim::SimTargetApp& app, const Strokes& strokes) {
    for (const Stroke& stroke : strokes) app.onKeystroke(stroke.vk, stroke.scan, stroke.flags);
}

TEST(SimTargetAppTest, AppliesKeystrokesAsTheSpanishLayoutDoes) {
    const std::vector<Case> cases = {
        // Case: Shift, Caps Lock, and Caps Lock with Shift.
        {"plain letters", "", typed("hola"), "hola", 4},
        {"Shift gives capitals", "", shifted('H') + typed("ola"), "Hola", 4},
        {"extended flag changes nothing", "", Strokes{{'A', 0, 1}, {'A', 0, 3}}, "a", 1},
        {"Caps Lock turns letters", "", tap(kCapsLock) + typed("hola"), "HOLA", 4},
        {"Caps Lock with Shift gives lower case", "", tap(kCapsLock) + shifted('A'), "a", 1},
        {"Caps Lock turns n tilde and c cedilla", "",
         tap(kCapsLock) + tap(kEnyeKey) + tap(kCedillaKey), "\xD1\xC7", 2},
        {"Caps Lock leaves digits and marks", "", tap(kCapsLock) + tap('1') + tap(0xBC), "1,", 2},
        {"Caps Lock toggles back", "", tap(kCapsLock) + tap(kCapsLock) + typed("a"), "a", 1},
        {"shifted marks", "",
         shifted('1') + shifted(kInvertedQuestionKey) + shifted(kQuestionKey) + shifted('7'),
         "!\xBF?/", 4},
        {"key-ups type nothing", "", raw("41/2 31/2"), "", 0},
        {"Alt alone types nothing", "", raw("12/0") + tap('A') + raw("12/2"), "", 0},
        // AltGr, in both orders of Control and Alt.
        {"AltGr characters", "", altGr('2') + altGr('3') + altGr('5') + altGr(0xDC) + altGr('1'),
         "@#\x80\\|", 5},
        {"Control then Alt is AltGr too", "", raw("11/0 12/0 32/0 32/2 12/2 11/2"), "@", 1},
        // Dead keys.
        {"acute with a vowel", "", tap(kAcute) + typed("a"), "\xE1", 1},
        {"acute with every vowel", "",
         tap(kAcute) + typed("e") + tap(kAcute) + typed("i") + tap(kAcute) + typed("o") +
             tap(kAcute) + typed("u"),
         "\xE9\xED\xF3\xFA", 4},
        {"acute with a capital vowel", "", tap(kAcute) + shifted('E'), "\xC9", 1},
        {"diaeresis", "", shifted(kAcute) + typed("u") + shifted(kAcute) + shifted('U'), "\xFC\xDC",
         2},
        {"grave", "", tap(kGrave) + typed("a"), "\xE0", 1},
        {"circumflex", "", shifted(kGrave) + typed("o"), "\xF4", 1},
        {"accent with space is the accent", "", tap(kAcute) + tap(' '), "\xB4", 1},
        {"diaeresis with space", "", shifted(kAcute) + tap(' '), "\xA8", 1},
        {"accent with a consonant", "", tap(kAcute) + typed("t"), "\xB4t", 2},
        {"accent with another accent", "", tap(kAcute) + tap(kGrave), "\xB4`", 2},
        {"accent with Caps Lock vowel", "", tap(kCapsLock) + tap(kAcute) + typed("a"), "\xC1", 1},
        {"Backspace drops a waiting accent", "ab", tap(kAcute) + tap(kBackspace) + typed("e"), "ae",
         2},
        {"accent then Enter", "", tap(kAcute) + tap(kReturn), "\xB4\r\n", 3},
        // Editing and moving.
        {"Backspace", "hola", tap(kBackspace), "hol", 3},
        {"Backspace at the start", "hola", tap(kHome) + tap(kBackspace), "hola", 0},
        {"Delete", "hola", tap(kHome) + tap(kDelete), "ola", 0},
        {"Delete at the end", "hola", tap(kDelete), "hola", 4},
        {"arrows then Backspace", "hola", tap(kLeft) + tap(kLeft) + tap(kBackspace), "hla", 1},
        {"End and Right at the end", "hola", tap(kHome) + tap(kEnd) + tap(kRight), "hola", 4},
        {"insert in the middle", "hla", tap(kHome) + tap(kRight) + typed("o"), "hola", 2},
        {"Shift+Left selection replaced", "hola", shifted(kLeft) + shifted(kLeft) + typed("x"),
         "hox", 3},
        {"Shift+Home then Delete", "hola que", shifted(kHome) + tap(kDelete), "", 0},
        {"Left drops a selection at its start", "hola",
         shifted(kLeft) + shifted(kLeft) + tap(kLeft) + typed("x"), "hoxla", 3},
        {"Right drops a selection at its end", "hola",
         tap(kHome) + shifted(kRight) + shifted(kRight) + tap(kRight) + typed("x"), "hoxla", 3},
        {"delete-word sequence", "hola que", raw(kDeleteWord), "hola ", 5},
        {"delete-word over trailing blanks", "hola que  ", raw(kDeleteWord), "hola ", 5},
        {"delete-word of the only word", "hola", raw(kDeleteWord), "", 0},
        {"Control+Left twice", "uno dos tres", control(kLeft) + control(kLeft) + typed("x"),
         "uno xdos tres", 5},
        {"Control+Right", "uno dos tres",
         tap(kHome) + control(kRight) + control(kRight) + typed("x"), "uno dos xtres", 9},
        {"Tab", "a", tap(kTab), "a\t", 2},
        {"Enter inserts CR LF", "a", tap(kReturn) + typed("b"), "a\r\nb", 4},
        {"Backspace takes the line end whole", "a\r\nb", tap(kBackspace) + tap(kBackspace), "a", 1},
        {"Left steps over the line end", "a\r\nb", tap(kLeft) + tap(kLeft) + typed("x"), "ax\r\nb",
         2},
        {"Home and End within the line", "abc\r\nde", tap(kHome) + typed("x") + tap(kEnd),
         "abc\r\nxde", 8},
        {"Up keeps the column", "abc\r\nde", tap(kUp) + typed("x"), "abxc\r\nde", 3},
        {"Down to a shorter line", "abc\r\nde", tap(kUp) + tap(kEnd) + tap(kDown) + typed("x"),
         "abc\r\ndex", 8},
        {"Up on the first line stays", "abc", tap(kLeft) + tap(kUp) + typed("x"), "abxc", 3},
        // Undo.
        {"undo a typed character", "ab", typed("c") + control('Z'), "ab", 2},
        {"undo twice redoes", "ab", typed("c") + control('Z') + control('Z'), "abc", 3},
        {"undo a delete-word", "hola que", raw(kDeleteWord) + control('Z'), "hola que", 5, "que"},
        {"undo with nothing changed", "ab", control('Z'), "ab", 2},
        // Clipboard.
        {"copy and paste", "hola", shifted(kHome) + control('C') + tap(kEnd) + control('V'),
         "holahola", 8},
        {"cut and paste", "hola que",
         control(kLeft) + shifted(kEnd) + control('X') + tap(kHome) + control('V'), "quehola ", 3},
        {"paste replaces the selection", "hola",
         shifted(kLeft) + control('C') + shifted(kHome) + control('V'), "a", 1},
        {"nothing to paste", "hola", control('V'), "hola", 4},
        {"copy without a selection keeps the clipboard", "ab",
         shifted(kLeft) + control('C') + tap(kRight) + control('C') + control('V'), "abb", 3},
    };
    for (const Case& c : cases) {
        sim::SimTargetApp app;
        app.setText(c.start);
        feed(app, c.strokes);
        EXPECT_EQ(app.text(), c.text) << c.name;
        EXPECT_EQ(app.caret(), c.caret) << c.name;
        EXPECT_EQ(app.selectedText(), c.selected) << c.name;
        EXPECT_FALSE(app.shiftDown() || app.controlDown() || app.altDown()) << c.name;
    }
}

TEST(SimTargetAppTest, ShiftMovesExtendTheSelection) {
    sim::SimTargetApp app;
    app.setText("uno dos");
    feed(app, raw("10/1 11/0 25/0 25/2 11/2 10/3"));
    EXPECT_EQ(app.selectedText(), "dos");
    EXPECT_EQ(app.caret(), 4u);
    feed(app, shifted(kLeft) + shifted(kRight) + shifted(kRight));
    EXPECT_EQ(app.selectedText(), "os");
    feed(app, shifted(kHome));
    EXPECT_EQ(app.selectedText(), "uno dos");
    EXPECT_EQ(app.caret(), 0u);
}

TEST(SimTargetAppTest, CutKeepsTheTextOnItsClipboard) {
    sim::SimTargetApp app;
    app.setText("hola");
    feed(app, shifted(kHome) + control('X'));
    EXPECT_EQ(app.text(), "");
    EXPECT_EQ(app.clipboard(), "hola");
}

TEST(SimTargetAppTest, ACharacterWithoutKeyIsInsertedAsItIs) {
    sim::SimTargetApp app;
    app.setText("hola");
    feed(app, shifted(kLeft));
    app.onCharacter(0xE1);
    EXPECT_EQ(app.text(), "hol\xE1");
    // A waiting accent is typed before it, not combined.
    feed(app, tap(kAcute));
    app.onCharacter('a');
    EXPECT_EQ(app.text(),
              "hol\xE1\xB4"
              "a");
    feed(app, control('Z'));
    EXPECT_EQ(app.text(), "hol\xE1");
}

TEST(SimTargetAppTest, ReceivesTheKeystrokesWhileItsWindowIsInTheForeground) {
    sim::SimDesktop desktop;
    platform::Keystrokes& keys = desktop.platform().keystrokes;
    sim::SimTargetApp editor(desktop.windows(), "Bloc de notas");
    sim::SimTargetApp other(desktop.windows(), "Otra");
    ASSERT_NE(desktop.windows().window(editor.window()), nullptr);
    EXPECT_EQ(desktop.windows().window(editor.window())->title, "Bloc de notas");

    keys.keybdEvent('A', 0, 0);  // no foreground window yet
    editor.bringToFront();
    EXPECT_EQ(desktop.windows().foregroundWindow(), editor.window());
    EXPECT_EQ(
        desktop.windows().threadActiveWindow(desktop.windows().window(editor.window())->thread),
        editor.window());
    keys.keybdEvent('B', 0, 0);
    keys.keybdEvent('B', 0, 2);
    keys.typeCharacter(0xE9);
    other.bringToFront();
    keys.keybdEvent('C', 0, 0);
    EXPECT_EQ(editor.text(), "b\xE9");
    EXPECT_EQ(other.text(), "c");
}

TEST(SimTargetAppTest, ItsWindowGoesWithIt) {
    sim::SimDesktop desktop;
    platform::WindowId window = 0;
    {
        sim::SimTargetApp editor(desktop.windows(), "Bloc de notas");
        window = editor.window();
        editor.bringToFront();
    }
    EXPECT_FALSE(desktop.windows().isWindow(window));
    EXPECT_EQ(desktop.windows().sinkOf(window), nullptr);
    desktop.platform().keystrokes.keybdEvent('A', 0, 0);  // reaches no one
}

}  // namespace
