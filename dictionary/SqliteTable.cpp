#include "dictionary/SqliteTable.h"

#include <sqlite3.h>

#include <cstring>

#include "dictionary/SqliteConvert.h"
#include "dictionary/SqliteException.h"

namespace {

[[noreturn]] void throwLayerError(const char* text) {
    throw SqliteException(SqliteException::kLayerError, text);
}

}  // namespace

SqliteTable::SqliteTable() : results_(nullptr), rows_(0), columns_(0), currentRow_(0) {}

SqliteTable::SqliteTable(char** results, int rows, int columns)
    : results_(results), rows_(rows), columns_(columns), currentRow_(0) {}

SqliteTable::SqliteTable(SqliteTable& other) : SqliteTable() { takeFrom(other); }

SqliteTable::SqliteTable(SqliteTable&& other) noexcept : SqliteTable() { takeFrom(other); }

SqliteTable& SqliteTable::operator=(SqliteTable& other) {
    if (this != &other) {
        release();
        takeFrom(other);
    }
    return *this;
}

SqliteTable& SqliteTable::operator=(SqliteTable&& other) noexcept {
    return operator=(static_cast<SqliteTable&>(other));
}

SqliteTable::~SqliteTable() { release(); }

void SqliteTable::takeFrom(SqliteTable& other) {
    results_ = other.results_;
    rows_ = other.rows_;
    columns_ = other.columns_;
    currentRow_ = other.currentRow_;
    other.results_ = nullptr;
}

int SqliteTable::columnCount() const {
    requireResults();
    return columns_;
}

int SqliteTable::rowCount() const {
    requireResults();
    return rows_;
}

const char* SqliteTable::cell(int index) const {
    requireResults();
    if (index < 0 || index >= columns_) throwLayerError("Invalid field index requested");
    // Only a table built by hand can lack the current row; never read past the cells.
    if (currentRow_ >= rows_) throwLayerError("Invalid row index requested");
    return results_[(currentRow_ + 1) * columns_ + index];
}

const char* SqliteTable::cell(const char* name) const { return cell(columnOf(name)); }

int SqliteTable::intOr(int index, int value) const {
    const char* text = cell(index);
    return text ? sqliteTextToInt(text) : value;
}

int SqliteTable::intOr(const char* name, int value) const { return intOr(columnOf(name), value); }

double SqliteTable::doubleOr(int index, double value) const {
    const char* text = cell(index);
    return text ? sqliteTextToDouble(text) : value;
}

double SqliteTable::doubleOr(const char* name, double value) const {
    return doubleOr(columnOf(name), value);
}

const char* SqliteTable::textOr(int index, const char* text) const {
    const char* value = cell(index);
    return value ? value : text;
}

const char* SqliteTable::textOr(const char* name, const char* text) const {
    return textOr(columnOf(name), text);
}

bool SqliteTable::isNull(int index) const { return cell(index) == nullptr; }

bool SqliteTable::isNull(const char* name) const { return isNull(columnOf(name)); }

const char* SqliteTable::columnName(int index) const {
    requireResults();
    if (index < 0 || index >= columns_) throwLayerError("Invalid field index requested");
    return results_[index];
}

void SqliteTable::selectRow(int row) {
    requireResults();
    if (row < 0 || row >= rows_) throwLayerError("Invalid row index requested");
    currentRow_ = row;
}

void SqliteTable::release() {
    if (results_) {
        sqlite3_free_table(results_);
        results_ = nullptr;
    }
}

void SqliteTable::requireResults() const {
    if (!results_) throwLayerError("Null Results pointer");
}

int SqliteTable::columnOf(const char* name) const {
    requireResults();
    if (name) {
        for (int i = 0; i < columns_; ++i) {
            if (results_[i] && std::strcmp(name, results_[i]) == 0) return i;
        }
    }
    throwLayerError("Invalid field name requested");
}
