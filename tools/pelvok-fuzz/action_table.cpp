#include "tools/pelvok-fuzz/action_table.h"

#include "model/key_codes.h"
#include "window/private_messages.h"

namespace fuzz {

// Per mille of the steps on each page; a category with nothing on show
// (no blank suggestion key, say) gives its share to the others.
const Weight kWeights[kCategoryCount] = {
    {Category::Letter, 469, 0},
    {Category::Space, 120, 90},
    {Category::Suggestion, 100, 0},
    {Category::EmptySuggestion, 4, 0},
    {Category::DeadKey, 30, 10},
    {Category::Punctuation, 35, 120},
    {Category::Digit, 0, 230},
    {Category::Symbol, 0, 141},
    {Category::Backspace, 55, 60},
    {Category::Enter, 15, 20},
    {Category::Arrow, 30, 30},
    {Category::HomeEnd, 8, 0},
    {Category::Delete, 15, 10},
    {Category::Shift, 30, 0},
    {Category::CapsLock, 6, 8},
    {Category::SymbolsPage, 15, 200},
    {Category::Undo, 5, 0},
    {Category::Clipboard, 0, 15},
    {Category::Tab, 5, 5},
    {Category::OtherKey, 3, 10},
    {Category::WindowKey, 4, 0},
    {Category::Move, 20, 20},
    {Category::Press, 15, 15},
    {Category::ShowHideSnap, 4, 4},
    {Category::ClearLine, 2, 2},
    {Category::StrayClick, 10, 10},
};

namespace {

bool isLetter(std::uint8_t c) {
    return (c >= 'a' && c <= 'z') || c == cp1252::kSmallNTilde || c == cp1252::kSmallCCedilla;
}

bool isVowel(std::uint8_t c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

bool isPunctuation(std::uint8_t c) {
    switch (c) {
        case '.':
        case ',':
        case ';':
        case ':':
        case '-':
        case '\'':
        case '?':
        case '!':
        case 0xA1:  // ¡
        case cp1252::kInvertedQuestion:
        case cp1252::kMiddleDot:
            return true;
        default:
            return false;
    }
}

Category commandCategory(std::uint8_t code) {
    switch (code) {
        case command::kExit:
            return Category::Excluded;
        case command::kDeleteWord:
        case command::kForwardDelete:
            return Category::Delete;
        case command::kCopy:
        case command::kPaste:
        case command::kCut:
            return Category::Clipboard;
        case command::kBackTab:
            return Category::Tab;
        default:
            return Category::WindowKey;
    }
}

Category directCategory(std::uint8_t code) {
    switch (code) {
        case direct::kOpenDictionary:
        case direct::kExportWords:
            return Category::Excluded;
        case direct::kBackspace:
            return Category::Backspace;
        case direct::kEnter:
            return Category::Enter;
        case direct::kTab:
            return Category::Tab;
        case direct::kSymbols:
            return Category::SymbolsPage;
        case direct::kShiftLatch:
            return Category::Shift;
        case direct::kCapsLock:
            return Category::CapsLock;
        case direct::kUndo:
            return Category::Undo;
        case direct::kHome:
        case direct::kEnd:
            return Category::HomeEnd;
        case direct::kLeft:
        case direct::kUp:
        case direct::kRight:
        case direct::kDown:
            return Category::Arrow;
        default:
            return Category::OtherKey;
    }
}

}  // namespace

KeyKind kindOf(const Key& key) {
    if (key.isCommand() == 1) return KeyKind::Command;
    if (key.isDirect() == 1) return KeyKind::Direct;
    return KeyKind::Character;
}

Category categoryOf(const Key& key, bool symbolsPage, const SuggestionSlots& suggestions) {
    const std::uint8_t code = key.getVirtualKey();
    switch (kindOf(key)) {
        case KeyKind::Command:
            return commandCategory(code);
        case KeyKind::Direct:
            return directCategory(code);
        case KeyKind::Character:
            break;
    }
    if (suggestion_key::is(code) && !symbolsPage) {
        return suggestions[static_cast<std::size_t>(suggestion_key::slot(code))].empty()
                   ? Category::EmptySuggestion
                   : Category::Suggestion;
    }
    if (isLetter(code)) return Category::Letter;
    if (code == ' ') return Category::Space;
    if (cp1252::isDeadKeyAccent(code)) return Category::DeadKey;
    if (code >= '0' && code <= '9') return Category::Digit;
    if (isPunctuation(code)) return Category::Punctuation;
    return Category::Symbol;
}

std::string effectName(const Action& action, const Effect& effect) {
    if (!effect.pressed) {
        if (action.type == ActionType::Click) return "click";
        if (action.code == private_message::kDrive)
            return action.command == 'W' ? "press" : "move";
        return "post " + std::to_string(action.code);
    }
    switch (effect.category) {
        case Category::Letter:
            return isVowel(effect.code) ? "vowel" : "consonant";
        case Category::Suggestion:
            return "suggestion";
        case Category::DeadKey:
            return "dead key";
        case Category::EmptySuggestion:
            return "blank suggestion";
        case Category::Digit:
            return "digit";
        default:
            return keyName(effect.kind, effect.code);
    }
}

}  // namespace fuzz
