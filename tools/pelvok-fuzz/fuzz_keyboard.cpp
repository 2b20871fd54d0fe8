#include "tools/pelvok-fuzz/fuzz_keyboard.h"

#include <algorithm>
#include <filesystem>

#include "platform/sim/SimFramework.h"
#include "tools/toolbox/text_codec.h"
#include "window/private_messages.h"

namespace fuzz {

namespace {
sim::SystemLayout systemLayout = sim::SystemLayout::Spanish;
}

void SetSystemLayout(sim::SystemLayout layout) { systemLayout = layout; }

FuzzKeyboard::FuzzKeyboard(const std::string& dictionary) : folder_("pelvok-fuzz") {
    const std::string file = folder_.file("fuzz.dic");
    if (!dictionary.empty()) std::filesystem::copy_file(dictionary, file);
    session_ = std::make_unique<typist::KeyboardSession>(
        file, typist::KeyboardSession::Indexes::AsOpened, false, systemLayout);
    // Durability plays no part here; speed does.
    keyboard().database.executeUpdate("PRAGMA synchronous=OFF;");
    keyboard().database.executeUpdate("PRAGMA journal_mode=MEMORY;");
}

// The keyboard goes before its folder.
FuzzKeyboard::~FuzzKeyboard() { session_.reset(); }

Effect FuzzKeyboard::apply(const Action& action) {
    if (failure_) return Effect{};
    try {
        Effect effect;
        switch (action.type) {
            case ActionType::Key:
                if (const std::optional<Key> key = findKey(action.kind, action.code))
                    effect = press(*key);
                break;
            case ActionType::Message:
                effect = applyMessage(action);
                break;
            case ActionType::Click: {
                // What the key is, before the click changes the suggestions.
                if (const std::optional<Key> key = keyAt(action.x, action.y)) {
                    effect.category = categoryOf(*key);
                    if (effect.category == Category::Excluded) break;
                    effect.pressed = true;
                    effect.kind = kindOf(*key);
                    effect.code = key->getVirtualKey();
                }
                effect.applied = true;
                session_->desktop().leftClick(action.x, action.y);
                break;
            }
        }
        if (!keyboard().layout || session_->desktop().ended()) failure_ = "the keyboard ended";
        return effect;
    } catch (const sim::SimProcessExit& exit) {
        failure_ = "the keyboard ended the process with code " + std::to_string(exit.code);
    } catch (const std::exception& thrown) {
        failure_ = std::string("the keyboard threw: ") + thrown.what();
    }
    Effect failed;
    failed.applied = true;
    return failed;
}

Effect FuzzKeyboard::press(const Key& key) {
    Effect effect;
    effect.category = categoryOf(key);
    if (effect.category == Category::Excluded) return effect;
    effect.applied = effect.pressed = true;
    effect.kind = kindOf(key);
    effect.code = key.getVirtualKey();
    session_->click(key);
    return effect;
}

Effect FuzzKeyboard::applyMessage(const Action& action) {
    Effect effect;
    if (action.code == private_message::kDrive && action.command == 'W') {
        const Key current = layout().currentKey();
        effect.category = categoryOf(current);
        if (effect.category == Category::Excluded) return effect;
        if (current.getSize() > 0) {
            effect.pressed = true;
            effect.kind = kindOf(current);
            effect.code = current.getVirtualKey();
        }
    }
    effect.applied = true;
    session_->desktop().postPrivate(action.code, static_cast<std::uintptr_t>(action.command));
    return effect;
}

std::optional<std::string> FuzzKeyboard::divergence() {
    if (failure_) return failure_;
    return echo_.mismatch(target(), keyboard(), session_->desktop().graphics());
}

platform::Point FuzzKeyboard::windowSize() {
    sim::SimDesktop& desktop = session_->desktop();
    const platform::Rect rect = desktop.windows().windowRect(desktop.framework().keyboardWindow());
    return platform::Point{rect.width(), rect.height()};
}

std::optional<Key> FuzzKeyboard::findKey(KeyKind kind, std::uint8_t code) const {
    const KeyboardLayout& model = layout();
    for (int row = 0; row < model.lineCount(); ++row) {
        const KeyLine& line = model.line(row);
        for (int i = 0; i < line.keyCount(); ++i) {
            const Key key = line.keyAt(i);
            if (key.getSize() > 0 && key.getVirtualKey() == code && kindOf(key) == kind) return key;
        }
    }
    return std::nullopt;
}

std::optional<Key> FuzzKeyboard::keyAt(int x, int y) const {
    const KeyboardLayout& model = layout();
    const std::int32_t cell = model.cellAt(packPoint(x, y));
    const int column = packedLow(cell);
    const int row = packedHigh(cell);
    if (column < 0 || row < 0 || row >= model.lineCount()) return std::nullopt;
    try {
        const Key key = model.line(row).keyAtColumn(column);
        if (key.getSize() > 0) return key;
    } catch (...) {
        // Past the row's last key: the click hits nothing.
    }
    return std::nullopt;
}

Category FuzzKeyboard::categoryOf(const Key& key) const {
    return fuzz::categoryOf(key, layout().getSymbolsPage() != 0, session_->keyboard().suggestions);
}

StartingDictionary::StartingDictionary(const std::string& given)
    : folder_("pelvok-fuzz"), file_(given) {
    if (!file_.empty()) return;
    file_ = folder_.file("empty.dic");
    typist::KeyboardSession(file_, typist::KeyboardSession::Indexes::AsOpened, false);
}

std::string boxLine(const sim::SimTargetApp& target) {
    const std::string& text = target.text();
    const std::size_t caret = target.caret();
    const std::size_t newline = caret == 0 ? std::string::npos : text.rfind('\n', caret - 1);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    const std::size_t end = std::min(text.find_first_of("\r\n", caret), text.size());
    std::string line = text.substr(start, caret - start);
    if (target.pendingDeadKey() != 0)
        line += "[" + std::string(1, static_cast<char>(target.pendingDeadKey())) + "]";
    line += "|" + text.substr(caret, end - caret);
    return toolbox::utf8ForMessages(line);
}

}  // namespace fuzz
