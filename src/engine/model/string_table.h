#pragma once
#include <string>

#include "engine/model/constants.h"

// The string table built into the program: symbols, news texts and grid layouts. `entry`
// counts from the kind's first id. An id that the table does not hold gives the empty text.
std::string String_Table(String_Id kind, int entry = 0);

// The news line of a crash.
inline constexpr const char* Crash_Headline = "OH S#!*";
