#include "engine/trading/stock_trades.h"

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

// The rules of a purchase and a sale of the box's whole number of shares: the cash
// afterwards, nothing when refused.
std::optional<double> Cash_After_Buying(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || q == 0 || q > Most_To_Buy(game, stock)) return std::nullopt;
    return Player_Cash(game) - Stock_Price(game, stock) * q;
}

std::optional<double> Cash_After_Selling(const Game& game, int stock, Typed_Quantity typed) {
    const double q = Int(typed.Value);
    if (stock < 0 || typed.Blank) return std::nullopt;
    if (game.Player_Stock[stock].Shares - q < 0) return std::nullopt;
    return Player_Cash(game) + q * Stock_Price(game, stock);
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
    const std::optional<double> cash = Cash_After_Buying(game, stock, typed);
    if (!cash) return Trade_Result::Refused;
    const double q = Int(typed.Value);
    Holding& h = game.Player_Stock[stock];
    h.Avg_Price = Average_Price_After(h, Stock_Price(game, stock), q, Average_Rounding::Nearest);
    h.Shares += q;
    Set_Player_Cash(game, *cash);
    Record_Trade(game, Trader::You, "Buy", stock, q, Stock_Price(game, stock), std::nullopt);
    return Trade_Result::Done;
}

Trade_Result Sell_Shares(Game& game, int stock, Typed_Quantity typed) {
    const std::optional<double> cash = Cash_After_Selling(game, stock, typed);
    if (!cash) return Trade_Result::Refused;
    const double q = Int(typed.Value);
    Holding& h = game.Player_Stock[stock];
    double p = Stock_Price(game, stock);
    const double gain = q * p - q * h.Avg_Price;
    game.Player_Capital_Gains = game.Player_Capital_Gains + q * p - q * h.Avg_Price;
    h.Shares -= q;  // the average price stays, also at 0 shares
    Set_Player_Cash(game, *cash);
    Record_Trade(game, Trader::You, "Sell", stock, q, p, gain);
    return Trade_Result::Done;
}

std::string Cash_After_Caption(double cash) { return "Cash after: $" + Add_Commas(Number_Text(cash)); }

std::string Buy_Cash_After(const Game& game, int stock, Typed_Quantity typed) {
    const std::optional<double> cash = Cash_After_Buying(game, stock, typed);
    return cash ? Cash_After_Caption(*cash) : std::string();
}

std::string Sell_Cash_After(const Game& game, int stock, Typed_Quantity typed) {
    const std::optional<double> cash = Cash_After_Selling(game, stock, typed);
    return cash ? Cash_After_Caption(*cash) : std::string();
}

int First_Stock_Held(const Game& game) {
    for (int s = 0; s < Stock_Count; ++s)
        if (game.Player_Stock[s].Shares > 0) return s;
    return -1;
}
