#pragma once
#include <string>

// The string table built into the program: symbols, news texts and grid layouts.
// An id that the table does not hold gives the empty text.
std::string String_Table(int id);
