#include "engine/market/simulate_history.h"

#include <cstdlib>

#include "engine/model/numbers.h"
#include "engine/market/price_movement.h"

void Simulate_History(Game& game, Random& rnd, Screens& screens) {
    std::array<Integer, Stock_Count> q{};
    for (int i = 0; i < Stock_Count; ++i) q[i] = To_Integer(Stock_Price(game, i));
    // The sum of 42 prices times weights outgrows 16 bits; it is kept whole, and the history
    // keeps it within 32.
    double index = 0;
    for (int d = 0; d < History_Length; ++d) {
        screens.Setup_Progress(d + 1);
        index = 0;
        for (int i = 0; i < Stock_Count; ++i) {
            if (q[i] > Split_Price) {
                q[i] = To_Integer(q[i] / 2.0);
                Double_Weight(game, i);
                for (auto& h : game.Price_History[i]) h = static_cast<Byte>(Round_Even(h / 2.0));
            }
            double l = Round_Even(8.0 / q[i]);
            if (q[i] > 60) l = -l;
            if (q[i] > 100) l = l * 30;
            auto trend_product = static_cast<Integer>(q[i] * game.Stock_Trend[i]);
            auto market_product = static_cast<Integer>(q[i] * game.Market_Trend);
            q[i] = static_cast<Integer>(Int(trend_product * 0.015 + q[i] + market_product * 0.013 + l));
            index += static_cast<double>(q[i]) * game.Index_Weight[i];
            game.Price_History[i][d] = static_cast<Byte>(q[i]);
            if (d == 99) Set_Change_Label(game, i);
            Move_Stock_Trend(game, rnd, i, q[i], game.Price_History[i][std::abs(d - 3)], 150);
        }
        game.Index_History[d] = To_Long(index);
        if (d == 99) Set_Index_Change(game);
        Drift_Market_Trend(game, rnd);
    }
    for (int i = 0; i < Stock_Count; ++i) game.Price[i].Set(q[i]);
    game.Price[Index_Entry].Set(index);
}
