// The kinds of action pelvok-fuzz chooses from, and how often: one table of
// weights, one column for each page, so that a run reads like real use
// (letters and space most of the time, suggestions often, the rest seldom).
#pragma once

#include <cstdint>
#include <string>

#include "dictionary/DictionaryStore.h"
#include "model/Key.h"
#include "model/KeyRows.h"
#include "tools/pelvok-fuzz/actions.h"

namespace fuzz {

enum class Category : std::uint8_t {
    // Keys of the page on show.
    Letter,
    Space,
    Suggestion,       // a suggestion key showing a word
    EmptySuggestion,  // a blank one
    DeadKey,
    Punctuation,
    Digit,
    Symbol,
    Backspace,
    Enter,
    Arrow,
    HomeEnd,
    Delete,  // Del and delete-word
    Shift,
    CapsLock,
    SymbolsPage,
    Undo,
    Clipboard,  // copy, paste, cut
    Tab,        // tab and back-tab
    OtherKey,   // Esc, the context-menu key, F1 to F9
    WindowKey,  // magnifier, docking, letter arrangement
    // The private messages.
    Move,   // WM_USER+20 'A', 'E', 'G', 'C'
    Press,  // WM_USER+20 'W', unless the current key is excluded
    ShowHideSnap,
    ClearLine,  // WM_USER+33
    // A left click anywhere on the window, unless on an excluded key.
    StrayClick,
    Excluded,  // the power and folder keys: never pressed
};

inline constexpr int kCategoryCount = static_cast<int>(Category::Excluded);

struct Weight {
    Category category;
    int onLetters;  // out of the sum of the column
    int onSymbols;
};

extern const Weight kWeights[kCategoryCount];

// The category of a key of the page on show.
Category categoryOf(const Key& key, bool symbolsPage, const SuggestionSlots& suggestions);

KeyKind kindOf(const Key& key);

// What an action did, for naming a divergence: the key it pressed (a click
// on the key, a stray click that hit one, WM_USER+20 'W') or the message.
struct Effect {
    bool applied = false;  // false: nothing to act on, skipped
    bool pressed = false;  // a key was pressed
    KeyKind kind = KeyKind::Character;
    std::uint8_t code = 0;
    Category category = Category::Excluded;  // of the key pressed
};

// A short name of what the action did, the same for actions that did the
// same kind of thing: "vowel", "dead key", "suggestion", "-", "COPY",
// "post 33", "move".
std::string effectName(const Action& action, const Effect& effect);

}  // namespace fuzz
