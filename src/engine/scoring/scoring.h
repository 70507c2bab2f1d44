#pragma once
// The rules of a finished game that need no windows: goal, score, level and place.
#include <array>
#include <string>

#include "engine/model/game.h"

// Goal digits of the Play To choice: 9 for "$100 Million" up to 12 for "$100 Billion".
int Goal_Digits(const Settings& setup);
// The least net worth that reaches the goal: $100 Million for 9 digits.
double Goal_Worth(const Settings& setup);
// The goal is reached when the whole worth, written with its leading blank, is longer
// than goal_digits characters. A negative worth never reaches a goal.
bool Goal_Reached(double net_worth, int goal_digits);
enum class Winner { None, Player, Computer };
// The goal test of a turn, on the two net worths: the player is tested first, so a turn that
// takes both to the goal is the player's win.
Winner Goal_Winner(const Game& game);
// 100 x the whole part of player / computer; a computer worth of 0 or less divides by 1.
double Score(double player, double computer);
// 3 minus the number of difficulty options on: 0 = all three, 3 = none.
int Result_Level(const Settings& setup);
// First place of 0..2 whose score is strictly below the new one; -1 when none is.
int Find_Place(const std::array<High_Score, 3>& level, double score);
// Moves places k.. down by one (the old last place drops out) and puts the record at k.
void Enter_Place(std::array<High_Score, 3>& level, int k, const High_Score& record);
// The longest name the winners circle keeps, in characters; the name box takes no more.
inline constexpr int Name_Length = 40;
// The name box's text as the winners circle keeps it: control characters dropped, blanks
// trimmed, cut to Name_Length characters (never inside a character's UTF-8 bytes).
std::string Winner_Name(const std::string& typed);
// The handicap list's text of the chosen entry, e.g. "None" or "$15,000".
std::string Handicap_Text(const Settings& setup);
