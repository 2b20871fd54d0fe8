// Message boxes, context menus and file dialogs: recorded, and answered from
// queues the test fills beforehand.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sim {

class SimFiles;
class SimWindows;

struct MessageBoxRecord {
    bool owned = false;
    std::string text;
    std::optional<std::string> caption;
    bool stopIcon = false;
};

struct MenuRecord {
    int menuId = 0;
    platform::Point screen;
    std::vector<int> disabledItems;
    std::vector<int> checkedItems;
    int answer = 0;
};

struct FileDialogRecord {
    bool open = false;
    std::string initialDirectory;
    std::string filter;
    std::optional<platform::FileChoice> result;
};

// What a file dialog does when it comes up.
class FileAnswer {
public:
    using Callback = std::function<std::optional<platform::FileChoice>()>;

    // The user picks this file (a Windows path; a relative one is taken
    // from the dialog's initial directory).
    static FileAnswer choose(std::string windowsPath);
    static FileAnswer cancel();
    // Runs while the dialog is up, as a window "Abrir" or "Guardar como" of
    // the keyboard's thread in the foreground; its result is the dialog's,
    // unless closeFileDialog was called meanwhile, which cancels.
    static FileAnswer run(Callback callback);

private:
    friend class SimDialogs;
    enum class Kind { Choose, Cancel, Run };
    Kind kind = Kind::Cancel;
    std::string path;
    Callback callback;
};

class SimDialogs : public platform::Dialogs {
public:
    SimDialogs(SimFiles& files, SimWindows& windows) : files(files), windows(windows) {}

    void messageBox(bool ownedByKeyboard, const std::string& text,
                    const std::optional<std::string>& caption, bool stopIcon) override;
    int trackPopupMenu(int menuId, platform::Point screen, const std::vector<int>& disabledItems,
                       const std::vector<int>& checkedItems) override;
    std::optional<platform::FileChoice> runFileDialog(bool open,
                                                      const std::string& initialDirectory,
                                                      const std::string& filter) override;
    void closeFileDialog() override;

    // For tests. An empty menu queue answers 0, an empty file queue cancels.
    void queueMenuAnswer(int command) { menuAnswers.push_back(command); }
    void queueFileAnswer(FileAnswer answer) { fileAnswers.push_back(std::move(answer)); }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return boxes; }
    const std::vector<MenuRecord>& menus() const { return menuLog; }
    const std::vector<FileDialogRecord>& fileDialogs() const { return dialogLog; }
    int closeFileDialogCalls() const { return closeCalls; }
    bool fileDialogUp() const { return !upDialogs.empty(); }
    // The window of the innermost dialog up, 0 when none.
    platform::WindowId fileDialogWindow() const;
    void clearLogs();

    // The choice a dialog returns for a full Windows path.
    static platform::FileChoice choiceFor(const std::string& fullPath);

private:
    std::optional<platform::FileChoice> answer(FileAnswer& next, bool open,
                                               const std::string& initialDirectory);
    std::optional<platform::FileChoice> runUp(FileAnswer& next, bool open);

    SimFiles& files;
    SimWindows& windows;
    std::deque<int> menuAnswers;
    std::deque<FileAnswer> fileAnswers;
    std::vector<MessageBoxRecord> boxes;
    std::vector<MenuRecord> menuLog;
    std::vector<FileDialogRecord> dialogLog;
    struct UpDialog {
        platform::WindowId window = 0;
        bool closed = false;
    };
    // Innermost last.
    std::vector<UpDialog> upDialogs;
    int closeCalls = 0;
};

}  // namespace sim
