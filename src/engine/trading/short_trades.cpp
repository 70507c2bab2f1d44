#include "engine/trading/short_trades.h"

#include <optional>

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/positions.h"

namespace {
// The rules of a short sale and a buy-back of the box: the cash afterwards, or why they are
// refused.
Trade_Check Check_Short_Sale(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || typed.Blank || typed.Value == 0) return Trade_Check::Refused("Type how many shares to sell short.");
    const double price = Stock_Price(game, stock);
    if (q > Most_To_Short(game, stock, Short_Mode::Sell_Short)) {
        const double affordable = price > 0 ? Int(Player_Cash(game) / (price / 2)) : 0;
        const double room = Room_Under(Short_Limit, game.Player_Short[stock].Shares, game.Computer_Short[stock].Shares);
        if (affordable < room)
            return Trade_Check::Refused(Cash_Covers(affordable, "shares", "share", price,
                                                    " (a deposit of " + Money_Text(price / 2) + " a share)"));
        const std::string more = room > 0 ? Count_Text(room) + " more shares" : "no more shares";
        return Trade_Check::Refused("The exchange allows " + more + " of " + game.Symbol[stock] + " to be sold short.");
    }
    return Trade_Check::Leaves(Int(Player_Cash(game) - q * price / 2));  // the 50% deposit
}

Trade_Check Check_Buy_Back(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || typed.Blank) return Trade_Check::Refused("Type how many shares to buy back.");
    const Holding& h = game.Player_Short[stock];
    if (h.Shares - q < 0)
        return Trade_Check::Refused("You have sold " + Shares_Text(h.Shares) + " of " + game.Symbol[stock] + " short.");
    // Not limited by cash: a buy-back may leave it negative.
    return Trade_Check::Leaves(Int(Player_Cash(game) + q * Short_Value(h.Avg_Price, Stock_Price(game, stock))));
}
}  // namespace

Trade_Result Sell_Short(Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Short_Sale(game, stock, typed);
    if (!check.Passes) return check.Result();
    const double q = Int(typed.Value);
    const double p = Stock_Price(game, stock);
    Holding& h = game.Player_Short[stock];
    h.Avg_Price = Average_Price_After(h, p, q, Average_Rounding::Nearest);
    h.Shares += q;
    Set_Player_Cash(game, check.Cash);
    Record_Trade(game, Trader::You, "Short", stock, q, p, std::nullopt);
    return Trade_Result::Done;
}

Trade_Result Buy_Back(Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Buy_Back(game, stock, typed);
    if (!check.Passes) return check.Result();
    const double q = Int(typed.Value);
    Holding& h = game.Player_Short[stock];
    const double p = Stock_Price(game, stock);
    const double value = q * Short_Value(h.Avg_Price, p);
    game.Player_Capital_Gains += value;
    h.Shares -= q;
    Set_Player_Cash(game, check.Cash);
    // What the buy-back made: its return less the half of the price put up when selling short
    // (the tax counts the whole return).
    Record_Trade(game, Trader::You, "Buy Back", stock, q, p, value - q * h.Avg_Price / 2.0);
    return Trade_Result::Done;
}

Trade_Result Trade_Short(Game& game, int stock, Short_Mode mode, Typed_Quantity typed) {
    return mode == Short_Mode::Sell_Short ? Sell_Short(game, stock, typed) : Buy_Back(game, stock, typed);
}

double Most_To_Short(const Game& game, int stock, Short_Mode mode) {
    const Holding& h = game.Player_Short[stock];
    if (mode == Short_Mode::Buy_Back) return h.Shares;
    const double price = Stock_Price(game, stock);
    const double affordable = price > 0 ? Int(Player_Cash(game) / (price / 2)) : 0;
    return Most_Within_Limit(affordable, Room_Under(Short_Limit, h.Shares, game.Computer_Short[stock].Shares));
}

Buy_View Short_Texts(const Game& game, int stock, Short_Mode mode) {
    const Holding& h = game.Player_Short[stock];
    std::string you_have = "You've Shorted " + Add_Commas(Number_Text(h.Shares)) + " Shares Of " + game.Symbol[stock];
    const double most = Most_To_Short(game, stock, mode);
    const char* caption = mode == Short_Mode::Buy_Back ? "The Most You Can Buy Back Is " : "The Most You Can Short Is ";
    return {you_have, caption + Add_Commas(Number_Text(most)), h.Shares, most};
}

std::string Short_Cash_After(const Game& game, int stock, Short_Mode mode, Typed_Quantity typed) {
    const Trade_Check check = mode == Short_Mode::Sell_Short ? Check_Short_Sale(game, stock, typed)
                                                             : Check_Buy_Back(game, stock, typed);
    return check.Passes ? Cash_After_Caption(check.Cash) : std::string();
}
