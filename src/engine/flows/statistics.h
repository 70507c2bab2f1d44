#pragma once
// The player's statistics (Statistics.txt): counted at the end of each game, and when a game is
// left by New Game, a load or the end of the program; the turns played are counted there too,
// never a file every turn.
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/scoring/scoring.h"
#include "engine/storage/statistics_file.h"

// The end of a game with its two net worths and score: a game won or lost at its level (the
// bests only for a game won without cheats), the turns played, and the result of the challenge
// that ended with it (game.Last_Challenge, when `challenge_ended`).
void Count_Game_End(Game& game, Screens& screens, Winner winner, double player, double computer, double score,
                    bool challenge_ended);
// The game in play is left for another: a challenge in play ends as left, and the turns played
// are counted.
void Leave_Game(Game& game, Screens& screens);
// The program ends: the turns played are counted; a challenge in play stays as it is saved.
void Count_Turns_Played(Game& game, Screens& screens);
// What the Statistics window shows: the file's statistics with the turns not yet written.
File_Result<Statistics> Current_Statistics(const Game& game);
// The Statistics window's Reset, with its confirmation "Reset Statistics...": false when the
// player said no or the file could not be written (which the player is told).
bool Reset_Statistics(Game& game, Screens& screens);
