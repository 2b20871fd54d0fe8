// The keys of the QWERTY letters page as a program that drives the keyboard
// from outside sees them: where each key lies at size 1, and the WM_USER+20
// letters that make it current from wherever the current key is.
#pragma once

#include <string>

struct PageKey {
    const char* name;  // the character it types, or a name such as "Shift"
    int row;
    int column;  // the first grid column it covers
    int size;    // the grid columns it covers
};

// The key of that name, or nullptr.
const PageKey* findPageKey(const std::string& name);

// The key's centre in window pixels at size 1, as the keyboard computes it.
int keyCentreX(const PageKey& key);
int keyCentreY(const PageKey& key);

// Moves that reach the key from any current key, on any letter page.
std::string movesTo(const PageKey& key);

// Every key name, for a message that lists them.
std::string pageKeyNames();
