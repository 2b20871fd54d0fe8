// REG_SZ values under HKEY_CURRENT_USER.
#pragma once

#include "platform/platform.h"

namespace win32 {

class Win32Settings final : public platform::Settings {
public:
    bool openKey(const std::string& key) override;
    void createKey(const std::string& key) override;
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override;
    void writeValue(const std::string& key, const std::string& name,
                    const std::string& value) override;
};

}  // namespace win32
