// One-line JSON for the script's reports. Texts are the keyboard's
// Windows-1252 bytes, written as UTF-8.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pelvok_sim::json {

// A quoted JSON string of Windows-1252 text.
std::string text(const std::string& cp1252);
std::string number(long long value);
// The shortest form that reads back as the same float (1.11 rather than 1.1100000143).
std::string decimal(float value);
std::string boolean(bool value);
// Values already in JSON.
std::string array(const std::vector<std::string>& values);

// Members in the order they are added.
class Object {
public:
    Object& add(const std::string& key, std::string value) {
        members.emplace_back(key, std::move(value));
        return *this;
    }
    std::string str() const;

private:
    std::vector<std::pair<std::string, std::string>> members;
};

}  // namespace pelvok_sim::json
