#pragma once
#include <string>

#include "core/game.h"
#include "trading/trade_result.h"

// What the Buy and Sell windows show for their chosen stock.
struct Buy_View {
    std::string You_Have, Max;
};

// Recomputes game.Max_Number for the stock and returns the two captions.
Buy_View Buy_Symbol_Click(Game& game, int stock);
// The box text goes in and comes back "0" in every case. Refused: the caller beeps.
Trade_Result Buy_Click(Game& game, int stock, std::string& buy_number);
std::string Sell_Symbol_Click(const Game& game, int stock);
Trade_Result Sell_Click(Game& game, int stock, std::string& sell_number);
// The lowest stock the player holds, -1 when none.
int First_Stock_Held(const Game& game);
