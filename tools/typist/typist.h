// A user who types a text on the keyboard: for each character the next key
// that brings the target application's text closer to it (SHIFT or Caps Lock
// for capitals, a dead key then the vowel for accents, the symbols page for
// digits and signs, Backspace for what the keyboard added on its own and
// will not take back itself), and, when asked to, a suggestion key as soon
// as one shows the word being typed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Key.h"
#include "tools/typist/keyboard_session.h"

namespace typist {

// The target did not end up with the text.
class TypingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TypingCounts {
    std::size_t clicks = 0;
    // Characters the target received, a line break counted as one.
    std::size_t characters = 0;
    std::size_t words = 0;
    std::size_t wordsFromSuggestions = 0;
    // Non-empty suggestion keys on show, added up over the moments the user
    // chose the next key.
    std::size_t suggestionsShown = 0;
    std::size_t suggestionsTaken = 0;
    // The keystroke savings rate as word-prediction research counts it: the
    // words are the text split at blanks and ASCII punctuation (¿ ¡ and
    // digits stay in the word); each costs its characters and a space, and
    // a suggestion taken saves the characters it typed.
    std::size_t wordKeystrokes = 0;
    std::size_t charactersSaved = 0;
};

class Typist {
public:
    Typist(KeyboardSession& session, bool takeSuggestions);

    // Types the paragraph (Windows-1252, as MakeTypeable gives it) into an
    // empty target, then Enter. Throws TypingError when the target's text
    // is not the paragraph followed by a line break.
    void typeParagraph(const std::string& paragraph);

    const TypingCounts& counts() const { return counts_; }
    // When set, the time of every click, in seconds, is kept: as the user
    // waits for it, and as the processor spent it on this thread.
    void keepKeyTimes(bool keep) { keepTimes_ = keep; }
    const std::vector<double>& keyTimes() const { return keyTimes_; }
    const std::vector<double>& keyCpuTimes() const { return keyCpuTimes_; }
    // Called after every click.
    void afterEachKey(std::function<void()> hook) { afterKey_ = std::move(hook); }
    // Called before every click with the key, on the page it is on.
    void beforeEachKey(std::function<void(const Key&)> hook) { beforeKey_ = std::move(hook); }

private:
    // One key for the character at k of the text.
    void pressFor(const std::string& text, std::size_t k);
    void pressAccented(unsigned char accented);
    void fixCase(bool upper, bool runFollows);
    // Takes a suggestion that shows the word at k; false when none does.
    bool takeSuggestion(const std::string& text, std::size_t k);
    void press(const Key& key);
    // The key of a page on show: a character key, or one of the direct keys.
    bool findCharacter(std::uint8_t code, Key& key) const;
    Key direct(std::uint8_t code) const;

    KeyboardSession& session_;
    bool takeSuggestions_;
    TypingCounts counts_;
    bool keepTimes_ = false;
    std::vector<double> keyTimes_;
    std::vector<double> keyCpuTimes_;
    std::function<void()> afterKey_;
    std::function<void(const Key&)> beforeKey_;
};

}  // namespace typist
