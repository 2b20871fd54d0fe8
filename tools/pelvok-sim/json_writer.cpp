#include "tools/pelvok-sim/json_writer.h"

#include <charconv>
#include <cstdio>

#include "tools/toolbox/text_codec.h"

namespace pelvok_sim::json {

std::string text(const std::string& cp1252) {
    std::string out = "\"";
    for (char c : toolbox::utf8FromCp1252(cp1252)) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string number(long long value) { return std::to_string(value); }

std::string decimal(float value) {
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string array(const std::vector<std::string>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ", ";
        out += values[i];
    }
    return out + "]";
}

std::string Object::str() const {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i > 0) out += ", ";
        out += text(members[i].first) + ": " + members[i].second;
    }
    return out + "}";
}

}  // namespace pelvok_sim::json
