#pragma once
#include <string>

#include "engine/model/game.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"

// What the Buy, Sell and Short windows show for their chosen stock: the two captions and the
// most the window's trade allows, which a click on its caption copies into the box.
struct Buy_View {
    std::string You_Have, Max;
    double Held = 0;
    double Most = 0;
};

// The most shares of the stock the cash and the exchange allow to buy. Every purchase is
// checked against this, computed for its own stock at the moment of the trade.
double Most_To_Buy(const Game& game, int stock);
Buy_View Buy_Texts(const Game& game, int stock);
Buy_View Sell_Texts(const Game& game, int stock);
// A purchase of the whole part of the box's number. Refused: the caller beeps.
Trade_Result Buy_Shares(Game& game, int stock, Typed_Quantity quantity);
Trade_Result Sell_Shares(Game& game, int stock, Typed_Quantity quantity);
// The line under a trade window's quantity: the cash that pressing Buy (Sell) with this box
// would leave, as the main window would show it, "Cash after: $12,345"; empty when the trade
// would be refused. Both follow the trade's own rule.
std::string Buy_Cash_After(const Game& game, int stock, Typed_Quantity quantity);
std::string Sell_Cash_After(const Game& game, int stock, Typed_Quantity quantity);
// The caption of a cash amount on that line.
std::string Cash_After_Caption(double cash);
// The texts of a refusal's reason: a count with separators, "1 share" or "40 shares", "$1,234"
// or "-$399" (cents kept), and what the cash covers: "Your cash covers at most 12 shares at
// $101." (`each` follows the price, e.g. " a share"; none covered: "does not cover one share").
std::string Count_Text(double count);
std::string Shares_Text(double shares);
std::string Money_Text(double amount);
std::string Cash_Covers(double most, const std::string& things, const std::string& thing, double price,
                        const std::string& each = "");
// The lowest stock the player holds, -1 when none.
int First_Stock_Held(const Game& game);
