#include "engine/market/price_movement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/model/numbers.h"
#include "engine/model/text_sum.h"

namespace {
Integer Clamp_Trend(int v, int limit) { return static_cast<Integer>(std::clamp(v, -limit, limit)); }

int Sign_Draw(Random& rnd) { return static_cast<int>(Int(rnd.Rnd() * 2)) == 0 ? -1 : 1; }

}  // namespace

// The percentage is always the larger price over the smaller, shown without a sign.
void Set_Change_Label(Game& game, int s) {
    double a = game.Price_History[s][98], b = game.Price_History[s][99];
    if (a != b) game.Change[s].Set_Move(b - a, Round((b < a ? a / b : b / a) * 100 - 100, 1));
    // The colour follows the label's leading number, which is b - a once rewritten; an
    // unchanged price keeps the label, and the colour, of the turn before.
    game.Change_Colour[s] = Sign_Colour(game.Change[s].Leading());
}

void Set_Index_Change(Game& game) {
    double i99 = game.Index_History[99], i98 = game.Index_History[98];
    double pct = i98 != 0 ? Round((i99 - i98) * 100 / i98, 1) : 0;
    game.DJIA_Change = "(" + Number_Text(pct) + "%)";
    game.DJIA_Change_Colour = Sign_Colour(i99 - i98);
}

// The trend step shared by the turn and the pre-simulation; h_ref is the price three turns back.
void Move_Stock_Trend(Game& game, Random& rnd, int s, double b, double h_ref, double high_mark) {
    int trend = game.Stock_Trend[s];
    int c3 = To_Integer((b - h_ref) * 100 / b);
    if (c3 > 20) trend -= static_cast<int>(Int(rnd.Rnd() * 3 + 1));
    if (c3 < -20) trend += static_cast<int>(Int(rnd.Rnd() * 3 + 1));
    int step = static_cast<int>(Int(rnd.Rnd() * 7));
    int d = Sign_Draw(rnd);
    trend = trend + step * d;
    if (b > high_mark) trend -= 1;
    if (b < 15) trend += 1;
    game.Stock_Trend[s] = Clamp_Trend(trend, Stock_Trend_Limit);
}

void Double_Weight(Game& game, int i) {
    // A weight at the cap stays: the index then moves at the split, in a game no fair play reaches.
    if (game.Index_Weight[i] < Weight_Cap) game.Index_Weight[i] *= 2;
}

void Split_Stock(Game& game, int i) {
    Split_Record record;
    record.Stock = i;
    record.Price_Before = Stock_Price(game, i);
    record.Shares_Before = game.Player_Stock[i].Shares;
    record.Short_Before = game.Player_Short[i].Shares;
    game.Price[i].Set(Stock_Price(game, i) / 2);
    // A count at the cap stays as it is; everything else about the split happens as before.
    auto doubled = [](double count) { return count >= Count_Cap ? count : Round_Even(count * 2); };
    auto split = [&](Holding& h) {
        h.Shares = doubled(h.Shares);
        h.Avg_Price = To_Integer(h.Avg_Price / 2.0);
    };
    split(game.Computer_Stock[i]);
    split(game.Player_Stock[i]);
    split(game.Computer_Short[i]);
    split(game.Player_Short[i]);
    auto& co = game.Computer_Option[i];
    co.Contracts = doubled(co.Contracts);
    co.Strike = To_Integer(co.Strike / 2.0);
    for (auto& eps : game.Earnings[i].EPS) eps = Half_Round2(eps);
    for (auto& o : game.Player_Option) {
        if (o.Stock != i) continue;
        o.Quantity = doubled(o.Quantity);
        o.Strike = To_Integer(o.Strike / 2.0);
    }
    // A quantity that rounds to nothing leaves no position behind.
    for (int k = game.Player_Option_Count - 1; k >= 0; --k)
        if (game.Player_Option[k].Stock == i && game.Player_Option[k].Quantity <= 0) Remove_Option(game, k);
    Double_Weight(game, i);
    for (auto& h : game.Price_History[i]) h = static_cast<Byte>(Round_Even(h / 2.0));
    record.Price_After = Stock_Price(game, i);
    record.Shares_After = game.Player_Stock[i].Shares;
    record.Short_After = game.Player_Short[i].Shares;
    for (int k = 0; k < game.Player_Option_Count; ++k) record.Option_Positions += game.Player_Option[k].Stock == i;
    game.Last_Turn_Record.Splits.push_back(record);
}

void Drift_Market_Trend(Game& game, Random& rnd) {
    int v = static_cast<int>(Int(rnd.Rnd() * 100 + 1));
    int d = Sign_Draw(rnd);
    int trend = game.Market_Trend;
    if (v > 60 && v <= 80) trend += 2 * d;
    else if (v > 80 && v <= 95) trend += 3 * d;
    else if (v > 95) trend += 4 * d;
    game.Market_Trend = Clamp_Trend(trend, Market_Drift_Limit);
}

void Move_Prices(Game& game, Random& rnd) {
    Text_Sum index(game.Price[Index_Entry].Text());
    for (int i = 0; i < Stock_Count; ++i) {
        double p = Stock_Price(game, i);
        double l = Round_Even(8 / p);
        while (p > Split_Price) {
            Split_Stock(game, i);
            p = Stock_Price(game, i);
        }
        if (p > 60) l = -l;
        if (p > 100) l = l * 30;
        double n = Int(p + p * game.Stock_Trend[i] * 0.015 + p * game.Market_Trend * 0.013 + l);
        game.Price[i].Set(n);

        index.Add(n * game.Index_Weight[i]);

        auto& row = game.Price_History[i];
        std::copy(row.begin() + 1, row.end(), row.begin());
        row[99] = static_cast<Byte>(n);
        Set_Change_Label(game, i);
        Move_Stock_Trend(game, rnd, i, row[99], row[96], 153);
    }
    game.Price[Index_Entry] = Shown_Number::Read(index.Text());
    std::copy(game.Index_History.begin() + 1, game.Index_History.end(), game.Index_History.begin());
    // The history keeps 32 bits; the index text stays exact.
    game.Index_History[99] = To_Long(Index_Value(game));
    Set_Index_Change(game);
    Drift_Market_Trend(game, rnd);
}
