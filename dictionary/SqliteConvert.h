// Numbers from the texts SQLite returns.
#pragma once

#include <climits>
#include <cstdlib>

// As atoi, but a value beyond the range of int is clamped instead of being
// undefined, and a null text reads as 0.
inline int sqliteTextToInt(const char* text) {
    if (!text) return 0;
    long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// As atof; a null text reads as 0.
inline double sqliteTextToDouble(const char* text) {
    return text ? std::strtod(text, nullptr) : 0.0;
}
