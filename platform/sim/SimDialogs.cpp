#include "platform/sim/SimDialogs.h"

#include <utility>

#include "platform/sim/SimFiles.h"
#include "platform/sim/SimWindows.h"

namespace sim {

FileAnswer FileAnswer::choose(std::string windowsPath) {
    FileAnswer answer;
    answer.kind = Kind::Choose;
    answer.path = std::move(windowsPath);
    return answer;
}

FileAnswer FileAnswer::cancel() { return FileAnswer(); }

FileAnswer FileAnswer::run(Callback callback) {
    FileAnswer answer;
    answer.kind = Kind::Run;
    answer.callback = std::move(callback);
    return answer;
}

void SimDialogs::messageBox(bool ownedByKeyboard, const std::string& text,
                            const std::optional<std::string>& caption, bool stopIcon) {
    boxes.push_back({ownedByKeyboard, text, caption, stopIcon});
}

int SimDialogs::trackPopupMenu(int menuId, platform::Point screen,
                               const std::vector<int>& disabledItems,
                               const std::vector<int>& checkedItems) {
    int command = 0;
    if (!menuAnswers.empty()) {
        command = menuAnswers.front();
        menuAnswers.pop_front();
    }
    menuLog.push_back({menuId, screen, disabledItems, checkedItems, command});
    return command;
}

std::optional<platform::FileChoice> SimDialogs::runFileDialog(bool open,
                                                              const std::string& initialDirectory,
                                                              const std::string& filter) {
    const std::size_t index = dialogLog.size();
    dialogLog.push_back({open, initialDirectory, filter, std::nullopt});
    FileAnswer next;
    if (!fileAnswers.empty()) {
        next = std::move(fileAnswers.front());
        fileAnswers.pop_front();
    }
    std::optional<platform::FileChoice> result = answer(next, open, initialDirectory);
    // A chosen file leaves the current directory at its folder, as the
    // common dialogs do; a cancelled one leaves it alone.
    if (result) files.setCurrentDirectory(SimFiles::folderOf(result->fullPath));
    dialogLog[index].result = result;
    return result;
}

std::optional<platform::FileChoice> SimDialogs::answer(FileAnswer& next, bool open,
                                                       const std::string& initialDirectory) {
    switch (next.kind) {
        case FileAnswer::Kind::Cancel:
            return std::nullopt;
        case FileAnswer::Kind::Choose: {
            const std::string base =
                initialDirectory.empty() ? files.currentDirectory() : initialDirectory;
            return choiceFor(SimFiles::resolve(base, next.path));
        }
        case FileAnswer::Kind::Run:
            break;
    }
    return runUp(next, open);
}

std::optional<platform::FileChoice> SimDialogs::runUp(FileAnswer& next, bool open) {
    // The dialog comes up in front with the focus; when it goes, the window
    // that was in front before gets the foreground back.
    const platform::WindowId before = windows.foregroundWindow();
    const platform::WindowId window = windows.createWindow(
        open ? "Abrir" : "Guardar como", platform::Rect{200, 200, 800, 600}, kKeyboardThread);
    windows.setForeground(window);
    upDialogs.push_back({window, false});
    struct TakeDown {
        SimDialogs& dialogs;
        platform::WindowId before;
        ~TakeDown() {
            dialogs.windows.destroyWindow(dialogs.upDialogs.back().window);
            dialogs.upDialogs.pop_back();
            if (dialogs.windows.isWindow(before)) dialogs.windows.setForeground(before);
        }
    };
    std::optional<platform::FileChoice> result;
    bool closed = false;
    {
        const TakeDown takeDown{*this, before};
        if (next.callback) result = next.callback();
        closed = upDialogs.back().closed;
    }
    if (closed) return std::nullopt;
    return result;
}

void SimDialogs::closeFileDialog() {
    ++closeCalls;
    // Closes the innermost dialog still up, as finding it by its title would.
    for (auto it = upDialogs.rbegin(); it != upDialogs.rend(); ++it) {
        if (!it->closed) {
            it->closed = true;
            return;
        }
    }
}

platform::WindowId SimDialogs::fileDialogWindow() const {
    return upDialogs.empty() ? 0 : upDialogs.back().window;
}

void SimDialogs::clearLogs() {
    boxes.clear();
    menuLog.clear();
    dialogLog.clear();
    closeCalls = 0;
}

platform::FileChoice SimDialogs::choiceFor(const std::string& fullPath) {
    platform::FileChoice choice;
    choice.fullPath = fullPath;
    const std::size_t slash = fullPath.find_last_of("\\/");
    choice.title = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    return choice;
}

}  // namespace sim
