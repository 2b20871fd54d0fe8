#include "tests/integration/typing_session.h"

#include <optional>

#include "model/key_codes.h"
#include "tests/activation/key_driver.h"
#include "window/settings.h"

namespace integration_test {

namespace {

using pelvok_test::KeyKind;

struct NamedKey {
    const char* name;
    std::uint8_t code;
    KeyKind kind;
};

constexpr NamedKey kNamedKeys[] = {
    {"SHIFT", direct::kShiftLatch, KeyKind::Direct},
    {"CAPS", direct::kCapsLock, KeyKind::Direct},
    {"SYM", direct::kSymbols, KeyKind::Direct},
    {"BS", direct::kBackspace, KeyKind::Direct},
    {"ENTER", direct::kEnter, KeyKind::Direct},
    {"LEFT", direct::kLeft, KeyKind::Direct},
    {"RIGHT", direct::kRight, KeyKind::Direct},
    {"DEL", command::kForwardDelete, KeyKind::Command},
    {"WORD", command::kDeleteWord, KeyKind::Command},
};

}  // namespace

CPelvokDlg& TypingSession::startTyping(const std::string& zoom, const std::string& arrangement) {
    setSetting(settings::kZoom, zoom);
    setSetting(settings::kLetterLayout, arrangement);
    prepareDefaultDictionary();
    target_ =
        std::make_unique<sim::SimTargetApp>(desktop().windows(), "Sin t\xEDtulo - Bloc de notas");
    target_->bringToFront();
    CPelvokDlg& started = start();
    // Durability plays no part here.
    started.database.executeUpdate("PRAGMA synchronous=OFF;");
    started.database.executeUpdate("PRAGMA journal_mode=MEMORY;");
    // Any message attaches the keyboard's input to the edit box.
    desktop().mouseMove(0, 0);
    return started;
}

bool TypingSession::run(const std::string& script) {
    for (std::size_t i = 0; i < script.size();) {
        std::size_t end = i + 1;
        if (script[i] == '{') {
            end = script.find('}', i);
            if (end == std::string::npos) {
                ADD_FAILURE() << "unclosed brace in " << Printable(script);
                return false;
            }
            ++end;
        }
        const std::string token = script.substr(i, end - i);
        if (!press(token)) {
            ADD_FAILURE() << "at key " << i << " of " << Printable(script);
            return false;
        }
        if (const auto apart = echo_.mismatch(target(), window(), desktop().graphics())) {
            ADD_FAILURE() << "after the key " << Printable(token) << " at " << i << " of "
                          << Printable(script) << ": " << *apart;
            return false;
        }
        i = end;
    }
    return true;
}

bool TypingSession::press(const std::string& token) {
    const KeyboardLayout& layout = *window().layout;
    std::uint8_t code = static_cast<std::uint8_t>(token[0]);
    KeyKind kind = KeyKind::Character;
    if (token.size() > 2 && token[1] == '=') {
        const std::string word = token.substr(2, token.size() - 3);
        int slot = 0;
        while (slot < 6 && window().suggestions[slot] != word) ++slot;
        if (slot == 6 || layout.getSymbolsPage()) {
            std::string shown;
            for (const std::string& s : window().suggestions) shown += " [" + Printable(s) + "]";
            ADD_FAILURE() << "no suggestion key shows " << Printable(word) << "; on show:" << shown;
            return false;
        }
        code = static_cast<std::uint8_t>(suggestion_key::kFirst + slot);
    } else if (token.size() > 1) {
        const std::string name = token.substr(1, token.size() - 2);
        const NamedKey* named = nullptr;
        for (const NamedKey& key : kNamedKeys)
            if (name == key.name) named = &key;
        if (!named) {
            ADD_FAILURE() << "unknown key " << token;
            return false;
        }
        code = named->code;
        kind = named->kind;
    }
    const std::optional<Key> key = pelvok_test::findKey(layout, code, kind);
    if (!key) {
        ADD_FAILURE() << "no key " << Printable(token) << " on the page on show";
        return false;
    }
    const platform::Point centre = pelvok_test::centreOf(*key, layout.getScale());
    desktop().leftClick(centre.x, centre.y);
    return true;
}

}  // namespace integration_test
