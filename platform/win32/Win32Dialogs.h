// Message boxes, context menus and the on-screen file dialog.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Framework;

class Win32Dialogs final : public platform::Dialogs {
public:
    explicit Win32Dialogs(Win32Framework& framework);

    void messageBox(bool ownedByKeyboard, const std::string& text,
                    const std::optional<std::string>& caption, bool stopIcon) override;
    int trackPopupMenu(int menuId, platform::Point screen, const std::vector<int>& disabledItems,
                       const std::vector<int>& checkedItems) override;
    std::optional<platform::FileChoice> runFileDialog(bool open,
                                                      const std::string& initialDirectory,
                                                      const std::string& filter) override;
    void closeFileDialog() override;

private:
    Win32Framework& framework_;
};

}  // namespace win32
