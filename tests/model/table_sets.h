// The built-in table sets by name, for table-driven tests.
#pragma once

#include <ostream>

#include "model/LayoutTables.h"

enum class TableSet { Startup, Qwerty, Optimized, Symbols };

inline const LayoutTables& tablesOf(TableSet set) {
    switch (set) {
        case TableSet::Startup:
            return startupTables();
        case TableSet::Qwerty:
            return qwertyTables();
        case TableSet::Optimized:
            return optimizedTables();
        case TableSet::Symbols:
            return symbolsTables();
    }
    return startupTables();
}

inline const char* nameOf(TableSet set) {
    switch (set) {
        case TableSet::Startup:
            return "Startup";
        case TableSet::Qwerty:
            return "Qwerty";
        case TableSet::Optimized:
            return "Optimized";
        case TableSet::Symbols:
            return "Symbols";
    }
    return "?";
}

inline std::ostream& operator<<(std::ostream& out, TableSet set) { return out << nameOf(set); }
