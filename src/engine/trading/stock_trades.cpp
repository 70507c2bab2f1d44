#include "engine/trading/stock_trades.h"

#include <cmath>
#include <optional>

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/positions.h"

namespace {
std::string You_Have(const Game& game, int stock) {
    return "You Have " + Add_Commas(Number_Text(game.Player_Stock[stock].Shares)) + " Shares Of " +
           game.Symbol[stock];
}

// The rules of a purchase and a sale of the box's whole number of shares: the cash afterwards,
// or why they are refused.
Trade_Check Check_Buying(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || q == 0) return Trade_Check::Refused("Type how many shares to buy.");
    if (q > Most_To_Buy(game, stock)) {
        const double price = Stock_Price(game, stock);
        const double affordable = price > 0 ? Int(Player_Cash(game) / price) : 0;
        const double room = Room_Under(Stock_Limit, game.Player_Stock[stock].Shares, game.Computer_Stock[stock].Shares);
        if (affordable < room) return Trade_Check::Refused(Cash_Covers(affordable, "shares", "share", price));
        return Trade_Check::Refused(room > 0 ? "The exchange allows " + Count_Text(room) + " more shares of " + game.Symbol[stock] + "."
                                             : "The exchange allows no more shares of " + game.Symbol[stock] + ".");
    }
    return Trade_Check::Leaves(Player_Cash(game) - Stock_Price(game, stock) * q);
}

Trade_Check Check_Selling(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || typed.Blank) return Trade_Check::Refused("Type how many shares to sell.");
    const double held = game.Player_Stock[stock].Shares;
    if (held - q < 0) return Trade_Check::Refused("You hold " + Shares_Text(held) + " of " + game.Symbol[stock] + ".");
    return Trade_Check::Leaves(Player_Cash(game) + q * Stock_Price(game, stock));
}
}  // namespace

double Most_To_Buy(const Game& game, int stock) {
    const Holding& h = game.Player_Stock[stock];
    const double price = Stock_Price(game, stock);
    const double affordable = price > 0 ? Int(Player_Cash(game) / price) : 0;
    return Most_Within_Limit(affordable, Room_Under(Stock_Limit, h.Shares, game.Computer_Stock[stock].Shares));
}

Buy_View Buy_Texts(const Game& game, int stock) {
    const double most = Most_To_Buy(game, stock);
    return {You_Have(game, stock), "The Most You Can Buy Is " + Add_Commas(Number_Text(most)),
            game.Player_Stock[stock].Shares, most};
}

Buy_View Sell_Texts(const Game& game, int stock) {
    const double held = game.Player_Stock[stock].Shares;
    return {You_Have(game, stock), "", held, held};
}

Trade_Result Buy_Shares(Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Buying(game, stock, typed);
    if (!check.Passes) return check.Result();
    const double q = Int(typed.Value);
    Holding& h = game.Player_Stock[stock];
    h.Avg_Price = Average_Price_After(h, Stock_Price(game, stock), q, Average_Rounding::Nearest);
    h.Shares += q;
    Set_Player_Cash(game, check.Cash);
    Record_Trade(game, Trader::You, "Buy", stock, q, Stock_Price(game, stock), std::nullopt);
    return Trade_Result::Done;
}

Trade_Result Sell_Shares(Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Selling(game, stock, typed);
    if (!check.Passes) return check.Result();
    const double q = Int(typed.Value);
    Holding& h = game.Player_Stock[stock];
    double p = Stock_Price(game, stock);
    const double gain = q * p - q * h.Avg_Price;
    game.Player_Capital_Gains = game.Player_Capital_Gains + q * p - q * h.Avg_Price;
    h.Shares -= q;  // the average price stays, also at 0 shares
    Set_Player_Cash(game, check.Cash);
    Record_Trade(game, Trader::You, "Sell", stock, q, p, gain);
    return Trade_Result::Done;
}

std::string Cash_After_Caption(double cash) { return "Cash after: $" + Add_Commas(Number_Text(cash)); }

std::string Buy_Cash_After(const Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Buying(game, stock, typed);
    return check.Passes ? Cash_After_Caption(check.Cash) : std::string();
}

std::string Sell_Cash_After(const Game& game, int stock, Typed_Quantity typed) {
    const Trade_Check check = Check_Selling(game, stock, typed);
    return check.Passes ? Cash_After_Caption(check.Cash) : std::string();
}

std::string Count_Text(double count) { return Add_Commas(Number_Text(count)); }

std::string Shares_Text(double shares) {
    if (shares == 0) return "no shares";
    return Count_Text(shares) + (shares == 1 ? " share" : " shares");
}

std::string Money_Text(double amount) {
    const double magnitude = std::fabs(amount);
    // Cents as money shows them: $30.50, not $30.5.
    std::string text = Add_Commas(Number_Text(magnitude == Int(magnitude) ? magnitude : Round(magnitude, 2)));
    if (const std::size_t point = text.find('.'); point != std::string::npos && text.size() == point + 2) text += '0';
    return (amount < 0 ? "-$" : "$") + text;
}

std::string Cash_Covers(double most, const std::string& things, const std::string& thing, double price,
                        const std::string& each) {
    const std::string at = " at " + Money_Text(price) + each;
    if (most <= 0) return "Your cash does not cover one " + thing + at + ".";
    return "Your cash covers at most " + Count_Text(most) + " " + (most == 1 ? thing : things) + at + ".";
}

int First_Stock_Held(const Game& game) {
    for (int s = 0; s < Stock_Count; ++s)
        if (game.Player_Stock[s].Shares > 0) return s;
    return -1;
}
