#pragma once
// The player's net worth as a turn adds it up: from the cash, each stock's holding and short at
// the new price, then the options at their premiums. Net_Worth is plain text meanwhile.
#include "engine/model/game.h"

// The holdings' term, stock by stock in stock order: the shares held, then the short position.
void Add_Holdings_Net_Worth(Game& game);
// The options' term.
void Add_Option_Net_Worth(Game& game);
