#include "platform/win32/Win32Settings.h"

#include "platform/win32/win32.h"

namespace win32 {

namespace {

// The key opened with all access, closed when this goes out of scope.
class OpenKey {
public:
    explicit OpenKey(const std::string& key) {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &handle_) !=
            ERROR_SUCCESS) {
            handle_ = nullptr;
        }
    }
    ~OpenKey() {
        if (handle_) RegCloseKey(handle_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY handle() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

}  // namespace

bool Win32Settings::openKey(const std::string& key) { return OpenKey(key).handle() != nullptr; }

void Win32Settings::createKey(const std::string& key) {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &handle, &disposition) == ERROR_SUCCESS) {
        RegCloseKey(handle);
    }
}

std::optional<std::string> Win32Settings::readValue(const std::string& key,
                                                    const std::string& name) {
    OpenKey open(key);
    if (!open.handle()) return std::nullopt;
    // The size first, then the whole value; a value that grows in between is
    // asked for again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(open.handle(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string data(size, '\0');
        LONG result = RegQueryValueExA(open.handle(), name.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        // The text ends at its terminating NUL, which may be missing.
        std::size_t end = data.find('\0');
        if (end != std::string::npos) data.resize(end);
        return data;
    }
    return std::nullopt;
}

void Win32Settings::writeValue(const std::string& key, const std::string& name,
                               const std::string& value) {
    OpenKey open(key);
    if (!open.handle()) return;
    RegSetValueExA(open.handle(), name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

}  // namespace win32
