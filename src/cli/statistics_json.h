#pragma once
#include <string>

#include "engine/storage/statistics_file.h"

// The player's statistics as one line of JSON: `stats`.
std::string Statistics_Json(const Statistics& statistics);
