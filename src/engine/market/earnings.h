#pragma once
#include <string>
#include <vector>

#include "engine/model/game.h"
#include "engine/model/random.h"

// New game, per stock: report turn and the four EPS figures.
void Deal_Earnings(Game& game, Random& rnd, int stock);
// The earnings stage of Generate_News for one stock at turn t: its report when it is due.
void Earnings_Stage(Game& game, Random& rnd, int stock, int turn, std::vector<std::string>& alerts);
// The companies reporting in the next two turns, in stock order: "AAPL (57)", the stock as the
// line's item data. What the research window lists.
std::vector<List_Line> Reporting_Next(const Game& game);
