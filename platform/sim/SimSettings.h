// The per-user registry, kept in memory and optionally in a file of lines
// "key<TAB>name<TAB>value" (a key without values is a line of its own).
// Key and value names compare without regard to ASCII case, as in the registry.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sim {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct SettingsWrite {
    std::string key;
    std::string name;
    std::string value;
};

class SimSettings : public platform::Settings {
public:
    // With a file name, the registry is loaded from it (when it exists) and
    // saved to it on every change.
    explicit SimSettings(std::string file = "");

    bool openKey(const std::string& key) override;
    void createKey(const std::string& key) override;
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override;
    void writeValue(const std::string& key, const std::string& name,
                    const std::string& value) override;

    // For tests; these do not go through the unopenable check.
    bool hasKey(const std::string& key) const;
    std::optional<std::string> value(const std::string& key, const std::string& name) const;
    void setValue(const std::string& key, const std::string& name, const std::string& value);
    void removeValue(const std::string& key, const std::string& name);
    void removeKey(const std::string& key);
    // An unopenable key can be neither opened, created, read nor written.
    void setUnopenable(const std::string& key, bool unopenable);
    // Every writeValue that reached the registry, in order.
    const std::vector<SettingsWrite>& writes() const { return writeLog; }

    // The file format; bytes other than '%', TAB, CR, LF and NUL are kept as
    // they are, those five are written as %XX.
    static std::string encode(const std::string& text);
    static std::string decode(const std::string& text);

private:
    using Values = std::map<std::string, std::string, NoCaseLess>;

    void load();
    void save() const;
    bool blocked(const std::string& key) const;

    std::string file;
    std::map<std::string, Values, NoCaseLess> keys;
    std::set<std::string, NoCaseLess> unopenable;
    std::vector<SettingsWrite> writeLog;
};

}  // namespace sim
