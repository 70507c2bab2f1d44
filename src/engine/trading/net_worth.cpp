#include "engine/trading/net_worth.h"

#include "engine/model/text_sum.h"
#include "engine/trading/options.h"
#include "engine/trading/positions.h"

void Add_Holdings_Net_Worth(Game& game) {
    Text_Sum worth(game.Net_Worth.Text());
    for (int s = 0; s < Stock_Count; ++s) {
        const double price = Stock_Price(game, s);
        if (game.Player_Stock[s].Shares != 0) worth.Add(price * game.Player_Stock[s].Shares);
        const Holding& shorted = game.Player_Short[s];
        if (shorted.Shares != 0) worth.Add(Short_Value(shorted.Avg_Price, price) * shorted.Shares);
    }
    game.Net_Worth = Shown_Number::Read(worth.Text());
}

void Add_Option_Net_Worth(Game& game) {
    double worth = game.Net_Worth.Value();
    const auto premiums = Position_Premiums(game);
    for (int k = 0; k < game.Player_Option_Count; ++k) worth += game.Player_Option[k].Quantity * premiums[k] * Contract_Shares;
    game.Net_Worth.Set(worth);
}
