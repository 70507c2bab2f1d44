#include "opponent/computer_portfolio.h"

#include "core/numbers.h"
#include "trading/options.h"

namespace {
void Add_Worth(Game& game, double amount) {
    game.C_Portfolio.Net_Worth = Number_Text(Leading_Number(game.C_Portfolio.Net_Worth) + amount);
}

std::string Change_Text(double now, double then) {
    return then == 0 ? "0" : Number_Text(Round_Even(100 * now / then - 100));
}
}  // namespace

void My_Form_Activate(Game& game) {
    auto& c = game.C_Portfolio;
    c.Net_Worth = c.Cash;
    c.Grid.clear();
    for (int s = 0; s < Stock_Count; ++s) {
        double price = Leading_Number(game.Price[s]);
        const auto& held = game.Computer_Stock[s];
        if (held.Shares != 0) {
            Add_Worth(game, held.Shares * price);
            c.Grid.push_back({game.Symbol[s], Add_Commas(Number_Text(held.Shares)), Number_Text(held.Avg_Price),
                              game.Price[s], Change_Text(price, held.Avg_Price)});
        }
        const auto& shorted = game.Computer_Short[s];
        if (shorted.Shares != 0) {
            // The computer's own short value, not the player's half difference.
            auto twice = static_cast<Integer>(2 * shorted.Avg_Price);
            Add_Worth(game, shorted.Shares * (twice - Int(price / 2)));
            std::string change = shorted.Avg_Price == 0
                                     ? "0"
                                     : Number_Text(Round_Even(100 - 100 * price / shorted.Avg_Price));
            c.Grid.push_back({game.Symbol[s], Number_Text(-shorted.Shares), Number_Text(shorted.Avg_Price),
                              game.Price[s], change});
        }
        const auto& option = game.Computer_Option[s];
        if (option.Contracts != 0) {
            double v = Option_Premium(game, option.Option_Type, s, option.Strike, option.Expires);
            Add_Worth(game, option.Contracts * v * 100);
            double paid = Round(option.Premium, 2), now = Round(v, 2);
            c.Grid.push_back({game.Symbol[s] + " " + option.Option_Type, Add_Commas(Number_Text(option.Contracts)),
                              Number_Text(paid), Number_Text(now), Change_Text(now, paid)});
        }
    }
    c.Net_Worth = Add_Commas(c.Net_Worth);
    c.Cash_View = Add_Commas(c.Cash);
    while (c.Grid.size() < 7) c.Grid.push_back(Grid_Row(5));
}
