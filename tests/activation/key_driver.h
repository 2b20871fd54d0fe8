// Driving the keyboard window by its keys, for the tests of activation,
// pointer input and the dictionary files: find a key of the page on show,
// click it, and read the injected keystrokes as text ("10/0 51/0 51/2 10/2":
// virtual key in hex, '@' and the scan code when there is one, '/' and the
// flags; "'x'" for a character typed without a key).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "model/KeyboardLayout.h"
#include "platform/sim/SimKeystrokes.h"
#include "tests/support/keyboard_fixture.h"

namespace pelvok_test {

enum class KeyKind { Character, Command, Direct };

inline std::optional<Key> findKey(const KeyboardLayout& layout, std::uint8_t code, KeyKind kind) {
    for (int row = 0; row < layout.lineCount(); ++row) {
        const KeyLine& line = layout.line(row);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() <= 0 || key.getVirtualKey() != code) continue;
            const KeyKind found = key.isCommand()  ? KeyKind::Command
                                  : key.isDirect() ? KeyKind::Direct
                                                   : KeyKind::Character;
            if (found == kind) return key;
        }
    }
    return std::nullopt;
}

// The centre of the key in client pixels at the scale.
inline platform::Point centreOf(const Key& key, float scale) {
    const int x = (key.getPoint1().getX() + key.getPoint2().getX()) / 2;
    const int y = (key.getPoint1().getY() + key.getPoint2().getY()) / 2;
    return platform::Point{static_cast<int>(x * scale), static_cast<int>(y * scale)};
}

inline std::string strokesText(const std::vector<sim::KeystrokeRecord>& log) {
    std::string text;
    for (const sim::KeystrokeRecord& stroke : log) {
        char one[32];
        if (stroke.isCharacter) {
            std::snprintf(one, sizeof one, "'%c'", static_cast<char>(stroke.ch));
        } else if (stroke.scan != 0) {
            std::snprintf(one, sizeof one, "%02X@%u/%u", stroke.vk, stroke.scan,
                          static_cast<unsigned>(stroke.flags));
        } else {
            std::snprintf(one, sizeof one, "%02X/%u", stroke.vk,
                          static_cast<unsigned>(stroke.flags));
        }
        if (!text.empty()) text += ' ';
        text += one;
    }
    return text;
}

// "v/0 v/2" for each virtual key given, in hex.
inline std::string taps(std::initializer_list<int> keys) {
    std::string text;
    for (const int key : keys) {
        char one[16];
        std::snprintf(one, sizeof one, "%02X/0 %02X/2", key, key);
        if (!text.empty()) text += ' ';
        text += one;
    }
    return text;
}

// A keyboard started on the desktop, with an application in front to type into.
class KeyDriverTest : public KeyboardTest {
protected:
    // Starts the keyboard with a text editor in the foreground.
    CPelvokDlg& startTyping() {
        target = desktop().windows().createWindow("Sin t\xEDtulo - Bloc de notas",
                                                  platform::Rect{100, 100, 700, 500});
        desktop().windows().setForeground(target);
        CPelvokDlg& keyboard = start();
        // Any message attaches the input to the editor.
        desktop().mouseMove(0, 0);
        desktop().keystrokes().clearLog();
        return keyboard;
    }

    Key keyOf(std::uint8_t code, KeyKind kind = KeyKind::Character) {
        const std::optional<Key> key = findKey(*window().layout, code, kind);
        if (!key) {
            ADD_FAILURE() << "no key with code " << int(code) << " on the page";
            return Key();
        }
        return *key;
    }
    platform::Point pointOf(std::uint8_t code, KeyKind kind = KeyKind::Character) {
        return centreOf(keyOf(code, kind), window().layout->getScale());
    }
    void click(std::uint8_t code, KeyKind kind = KeyKind::Character) {
        const platform::Point point = pointOf(code, kind);
        desktop().leftClick(point.x, point.y);
    }
    // The line of typed text, with its marker, as the window holds it.
    void setLine(const std::string& line) {
        window().textLine = line;
        window().cursorPos = static_cast<int>(line.find('_'));
    }
    std::string strokes() { return strokesText(desktop().keystrokes().log()); }
    void clearStrokes() { desktop().keystrokes().clearLog(); }

    platform::WindowId target = 0;
};

}  // namespace pelvok_test
