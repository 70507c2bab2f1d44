#pragma once
#include <string>

#include "core/game.h"
#include "trading/stock_trades.h"
#include "trading/trade_result.h"

enum class Short_Mode { Sell_Short, Buy_Back };

// Recomputes game.Max_Number for the stock in the mode and returns the two captions.
Buy_View Short_Symbol_Click(Game& game, int stock, Short_Mode mode);
// The line under the Short window's quantity: the cash a Transact with this box text would
// leave (half the proceeds of a short sale put up, what a buy-back's deposit returns), or empty
// when it would be refused; see Buy_Cash_After.
std::string Short_Cash_After(const Game& game, int stock, Short_Mode mode, const std::string& short_number);
// One short sale or buy-back; the box keeps its text. Refused: the caller beeps.
Trade_Result Transact_Click(Game& game, int stock, Short_Mode mode, const std::string& short_number);
