#pragma once
#include <string>

#include "engine/model/game.h"
#include "engine/model/numbers.h"

// The player's cash as the trade windows read it. Every change of it goes through
// Set_Player_Cash, which also ends the cheat's typed amount on show.
inline double Player_Cash(const Game& game) { return game.Cash_On_Hand.Value(); }
inline void Set_Player_Cash(Game& game, double cash) {
    game.Cash_On_Hand.Set(cash);
    game.Typed_Cash.reset();
}
// The cash as the main window shows it: grouped, or the amount the cheat was given.
inline std::string Cash_View(const Game& game) {
    return game.Typed_Cash ? Add_Commas(Number_Text(*game.Typed_Cash)) : Add_Commas(game.Cash_On_Hand.Text());
}
