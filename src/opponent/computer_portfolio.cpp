#include "opponent/computer_portfolio.h"

#include "core/numbers.h"
#include "trading/options.h"

namespace {

constexpr size_t Shown_Rows = 7;  // with the title row the grid shows 8

void Add_Worth(Game& game, double amount) {
    game.C_Portfolio.Net_Worth = Number_Text(Leading_Number(game.C_Portfolio.Net_Worth) + amount);
}

std::string Change_Text(double percent) { return Number_Text(Round_Even(percent)); }

void Long_Row(Game& game, int s, double price) {
    const Holding& h = game.Computer_Stock[s];
    Add_Worth(game, h.Shares * price);
    game.C_Portfolio.Grid.push_back({game.Symbol[s], Add_Commas(Number_Text(h.Shares)), Number_Text(h.Avg_Price),
                                     game.Price[s], Change_Text(100 * price / h.Avg_Price - 100)});
}

void Short_Row(Game& game, int s, double price) {
    const Holding& h = game.Computer_Short[s];
    // The computer's own short value: 16-bit doubled average less half the price.
    Add_Worth(game, h.Shares * (static_cast<Integer>(2 * h.Avg_Price) - Int(price / 2)));
    game.C_Portfolio.Grid.push_back({game.Symbol[s], Number_Text(-h.Shares), Number_Text(h.Avg_Price),
                                     game.Price[s], Change_Text(100 - 100 * price / h.Avg_Price)});
}

void Option_Row(Game& game, int s) {
    const Computer_Option_Position& o = game.Computer_Option[s];
    double v = Option_Premium(game, o.Option_Type, s, o.Strike, o.Expires);
    Add_Worth(game, o.Contracts * v * 100);
    double bought = Round(o.Premium, 2), now = Round(v, 2);
    game.C_Portfolio.Grid.push_back({game.Symbol[s] + " " + o.Option_Type, Add_Commas(Number_Text(o.Contracts)),
                                     Number_Text(bought), Number_Text(now), Change_Text(100 * now / bought - 100)});
}

}  // namespace

void My_Form_Activate(Game& game) {
    game.C_Portfolio.Net_Worth = game.C_Portfolio.Cash;
    game.C_Portfolio.Grid.clear();
    for (int s = 0; s < Stock_Count; ++s) {
        double price = Leading_Number(game.Price[s]);
        if (game.Computer_Stock[s].Shares != 0) Long_Row(game, s, price);
        if (game.Computer_Short[s].Shares != 0) Short_Row(game, s, price);
        if (game.Computer_Option[s].Contracts != 0) Option_Row(game, s);
    }
    game.C_Portfolio.Net_Worth = Add_Commas(game.C_Portfolio.Net_Worth);
    game.C_Portfolio.Cash_View = Add_Commas(game.C_Portfolio.Cash);
    while (game.C_Portfolio.Grid.size() < Shown_Rows) game.C_Portfolio.Grid.push_back(Grid_Row(5));
}
