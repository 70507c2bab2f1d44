#pragma once
// What the chart draws: 100 turns of history, oldest first, and its moving average.
#include <vector>

#include "engine/model/game.h"

// Entry 0..41 a stock's price history, Index_Entry the index history.
std::vector<double> Chart_History(const Game& game, int entry);
// The floor of the mean of the days latest values up to each turn; before that many
// turns exist, the floor of the mean of all of them. days is kept within 1..100.
std::vector<double> Moving_Average(const std::vector<double>& history, int days);
int Clamp_Days(int days);
