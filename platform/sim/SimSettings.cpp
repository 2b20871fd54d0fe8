#include "platform/sim/SimSettings.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

namespace sim {

namespace {

unsigned char lowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool needsEscape(char c) { return c == '%' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = lowerAscii(static_cast<unsigned char>(a[i]));
        const unsigned char y = lowerAscii(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

SimSettings::SimSettings(std::string file) : file(std::move(file)) {
    if (!this->file.empty()) load();
}

bool SimSettings::blocked(const std::string& key) const { return unopenable.count(key) != 0; }

bool SimSettings::openKey(const std::string& key) { return !blocked(key) && hasKey(key); }

void SimSettings::createKey(const std::string& key) {
    if (blocked(key) || hasKey(key)) return;
    keys[key];
    save();
}

std::optional<std::string> SimSettings::readValue(const std::string& key, const std::string& name) {
    if (blocked(key)) return std::nullopt;
    return value(key, name);
}

void SimSettings::writeValue(const std::string& key, const std::string& name,
                             const std::string& text) {
    // RegSetValueEx needs an open key: a missing key is not created by a write.
    if (blocked(key) || !hasKey(key)) return;
    writeLog.push_back({key, name, text});
    keys[key][name] = text;
    save();
}

bool SimSettings::hasKey(const std::string& key) const { return keys.count(key) != 0; }

std::optional<std::string> SimSettings::value(const std::string& key,
                                              const std::string& name) const {
    const auto k = keys.find(key);
    if (k == keys.end()) return std::nullopt;
    const auto v = k->second.find(name);
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

void SimSettings::setValue(const std::string& key, const std::string& name,
                           const std::string& text) {
    keys[key][name] = text;
    save();
}

void SimSettings::removeValue(const std::string& key, const std::string& name) {
    const auto k = keys.find(key);
    if (k == keys.end()) return;
    k->second.erase(name);
    save();
}

void SimSettings::removeKey(const std::string& key) {
    keys.erase(key);
    save();
}

void SimSettings::setUnopenable(const std::string& key, bool isUnopenable) {
    if (isUnopenable) {
        unopenable.insert(key);
    } else {
        unopenable.erase(key);
    }
}

std::string SimSettings::encode(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        if (needsEscape(c)) {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string SimSettings::decode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

void SimSettings::load() {
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t tab1 = line.find('\t');
        if (tab1 == std::string::npos) {
            keys[decode(line)];
            continue;
        }
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) continue;  // not a line of this format
        keys[decode(line.substr(0, tab1))][decode(line.substr(tab1 + 1, tab2 - tab1 - 1))] =
            decode(line.substr(tab2 + 1));
    }
}

void SimSettings::save() const {
    if (file.empty()) return;
    std::ostringstream out;
    for (const auto& [key, values] : keys) {
        if (values.empty()) out << encode(key) << '\n';
        for (const auto& [name, text] : values) {
            out << encode(key) << '\t' << encode(name) << '\t' << encode(text) << '\n';
        }
    }
    // Written whole to a side file first, so that a crash never leaves half a registry.
    const std::string temporary = file + ".tmp";
    {
        std::ofstream f(temporary, std::ios::binary | std::ios::trunc);
        f << out.str();
        if (!f) return;
    }
    std::rename(temporary.c_str(), file.c_str());
}

}  // namespace sim
