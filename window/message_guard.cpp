#include "window/message_guard.h"

#include <algorithm>
#include <string>

#include "dictionary/messages.h"

namespace {

// Stand for the model's failures, and for learning that waits for a lock,
// among the SQLite codes already shown.
constexpr int kModelFailure = -1;
constexpr int kLearningDelayed = -2;

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

void CPelvokDlg::learningFailed(const SqliteException& failure) {
    reportDictionaryFailure(failure);
}

void CPelvokDlg::learningDelayed(const SqliteException& /*failure*/) {
    if (std::find(shownFailures_.begin(), shownFailures_.end(), kLearningDelayed) !=
        shownFailures_.end())
        return;
    shownFailures_.push_back(kLearningDelayed);
    messages::showError(platform().dialogs,
                        "Otro programa usa el diccionario " + dictionaryPath +
                            ": lo aprendido se guardar\xE1 en cuanto quede libre / Another "
                            "program is using the dictionary " +
                            dictionaryPath + ": what is learned is saved as soon as it is free");
}
