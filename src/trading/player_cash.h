#pragma once
#include "core/game.h"
#include "core/numbers.h"

// The player's cash as the trade windows read it, and the two labels every trade rewrites.
inline double Player_Cash(const Game& game) { return game.Cash_On_Hand.Value(); }
inline void Set_Player_Cash(Game& game, double cash) {
    game.Cash_On_Hand.Set(cash);
    game.Cash_View = Add_Commas(game.Cash_On_Hand.Text());
}
