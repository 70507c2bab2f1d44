#pragma once
#include <string>

#include "engine/model/game.h"
#include "engine/trading/stock_trades.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"

enum class Short_Mode { Sell_Short, Buy_Back };

// The most shares of the stock a short sale (the cash over half the price, the exchange's limit)
// or a buy-back (the shares sold short) allows; every such trade is checked against it.
double Most_To_Short(const Game& game, int stock, Short_Mode mode);
Buy_View Short_Texts(const Game& game, int stock, Short_Mode mode);
// The line under the Short window's quantity: the cash the trade with this box would leave
// (half the proceeds of a short sale put up, what a buy-back's deposit returns), or empty when
// it would be refused; see Buy_Cash_After.
std::string Short_Cash_After(const Game& game, int stock, Short_Mode mode, Typed_Quantity quantity);
// The tool tip of the Short window's quantity box: the most the mode's trade allows and what
// sets it (the cash over the deposit or the exchange's limit; the shares sold short).
std::string Short_Most_Tip(const Game& game, int stock, Short_Mode mode);
// One short sale, one buy-back. Refused: the caller beeps. A buy-back is never refused for
// want of cash: it may leave the cash below zero.
Trade_Result Sell_Short(Game& game, int stock, Typed_Quantity quantity);
Trade_Result Buy_Back(Game& game, int stock, Typed_Quantity quantity);
// The one the mode names.
Trade_Result Trade_Short(Game& game, int stock, Short_Mode mode, Typed_Quantity quantity);
