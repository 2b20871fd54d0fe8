// The common open and save dialogs, adapted to being used from the on-screen
// keyboard: no deleting, cutting, pasting, renaming, context menus, drag and
// drop or new folders, and always above other windows (FileDialogHooks.h).
#pragma once

#include <string>

#include "platform/win32/win32.h"

namespace win32 {

class OnScreenFileDialog {
public:
    // Any text may be nullptr. The filter is a list of NUL-terminated pairs
    // (display text, pattern) ending with an extra NUL; filterLength counts
    // its bytes including that end.
    OnScreenFileDialog(bool open, HWND owner, const char* initialDirectory, const char* fileName,
                       const char* filter, int filterLength, const char* defaultExtension,
                       DWORD extraFlags);
    OnScreenFileDialog(const OnScreenFileDialog&) = delete;
    OnScreenFileDialog& operator=(const OnScreenFileDialog&) = delete;

    // Non-zero when a file was chosen.
    int run();

    std::string fullPath() const;
    std::string fileTitle() const;
    std::string fileExtension() const;
    std::string fileBaseName() const;
    std::string folderPath() const;

    // OFN_READONLY | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_ENABLESIZING.
    static constexpr DWORD kFlags = 0x880021;

private:
    OPENFILENAMEA record_ = {};
    char filter_[520] = {};
    char file_[MAX_PATH] = {};
    char title_[MAX_PATH] = {};
    char initialDirectory_[MAX_PATH] = {};
    char defaultExtension_[4] = {};
    bool open_;
};

}  // namespace win32
