#include "engine/market/earnings.h"

#include <algorithm>

#include "engine/model/numbers.h"
#include "engine/market/news_alerts.h"

// One older-to-newer step of earnings: a change of -0.50..+1.50.
static Currency Next_EPS(Currency previous, Random& rnd) {
    return Round2(previous + Currency::From_Double(2 * rnd.Rnd() - 0.5));
}

void Deal_Earnings(Game& game, Random& rnd, int s) {
    auto& e = game.Earnings[s];
    e.Report_Turn = static_cast<Long>(Int(rnd.Rnd() * 49 + 2));
    e.EPS[3] = Currency::From_Double(Round(rnd.Rnd() * 3 - 2, 2));
    for (int q = 2; q >= 0; --q) e.EPS[q] = Next_EPS(e.EPS[q + 1], rnd);
}

// A report moves the price by K percent.
static void Move_Price_By(Game& game, int s, double percent) {
    double p = Stock_Price(game, s);
    game.Price[s].Set(std::max(Lowest_Price, Round_Even(p + percent * p * 0.01)));
}

static void Report_Earnings(Game& game, Random& rnd, int s, std::vector<std::string>& alerts) {
    auto& e = game.Earnings[s];
    e.EPS[3] = e.EPS[2];
    e.EPS[2] = e.EPS[1];
    e.EPS[1] = e.EPS[0];
    e.EPS[0] = Next_EPS(e.EPS[1], rnd);
    e.Report_Turn += Report_Period;
    game.Earnings_News.push_back({game.Symbol[s] + " reports earnings of " + Number_Text(e.EPS[0].Value()) +
                                      " per share vs. " + Number_Text(e.EPS[1].Value()) + " in the previous period.",
                                  s});
    double k = Int(rnd.Rnd() * 3 * game.Setup.Earnings_Slider + 1);
    // Only the bound in the direction of the move is applied.
    if (e.EPS[0] > e.EPS[1]) {
        Move_Price_By(game, s, k);
        int t = game.Stock_Trend[s] + static_cast<int>(Int(rnd.Rnd() * 4 + 1));
        game.Stock_Trend[s] = static_cast<Integer>(std::min(t, Stock_Trend_Limit));
    } else {
        Move_Price_By(game, s, -k);
        int t = game.Stock_Trend[s] - static_cast<int>(Int(rnd.Rnd() * 4 + 1));
        game.Stock_Trend[s] = static_cast<Integer>(std::max(t, -Stock_Trend_Limit));
    }
    Alert_Owned_Stock(game, s, alerts);
}

void Earnings_Stage(Game& game, Random& rnd, int s, int turn, std::vector<std::string>& alerts) {
    if (game.Earnings[s].Report_Turn == turn) Report_Earnings(game, rnd, s, alerts);
}

// Only a report moves a report turn, a period on: the list a turn leaves is the list of the
// stocks due one or two turns after it.
std::vector<List_Line> Reporting_Next(const Game& game) {
    std::vector<List_Line> lines;
    const double turn = game.Turn_Number.Value();
    for (int s = 0; s < Stock_Count; ++s) {
        const Long due = game.Earnings[s].Report_Turn;
        if (due == turn + 1 || due == turn + 2) lines.push_back({game.Symbol[s] + " (" + Number_Text(due) + ")", s});
    }
    return lines;
}
