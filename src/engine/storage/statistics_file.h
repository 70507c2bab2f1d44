#pragma once
// Statistics.txt in the data folder: the player's record across games. Written as Winners.txt
// is: whole and atomically, under the data folder's lock, read again before each change so
// that what another copy of the game counted is kept; a damaged file is refused and left as
// it is.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/model/game.h"
#include "engine/storage/file_error.h"

struct Level_Statistics {
    double Won = 0, Lost = 0;
    // Of the games won without cheats; 0 while there is none.
    double Best_Score = 0;
    double Best_Multiple = 0;  // the player's net worth over the computer's, to the cent
    double Fewest_Turns = 0;
    bool operator==(const Level_Statistics&) const = default;
};

// One challenge as it ended.
struct Challenge_Result {
    std::string Code, Date;  // Date as "YYYY-MM-DD"
    std::string Outcome;     // "won", "lost" or "left"
    double Score = 0, Turns = 0;
    bool Cheated = false;
    bool operator==(const Challenge_Result&) const = default;
};

// The games of a level that came to an end: every one is won or lost.
inline double Finished_Games(const Level_Statistics& level) { return level.Won + level.Lost; }

inline constexpr std::size_t Results_Kept = 100;
// A result's date as the file keeps it: "YYYY-MM-DD".
bool Is_Result_Date(const std::string& text);

struct Statistics {
    std::array<Level_Statistics, 4> Levels{};  // by the winners circle's level, 0 = Abnormal
    double Turns_Played = 0;
    std::vector<Challenge_Result> Results;  // the oldest first, at most Results_Kept
    bool operator==(const Statistics&) const = default;
};

std::string Statistics_Path(const Game& game);
// The statistics the file holds; empty ones when there is no file.
File_Result<Statistics> Read_Statistics(const Game& game);
// Under the data folder's lock: the file's statistics (empty ones when there is none) are
// changed by `change` and written back. A file that cannot be read or is damaged is left as
// it is, and `change` is not run.
File_Result<> Change_Statistics(const Game& game, const std::function<void(Statistics&)>& change);
// Writes `statistics` as they are, whatever the file held: what Reset does.
File_Result<> Write_Statistics(const Game& game, const Statistics& statistics);
// The file's text for `statistics` and its reading; the reading refuses anything else.
std::string Statistics_Text(const Statistics& statistics);
File_Result<Statistics> Statistics_From(const std::string& content);
