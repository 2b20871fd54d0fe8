// Just enough of a JSON reader to check the lines pelvok-sim prints.
#pragma once

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace pelvok_test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of that name; throws when there is none.
    const JsonValue& operator[](const std::string& key) const {
        for (const auto& [name, value] : members) {
            if (name == key) return value;
        }
        throw std::out_of_range("no member " + key);
    }
    bool has(const std::string& key) const {
        for (const auto& member : members) {
            if (member.first == key) return true;
        }
        return false;
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> names;
        for (const auto& member : members) names.push_back(member.first);
        return names;
    }
};

class JsonReader {
public:
    // Throws std::runtime_error on anything that is not one JSON value.
    static JsonValue parse(const std::string& text) {
        JsonReader reader(text);
        JsonValue value = reader.value();
        reader.blanks();
        if (reader.at != text.size()) reader.fail("trailing text");
        return value;
    }

private:
    explicit JsonReader(const std::string& text) : text(text) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(at) + " in " + text);
    }
    void blanks() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) {
            ++at;
        }
    }
    bool take(char c) {
        blanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c)) fail(std::string("expected ") + c);
    }
    bool word(const char* w) {
        const std::string expected = w;
        if (text.compare(at, expected.size(), expected) != 0) return false;
        at += expected.size();
        return true;
    }

    JsonValue value() {
        blanks();
        JsonValue v;
        if (take('{')) {
            v.kind = JsonValue::Kind::Object;
            if (take('}')) return v;
            do {
                blanks();
                std::string key = string();
                expect(':');
                v.members.emplace_back(std::move(key), value());
            } while (take(','));
            expect('}');
        } else if (take('[')) {
            v.kind = JsonValue::Kind::Array;
            if (take(']')) return v;
            do {
                v.items.push_back(value());
            } while (take(','));
            expect(']');
        } else if (at < text.size() && text[at] == '"') {
            v.kind = JsonValue::Kind::String;
            v.text = string();
        } else if (word("true") || word("false")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = text[at - 1] == 'e' && text[at - 2] == 'u';
        } else if (word("null")) {
            v.kind = JsonValue::Kind::Null;
        } else {
            const char* start = text.c_str() + at;
            char* end = nullptr;
            v.kind = JsonValue::Kind::Number;
            v.number = std::strtod(start, &end);
            if (end == start) fail("expected a value");
            at += static_cast<std::size_t>(end - start);
        }
        return v;
    }

    std::string string() {
        if (at >= text.size() || text[at] != '"') fail("expected a string");
        ++at;
        std::string out;
        while (at < text.size() && text[at] != '"') {
            char c = text[at++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at >= text.size()) fail("cut escape");
            c = text[at++];
            switch (c) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    // Only the control characters the writer escapes this way.
                    const long code = std::strtol(text.substr(at, 4).c_str(), nullptr, 16);
                    if (code >= 0x80) fail("unexpected \\u escape");
                    out += static_cast<char>(code);
                    at += 4;
                    break;
                }
                default:
                    out += c;
            }
        }
        if (at >= text.size()) fail("unterminated string");
        ++at;
        return out;
    }

    const std::string& text;
    std::size_t at = 0;
};

}  // namespace pelvok_test
