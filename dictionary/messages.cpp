#include "dictionary/messages.h"

#include <sqlite3.h>

#include "dictionary/SqliteException.h"

namespace messages {

std::string dictionaryFailure(const std::string& path, const SqliteException& failure) {
    std::string text = "No se puede abrir el diccionario " + path +
                       " / Cannot open the dictionary " + path;
    const std::string detail = failure.message() != nullptr ? failure.message() : "";
    text += "\n" + detail;
    // The layer's message may name no cause (a failed compile carries no
    // text); SQLite's own wording of the code says what is wrong with the file.
    if (failure.code() != SqliteException::kLayerError) {
        const std::string cause = sqlite3_errstr(failure.code());
        if (detail.find(cause) == std::string::npos) text += " (" + cause + ")";
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
