// Temporary folders and whole files for the tests of the tools.
#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/SqliteDatabase.h"
#include "tools/toolbox/temp_folder.h"

namespace tools_test {

using toolbox::TempFolder;

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every row of a table, each as its columns joined by '|', sorted.
inline std::vector<std::string> tableRows(const std::string& dictionary, const std::string& table) {
    SqliteDatabase db;
    db.open(dictionary);
    std::vector<std::string> rows;
    for (SqliteQuery q = db.runQuery("SELECT * FROM " + table); !q.atEnd(); q.next()) {
        std::string row;
        for (int column = 0; column < q.columnCount(); ++column)
            row += std::string(q.textOr(column, "NULL")) + "|";
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace tools_test
