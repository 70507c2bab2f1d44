#include "trading/stock_trades.h"

#include "core/numbers.h"
#include "trading/player_cash.h"
#include "trading/portfolio.h"

namespace {
std::string You_Have(const Game& game, int stock) {
    return "You Have " + Add_Commas(Number_Text(game.Player_Stock[stock].Shares)) + " Shares Of " +
           game.Symbol[stock];
}
}  // namespace

Buy_View Buy_Symbol_Click(Game& game, int stock) {
    const Holding& h = game.Player_Stock[stock];
    if (h.Shares >= 0) {
        double price = Leading_Number(game.Price[stock]);
        double most = price > 0 ? Int(Player_Cash(game) / price) : 0;
        double room = Stock_Limit - h.Shares - game.Computer_Stock[stock].Shares;
        if (most > room) most = room;
        if (most < 0) most = 0;
        game.Max_Number = most;
    }
    return {You_Have(game, stock), "The Most You Can Buy Is " + Add_Commas(Number_Text(game.Max_Number))};
}

Trade_Result Buy_Click(Game& game, int stock, std::string& buy_number) {
    double q = Int(Leading_Number(buy_number));
    buy_number.assign(1, '0');  // the box always shows "0" afterwards
    if (stock < 0 || q == 0 || q > game.Max_Number) return Trade_Result::Refused;
    double p = Leading_Number(game.Price[stock]);
    Holding& h = game.Player_Stock[stock];
    double cash = Player_Cash(game) - p * q;
    if (h.Shares > 0) h.Avg_Price = To_Integer((h.Avg_Price * h.Shares + p * q) / (q + h.Shares));
    else if (h.Shares == 0) h.Avg_Price = To_Integer(p);
    h.Shares += q;
    Set_Player_Cash(game, cash);
    Refresh_Portfolio(game);
    Buy_Symbol_Click(game, stock);
    return Trade_Result::Done;
}

std::string Sell_Symbol_Click(const Game& game, int stock) { return You_Have(game, stock); }

Trade_Result Sell_Click(Game& game, int stock, std::string& sell_number) {
    std::string t = sell_number;
    sell_number.assign(1, '0');
    double q = Int(Leading_Number(t));
    if (stock < 0 || t == "0" || t.empty()) return Trade_Result::Refused;
    Holding& h = game.Player_Stock[stock];
    if (h.Shares - q < 0) return Trade_Result::Refused;
    double p = Leading_Number(game.Price[stock]);
    game.Player_Capital_Gains += q * p - q * h.Avg_Price;
    h.Shares -= q;  // the average price stays, also at 0 shares
    Set_Player_Cash(game, Player_Cash(game) + q * p);
    Refresh_Portfolio(game);
    return Trade_Result::Done;
}

int First_Stock_Held(const Game& game) {
    for (int s = 0; s < Stock_Count; ++s)
        if (game.Player_Stock[s].Shares > 0) return s;
    return -1;
}
