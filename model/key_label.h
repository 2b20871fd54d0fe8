// Short texts for drawing keys on a generated picture.
#pragma once

#include <string>

#include "model/Key.h"

// The label of `key` in Windows-1252: the character of a character key
// (upper-cased when `upperCase`), a short name for the others, empty for dead
// cells and the space bar. `symbolsPage` picks the labels the two page keys
// carry on the symbols page.
std::string keyLabel(const Key& key, bool upperCase, bool symbolsPage = false);
