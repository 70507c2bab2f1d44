#pragma once
#include "engine/model/game.h"
#include "engine/model/random.h"

// The market step of a turn: splits, new prices, the index, both histories, change labels,
// stock trends, then Drift_Market_Trend. Expects Price[42] to hold "0".
void Move_Prices(Game& game, Random& rnd);
void Split_Stock(Game& game, int stock);
void Drift_Market_Trend(Game& game, Random& rnd);

// Shared with the pre-simulation.
void Set_Change_Label(Game& game, int stock);
void Set_Index_Change(Game& game);
// A split's doubling of the stock's index weight, up to Weight_Cap.
void Double_Weight(Game& game, int stock);
void Move_Stock_Trend(Game& game, Random& rnd, int stock, double price, double three_back, double high_mark);
