#include "window/messages.h"

#include "dictionary/SqliteException.h"

namespace messages {

std::string dictionaryFailure(const std::string& path, const SqliteException& failure) {
    std::string text = "No se puede abrir el diccionario " + path +
                       " / Cannot open the dictionary " + path;
    if (failure.message() != nullptr) {
        text += "\n";
        text += failure.message();
    }
    return text;
}

void showError(platform::Dialogs& dialogs, const std::string& text) {
    dialogs.messageBox(true, text, std::string(kMessageCaption), true);
}

void showDictionaryFailure(platform::Dialogs& dialogs, const std::string& path,
                           const SqliteException& failure) {
    showError(dialogs, dictionaryFailure(path, failure));
}

}  // namespace messages
