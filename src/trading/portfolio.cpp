#include "trading/portfolio.h"

#include "core/numbers.h"
#include "trading/options.h"

#include <cstdio>

namespace {
double Change_Percent(double price, int avg) { return avg == 0 ? 0 : Round_Even(price * 100 / avg); }
// A 32-bit price is shown with the seven digits it really carries.
std::string Single_Text(Single x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(x));
    return buf;
}
}  // namespace

void Refresh_Portfolio(Game& game) {
    game.Stock_Portfolio.clear();
    game.Options_Portfolio.clear();
    for (int s = 0; s < Stock_Count; ++s) {
        const Holding& h = game.Player_Stock[s];
        if (h.Shares == 0) continue;
        double p = Leading_Number(game.Price[s]);
        game.Stock_Portfolio.push_back({game.Symbol[s], Add_Commas(Number_Text(h.Shares)), Number_Text(h.Avg_Price),
                                        game.Price[s], Number_Text(Change_Percent(p, h.Avg_Price) - 100)});
    }
    for (int s = 0; s < Stock_Count; ++s) {
        const Holding& h = game.Player_Short[s];
        if (h.Shares == 0) continue;
        double p = Leading_Number(game.Price[s]);
        game.Stock_Portfolio.push_back({game.Symbol[s], "-" + Add_Commas(Number_Text(h.Shares)),
                                        Number_Text(h.Avg_Price), game.Price[s],
                                        Number_Text(100 - Change_Percent(p, h.Avg_Price))});
    }
    for (int k = 0; k < game.Player_Option_Count; ++k) {
        const Option_Position& o = game.Player_Option[k];
        double now = Option_Premium(game, k);
        double change = o.Purchase_Price == 0 ? 0 : Round_Even(100 * now / o.Purchase_Price) - 100;
        game.Options_Portfolio.push_back({game.Symbol[o.Stock], o.Option_Type, Number_Text(o.Strike),
                                          Add_Commas(Number_Text(o.Quantity)), Single_Text(o.Purchase_Price),
                                          Number_Text(now), Number_Text(o.Expires), Number_Text(change)});
    }
}
