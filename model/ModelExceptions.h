// Lookups in a keyboard row that find nothing. Thrown default-constructed.
#pragma once

#include <exception>

// No key of the row covers the grid column asked for.
class keyNotExistInLine : public std::exception {};

// A key index outside the row.
class ArrayIndexOutRange : public std::exception {};
