#pragma once
#include <string>

#include "core/game.h"
#include "trading/stock_trades.h"
#include "trading/trade_result.h"

enum class Short_Mode { Sell_Short, Buy_Back };

// The most shares of the stock a short sale (the cash over half the price, the exchange's limit)
// or a buy-back (the shares sold short) allows; every such trade is checked against it.
double Most_To_Short(const Game& game, int stock, Short_Mode mode);
Buy_View Short_Symbol_Click(const Game& game, int stock, Short_Mode mode);
// The line under the Short window's quantity: the cash a Transact with this box text would
// leave (half the proceeds of a short sale put up, what a buy-back's deposit returns), or empty
// when it would be refused; see Buy_Cash_After.
std::string Short_Cash_After(const Game& game, int stock, Short_Mode mode, const std::string& short_number);
// One short sale or buy-back; the box keeps its text. Refused: the caller beeps.
Trade_Result Transact_Click(Game& game, int stock, Short_Mode mode, const std::string& short_number);
