// The typing engine of the running keyboard: the model, the echo of the
// typed line and the composition flags; activating the current key
// (typing/activation.cpp, typing/character_keys.cpp), editing the echo
// (typing/composition.cpp) and prediction and learning (typing/prediction.cpp).
// The keyboard window builds on it and carries out, through the hooks below,
// the commands that move, resize or end the window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/KeyboardDictionary.h"
#include "model/Key.h"
#include "model/KeyboardLayout.h"

class TypingEngine : public KeyboardDictionary {
public:
    explicit TypingEngine(platform::Platform& platform);
    ~TypingEngine() override;

    void ActivateCurrentKey();
    void UpdateComposition(std::uint8_t code, bool shifted, bool control);
    // endsWord: the key ended the word before the marker, which is learned.
    void UpdateSuggestions(std::uint8_t code, const std::string& line,
                           const std::string& lineBeforeEnter, bool endsWord);

    // Docking, the next size and the exit command, which the window carries out.
    virtual void placeWindow(int position) = 0;
    virtual void nextSize() = 0;

    // The model; null once the window has closed (WM_CLOSE), after which
    // nothing may run.
    std::unique_ptr<KeyboardLayout> layout;
    int highlightState = 1;  // 1 hover, 2 pressed, 3 none
    int position = 1;
    int zoom = 1;
    platform::WindowId lastTarget = 0;
    std::string textLine;
    int cursorPos = 0;
    bool sentenceStart = true;
    bool selectionActive = false;
    bool spaceAbsorbed = false;
    // Where the selection that the SHIFT-extended arrows made began, as an
    // index of the echo; -1 when it reaches into text the echo does not know.
    int selectionAnchor = -1;
    // The target's line may hold text the echo does not know, before it (the
    // echo keeps only the end of a long line, and some keys move the caret
    // where the keyboard cannot follow) or after it. Words that may go on
    // into such text are neither learned nor completed.
    bool textBeforeUnknown = false;
    bool textAfterUnknown = false;
    // The last key typed a dead-key accent that waits for its letter; the
    // echo shows it before the marker.
    bool deadKeyPending = false;
    // Learning paused by the user: suggestions still come, nothing is learned.
    bool learningPaused = false;
    // A word the keys showed and the next letter passed over is not shown
    // again until the word ends (a setting, off by default).
    bool noRepeatedSuggestions = false;
    // Off, the keys are never filled and only learning runs: for pelvok-train,
    // which needs no suggestions, and for which filling is most of a key's time.
    bool fillsSuggestions = true;

protected:
    // The exit command: ends the keyboard, saving what it must.
    virtual void exitKeyboard() = 0;

    int fileDialogKind() const override;
    void setFileDialogKind(int kind) override;
    bool stillRunning() const override { return !ending_ && layout != nullptr; }

    bool ending_ = false;  // the exit command has run

private:
    // Keeps passedOver_ up to date for a fill for `prefix` (empty: no word
    // being typed).
    void notePassedOver(const std::string& prefix);

    // The accent-free word the keys were last filled for, and the words they
    // showed that a letter of this word has passed over.
    std::string filledFor_;
    std::vector<std::string> passedOver_;

    void activateCommand(const Key& key);
    void activateDirect(const Key& key);
    void activateCharacter(const Key& key, std::int16_t scanned, const std::string& line);
    void typePlainCharacter(const Key& key, std::int16_t scanned, const std::string& line);
    void typeShiftedCharacter(const Key& key, std::int16_t scanned, const std::string& line,
                              bool oneShot);
    void completeSuggestion(std::uint8_t code, const std::string& line, const std::string& word);
    void typeCompletionCharacter(std::uint8_t ch);
    // Whether `key` must find no dead key waiting in the target.
    bool settlesDeadKey(const Key& key, std::int16_t scanned);
    // The waiting accent when the keyboard holds it itself, the layout having
    // no dead key for it; 0 otherwise.
    std::uint8_t heldAccent();
    // The next character after an accent the keyboard holds: a vowel takes
    // it, a space types it alone (true: nothing more to type); anything else
    // comes after it.
    bool typeAfterHeldAccent(std::uint8_t code, bool oneShot, std::uint8_t accent);
    // A character the layout has no key for.
    void typeWithoutKey(std::uint8_t code, bool oneShot, const std::string& line);
    // The key of '¿' on the letters page after a word closes the question:
    // '?' is typed instead; right after a '¿' it takes that '¿' and the space
    // before it back first (then true is returned in closesEmpty).
    std::uint8_t questionMark(const std::string& line, bool& closesEmpty);
};
