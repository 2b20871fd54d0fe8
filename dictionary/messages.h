// The one way the keyboard's message boxes are shown, and the texts of the
// dictionary's failures. Every message is bilingual, Spanish then English
// with " / " between, captioned kMessageCaption, with the stop icon; the
// picture-loading failure (window/startup.cpp) alone has neither caption nor
// icon.
#pragma once

#include <string>

#include "platform/platform.h"

class SqliteException;

// Caption of every message box of the keyboard.
inline constexpr const char* kMessageCaption = "zavidavuz";

namespace messages {

// "No se puede abrir el diccionario <path> / Cannot open the dictionary
// <path>", then the failure's message on a line of its own, followed by
// SQLite's wording of the code when the message lacks it.
std::string dictionaryFailure(const std::string& path, const SqliteException& failure);

// A message box owned by the keyboard window, with the caption and the stop icon.
void showError(platform::Dialogs& dialogs, const std::string& text);

// Tells the user that the dictionary at `path` failed with `failure`.
void showDictionaryFailure(platform::Dialogs& dialogs, const std::string& path,
                           const SqliteException& failure);

}  // namespace messages
