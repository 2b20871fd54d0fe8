#include "window/message_guard.h"

#include <algorithm>
#include <string>

#include "dictionary/messages.h"

namespace {

// Stands for the model's failures among the SQLite codes already shown.
constexpr int kModelFailure = -1;

std::string dictionaryInUseFailure(const std::string& path, const SqliteException& failure) {
    std::string text = "Error en el diccionario " + path + " / Error in the dictionary " + path;
    if (failure.message() != nullptr) {
        text += "\n";
        text += failure.message();
    }
    return text;
}

}  // namespace

void CPelvokDlg::reportDictionaryFailure(const SqliteException& failure) {
    // The state the handler left half-changed is painted again as it is.
    platform().framework.invalidate(nullptr);
    // A broken file fails again on every key: it is told once.
    if (std::find(shownFailures_.begin(), shownFailures_.end(), failure.code()) !=
        shownFailures_.end())
        return;
    shownFailures_.push_back(failure.code());
    messages::showError(platform().dialogs, dictionaryInUseFailure(dictionaryPath, failure));
}

void CPelvokDlg::reportModelFailure() {
    platform().framework.invalidate(nullptr);
    if (std::find(shownFailures_.begin(), shownFailures_.end(), kModelFailure) !=
        shownFailures_.end())
        return;
    shownFailures_.push_back(kModelFailure);
    messages::showError(platform().dialogs,
                        "Error interno del teclado / Internal error of the keyboard");
}
