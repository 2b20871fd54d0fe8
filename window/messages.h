// The texts of the keyboard's message boxes, and the one way they are shown.
// Every message is bilingual, Spanish then English with " / " between,
// captioned kMessageCaption, with the stop icon; the picture-loading failure
// alone has neither caption nor icon.
#pragma once

#include <string>

#include "platform/platform.h"

class SqliteException;

// Caption of every message box of the keyboard.
inline constexpr const char* kMessageCaption = "zavidavuz";

namespace messages {

// Shown before the process ends, when a keyboard picture cannot be loaded.
inline constexpr const char* kPicturesFailure = "Problema al cargar los Bitmaps del teclado";
// Shown when a repaint cannot get the memory to compose the window in.
inline constexpr const char* kOutOfMemory = "Error, no hay memoria / Error, not enougth memory.";

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
