#pragma once
// Challenges: a game dealt from a code, whose every input is recorded so that its result can
// be replayed and checked from the code alone.
#include <memory>
#include <string>

#include "engine/flows/player_input.h"
#include "engine/model/challenge_code.h"
#include "engine/model/challenge_record.h"
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/storage/file_error.h"

// Game > Challenge...: the confirmation "Start New Game..." first when a game is in play
// (false on Cancel, and the game goes on), then the game in play is left and the challenge of
// `code` dealt: the generator seeded from the code, the code's settings, no setup window.
bool Start_Challenge(Game& game, Random& rnd, Screens& screens, const Challenge_Code& code);
// A new code for `setup` (the goal, handicap, difficulty and news settings), its seed drawn
// from the generator.
Challenge_Code New_Challenge_Code(Random& rnd, const Settings& setup);

// The challenge in play, if any, and the generator put where that challenge left it (a loaded
// challenge takes up its own market again). A record full to Challenge_Inputs_Kept ends here
// as left, and the game goes on as an ordinary one.
std::shared_ptr<Challenge_Record> Challenge_Before_Input(Game& game, Random& rnd, Screens& screens);
// Appends the input just played to `record`, with what it did and the digest of the game after
// it (of the game at its end, when the input ended it). An alert input that changed neither
// box changes nothing and is not recorded; `before` is the game's settings before the input.
void Record_Input(Game& game, const Random& rnd, Challenge_Record& record, const Player_Input& input,
                  const Input_Result& result, const Settings& before);
void Record_Clock_Turn(Game& game, const Random& rnd, Challenge_Record& record);
// The input a recorded entry stands for (a clock turn stands for END TURN).
Player_Input Input_Of(const Challenge_Entry& entry);

// Begins the record of a challenge just dealt from `code` (the deal calls it).
void Begin_Challenge(Game& game, const Random& rnd, const Challenge_Code& code);
// Ends the challenge in play with its claim, the generator having drawn `draws` since its seed;
// it becomes game.Last_Challenge. Nothing when no challenge is in play.
void End_Challenge(Game& game, std::uint64_t draws, Challenge_End end, double net_worth, double computer, double score);

// What Game > Export Result... writes: the challenge in play, or else the last one that ended;
// nothing when there is neither (the command is then unavailable).
const Challenge_Record* Challenge_To_Export(const Game& game);
// The result file of that challenge, with its claim: where the game stands, or how it ended.
std::string Result_Text(const Game& game);
// Writes it to `path`: never over a saved game or a data folder's file (Reserved_Name), nor
// without a challenge (Missing).
File_Result<> Export_Result(const Game& game, const std::string& path);
