#pragma once
#include "core/game.h"
#include "core/random.h"

// New game, per stock: report turn, the reporting-next listing and the four EPS figures.
void Deal_Earnings(Game& game, Random& rnd, int stock);
// The earnings stage of Generate_News for one stock at turn t: listing and report.
void Earnings_Stage(Game& game, Random& rnd, int stock, int turn);
