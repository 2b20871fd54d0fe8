#include "platform/win32/OnScreenFileDialog.h"

#include <cstring>

#include "platform/win32/FileDialogHooks.h"

namespace win32 {

namespace {

// Copies a NUL-terminated text, cut to fit with its NUL.
template <std::size_t N>
void copyText(char (&buffer)[N], const char* text) {
    if (!text) return;
    std::size_t length = std::strlen(text);
    if (length > N - 1) length = N - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

}  // namespace

OnScreenFileDialog::OnScreenFileDialog(bool open, HWND owner, const char* initialDirectory,
                                       const char* fileName, const char* filter, int filterLength,
                                       const char* defaultExtension, DWORD extraFlags)
    : open_(open) {
    if (filter && filterLength > 0) {
        // Two bytes stay NUL, so a list cut to fit is still properly ended.
        std::size_t length = static_cast<std::size_t>(filterLength);
        if (length > sizeof(filter_) - 2) length = sizeof(filter_) - 2;
        std::memcpy(filter_, filter, length);
    } else {
        // One pair that shows every file.
        static const char kAllFiles[] = "All Files\0*.*\0";
        std::memcpy(filter_, kAllFiles, sizeof(kAllFiles));
    }
    copyText(file_, fileName);
    copyText(initialDirectory_, initialDirectory);
    if (defaultExtension) {
        std::size_t out = 0;
        for (const char* p = defaultExtension; *p && out < sizeof(defaultExtension_) - 1; ++p) {
            if (*p != '.') defaultExtension_[out++] = *p;
        }
    }

    // The pre-Windows 2000 form of the record: the dialog has no places bar.
    record_.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record_.hwndOwner = owner;
    record_.lpstrFilter = filter_;
    record_.lpstrCustomFilter = nullptr;
    record_.lpstrFile = file_;
    record_.nMaxFile = sizeof(file_);
    record_.lpstrFileTitle = title_;
    record_.nMaxFileTitle = sizeof(title_);
    record_.lpstrInitialDir = initialDirectory_;
    record_.lpstrTitle = nullptr;
    record_.Flags = extraFlags | kFlags;
    record_.lpstrDefExt = defaultExtension_;
    record_.lpfnHook = &FileDialogHook;
}

int OnScreenFileDialog::run() {
    return open_ ? GetOpenFileNameA(&record_) : GetSaveFileNameA(&record_);
}

std::string OnScreenFileDialog::fullPath() const { return file_; }

std::string OnScreenFileDialog::fileTitle() const { return title_; }

std::string OnScreenFileDialog::fileExtension() const {
    std::string title = title_;
    std::size_t dot = title.rfind('.');
    return dot == std::string::npos ? std::string() : title.substr(dot + 1);
}

std::string OnScreenFileDialog::fileBaseName() const {
    std::string title = title_;
    std::size_t dot = title.rfind('.');
    return dot == std::string::npos ? std::string() : title.substr(0, dot);
}

std::string OnScreenFileDialog::folderPath() const {
    std::string path = file_;
    std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace win32
