#include "engine/opponent/computer_portfolio.h"

#include "engine/model/numbers.h"
#include "engine/model/text_sum.h"
#include "engine/trading/options.h"
#include "engine/trading/positions.h"

namespace {
// The change column: "0" without a price paid.
std::string Change(double now, double then) {
    return then == 0 ? "0" : Number_Text(Round_Even(100 * now / then - 100));
}

double Premium_Now(const Game& game, int s) {
    const Computer_Option_Position& o = game.Computer_Option[s];
    return Option_Premium(game, o.Option_Type, s, o.Strike, o.Expires);
}
}  // namespace

void Value_Computer_Portfolio(Game& game) {
    auto& c = game.C_Portfolio;
    // The net worth is built as its label would be: the cash, then each position added as text.
    Text_Sum worth(c.Cash.Text());
    for (int s = 0; s < Stock_Count; ++s) {
        const double price = Stock_Price(game, s);
        const Holding& held = game.Computer_Stock[s];
        if (held.Shares != 0) worth.Add(held.Shares * price);
        const Holding& shorted = game.Computer_Short[s];
        if (shorted.Shares != 0) worth.Add(shorted.Shares * Computer_Short_Value(shorted.Avg_Price, price));
        const Computer_Option_Position& option = game.Computer_Option[s];
        if (option.Contracts != 0) worth.Add(option.Contracts * Premium_Now(game, s) * Contract_Shares);
    }
    c.Net_Worth = Shown_Number::Read(worth.Text());
    c.Net_Worth.Group();
    c.Cash_View = c.Cash;
    c.Cash_View.Group();
}

std::vector<Grid_Row> Computer_Grid_Rows(const Game& game) {
    std::vector<Grid_Row> rows;
    for (int s = 0; s < Stock_Count; ++s) {
        const double price = Stock_Price(game, s);
        const Holding& held = game.Computer_Stock[s];
        if (held.Shares != 0)
            rows.push_back({game.Symbol[s], Add_Commas(Number_Text(held.Shares)), Number_Text(held.Avg_Price),
                            game.Price[s].Text(), Change(price, held.Avg_Price)});
        const Holding& shorted = game.Computer_Short[s];
        if (shorted.Shares != 0)
            rows.push_back({game.Symbol[s], Number_Text(-shorted.Shares), Number_Text(shorted.Avg_Price),
                            game.Price[s].Text(),
                            shorted.Avg_Price == 0 ? "0" : Number_Text(Round_Even(100 - 100 * price / shorted.Avg_Price))});
        const Computer_Option_Position& option = game.Computer_Option[s];
        if (option.Contracts != 0) {
            const double paid = Round(option.Premium, 2), now = Round(Premium_Now(game, s), 2);
            rows.push_back({game.Symbol[s] + " " + option.Option_Type, Add_Commas(Number_Text(option.Contracts)),
                            Number_Text(paid), Number_Text(now), Change(now, paid)});
        }
    }
    while (rows.size() < 7) rows.push_back(Grid_Row(5));
    return rows;
}
