// What an action raised as SqliteException, for comparing in tests.
#pragma once

#include <ostream>
#include <string>

#include "dictionary/SqliteException.h"

struct Failure {
    int code = -1;
    std::string message = "(nothing raised)";
    bool operator==(const Failure& other) const {
        return code == other.code && message == other.message;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Failure& failure) {
    return out << failure.code << " \"" << failure.message << "\"";
}

template <typename Action>
Failure failureOf(Action&& action) {
    try {
        action();
    } catch (const SqliteException& e) {
        return Failure{e.code(), e.message() ? e.message() : "(null message)"};
    }
    return Failure{};
}

inline Failure layerFailure(const std::string& text) {
    return Failure{1000, "SQLITE_LAYER_ERROR[1000]: " + text};
}
