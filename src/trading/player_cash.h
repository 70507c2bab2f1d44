#pragma once
#include "core/game.h"
#include "core/numbers.h"

// The player's cash as the trade windows read it, and the two labels every trade rewrites.
inline double Player_Cash(const Game& game) { return Leading_Number(game.Cash_On_Hand); }
inline void Set_Player_Cash(Game& game, double cash) {
    game.Cash_On_Hand = Number_Text(cash);
    game.Cash_View = Add_Commas(game.Cash_On_Hand);
}
