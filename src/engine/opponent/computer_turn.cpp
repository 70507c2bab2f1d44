#include "engine/opponent/computer_turn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/trading/options.h"
#include "engine/trading/positions.h"

namespace {

enum class Action { Buy, Short };

struct Turn_Data {
    std::array<Integer, Stock_Count> Change_3{};
    std::array<Integer, Stock_Count> Change_9{};
    std::vector<std::pair<int, Action>> Stock_Candidates;
    std::vector<int> Option_Candidates;
    std::array<bool, Stock_Count> Is_Call{};  // Option_Kind_Of: true = Call, false = Put
    int Worth_Digits = 0;
    double Turn = 0;
};

double Cash(const Game& game) { return game.C_Portfolio.Cash.Value(); }
void Set_Cash(Game& game, double cash) { game.C_Portfolio.Cash.Set(cash); }
bool Options_On(const Game& game) { return game.Setup.Options == 1; }

void Momentum(const Game& game, Turn_Data& d, int s) {
    const auto& h = game.Price_History[s];
    double now = h[99];
    d.Change_3[s] = static_cast<Integer>(Round_Even((now - h[96]) * 100 / now));
    d.Change_9[s] = static_cast<Integer>(Round_Even((now - h[90]) * 100 / now));
}

void Close_Stock(Game& game, const Turn_Data& d, int s) {
    double price = Stock_Price(game, s);
    int c3 = d.Change_3[s], c9 = d.Change_9[s];
    Holding& l = game.Computer_Stock[s];
    if (l.Shares > 0 && !(c3 >= 10 && c3 + c9 >= 10)) {
        Set_Cash(game, Cash(game) + l.Shares * price);
        game.Computer_Capital_Gains = game.Computer_Capital_Gains + l.Shares * price - l.Shares * l.Avg_Price;
        Record_Trade(game, Trader::Computer, "Sell", s, l.Shares, price, l.Shares * price - l.Shares * l.Avg_Price);
        l.Shares = 0;
    }
    Holding& sh = game.Computer_Short[s];
    if (sh.Shares > 0 && !(c3 <= -20 && c3 + c9 <= -20)) {
        // The cash and the gains value the position differently (Int(p / 2) against Int(p) / 2), as the rules do.
        const double value = Computer_Short_Value(sh.Avg_Price, price);
        Set_Cash(game, Cash(game) + sh.Shares * value);
        game.Computer_Capital_Gains += sh.Shares * Computer_Short_Gain(sh.Avg_Price, price);
        // What it made: the return less the half price (rounded down) it put up when it sold.
        Record_Trade(game, Trader::Computer, "Buy Back", s, sh.Shares, price,
                     sh.Shares * value - sh.Shares * Int(sh.Avg_Price / 2.0));
        sh.Shares = 0;
    }
}

void Close_Option(Game& game, const Turn_Data& d, int s) {
    Computer_Option_Position& o = game.Computer_Option[s];
    if (o.Contracts <= 0) return;
    int c3 = d.Change_3[s], sum = d.Change_3[s] + d.Change_9[s];
    bool expiring = o.Expires == d.Turn + 1;
    bool close = o.Option_Type == "Call" ? (sum < 20 || c3 < 20 || expiring)
                                         : (sum > -20 || c3 > -20 || expiring);
    if (!close) return;
    double v = Option_Premium(game, o.Option_Type, s, o.Strike, o.Expires);
    Set_Cash(game, Cash(game) + o.Contracts * v * Contract_Shares);
    game.Computer_Capital_Gains = game.Computer_Capital_Gains + o.Contracts * v * Contract_Shares - o.Contracts * o.Premium * Contract_Shares;
    Record_Trade(game, Trader::Computer, "Sell " + o.Option_Type, s, o.Contracts, v,
                 o.Contracts * v * Contract_Shares - o.Contracts * o.Premium * Contract_Shares);
    o.Contracts = 0;
}

bool Falling_Hard(int c3, int c9, double price) {
    return (c3 + c9 < -80 && c3 < -20) || (c3 < -10 && price > 80) || c3 < -30;
}

void Momentum_Options(const Game& game, Turn_Data& d, int s, double price) {
    if (!Options_On(game) || d.Worth_Digits > 9 || game.Computer_Option[s].Contracts > 0) return;
    int c3 = d.Change_3[s], c9 = d.Change_9[s];
    bool call = c3 > 30 || (c3 > 20 && c3 + c9 > 80);
    bool put = price > 30 && Falling_Hard(c3, c9, price);
    // A later put test overrides the kind of a call found for the same stock.
    if (call || put) {
        d.Option_Candidates.push_back(s);
        d.Is_Call[s] = !put;
    }
}

void Momentum_Stocks(const Game& game, Turn_Data& d, int s, double price) {
    if (price <= 25 || (Options_On(game) && d.Worth_Digits < 9)) return;
    int c3 = d.Change_3[s], c9 = d.Change_9[s];
    double cash = Cash(game);
    bool rich = cash >= Computer_Rich_Cash;
    if (game.Setup.Short == 1 && price > 50 && Falling_Hard(c3, c9, price))
        if (rich || game.Computer_Short[s].Shares == 0) d.Stock_Candidates.push_back({s, Action::Short});
    if (c3 + c9 > 60 || c3 > 15) {
        double held = game.Computer_Stock[s].Shares;
        if ((!rich && held == 0) || (rich && held != Stock_Limit)) d.Stock_Candidates.push_back({s, Action::Buy});
    }
}

void Earnings_Candidates(const Game& game, Turn_Data& d, int s) {
    const Earnings_Record& e = game.Earnings[s];
    if (e.Report_Turn != d.Turn + 1) return;
    bool rising = e.EPS[0] > e.EPS[1] && e.EPS[1] > e.EPS[2];
    bool falling = e.EPS[0] < e.EPS[1] && e.EPS[1] < e.EPS[2];
    bool options_mode = Options_On(game) && d.Worth_Digits < 9;
    if (rising && !options_mode) d.Stock_Candidates.push_back({s, Action::Buy});
    if ((!rising && !falling) || !options_mode || game.Computer_Option[s].Contracts > 0) return;
    auto& list = d.Option_Candidates;
    if (std::find(list.begin(), list.end(), s) != list.end()) return;  // its momentum kind stands
    list.push_back(s);
    d.Is_Call[s] = rising;
}

// Every allocation divides the cash of the moment by the divisor and by the number of candidates.
struct Allocation {
    double Cash_Divisor = 1;
    double Candidates = 1;
};

void Buy(Game& game, int s, const Allocation& a) {
    double price = Stock_Price(game, s);
    Holding& h = game.Computer_Stock[s];
    double n = std::max(0.0, Int(Cash(game) / a.Cash_Divisor / a.Candidates / price));
    n = Most_Within_Limit(n, Room_Under(Stock_Limit, h.Shares, game.Player_Stock[s].Shares));
    h.Avg_Price = Average_Price_After(h, price, n, Average_Rounding::Down);
    h.Shares += n;
    if (n != 0) Set_Cash(game, Cash(game) - n * price);
    Record_Trade(game, Trader::Computer, "Buy", s, n, price, std::nullopt);
}

void Sell_Short(Game& game, int s, const Allocation& a) {
    double price = Stock_Price(game, s);
    Holding& h = game.Computer_Short[s];
    double n = std::max(0.0, Int(Cash(game) / a.Cash_Divisor / a.Candidates / price / 2));
    n = Most_Within_Limit(n, Room_Under(Short_Limit, h.Shares, game.Player_Short[s].Shares));
    h.Avg_Price = Average_Price_After(h, price, n, Average_Rounding::Down);
    h.Shares += n;
    if (n != 0) Set_Cash(game, Cash(game) - n * Int(price / 2));
    Record_Trade(game, Trader::Computer, "Short", s, n, price, std::nullopt);
}

void Buy_Option(Game& game, const Turn_Data& d, int s, const Allocation& a) {
    Computer_Option_Position& o = game.Computer_Option[s];
    double price = Stock_Price(game, s);
    o.Option_Type = d.Is_Call[s] ? "Call" : "Put";
    o.Expires = static_cast<Long>(std::ceil((d.Turn + 1) / Expiry_Step) * Expiry_Step + (Expiry_Choices - 1) * Expiry_Step);
    o.Strike = static_cast<Integer>(Strike_For(price, d.Is_Call[s]));
    o.Premium = Option_Premium(game, o.Option_Type, s, o.Strike, o.Expires);
    double c = Int(Cash(game) / a.Cash_Divisor / a.Candidates / (o.Premium * Contract_Shares));
    if (!(c > 0)) c = 0;  // also a premium of 0 with no cash
    c = Most_Within_Limit(c, Option_Contract_Limit);
    o.Contracts = c;
    if (c != 0) Set_Cash(game, Cash(game) - c * o.Premium * Contract_Shares);
    Record_Trade(game, Trader::Computer, "Buy " + o.Option_Type, s, c, o.Premium, std::nullopt);
}

void Execute(Game& game, const Turn_Data& d) {
    Allocation a;
    a.Candidates = static_cast<double>(d.Stock_Candidates.size() + d.Option_Candidates.size());
    a.Cash_Divisor = a.Candidates == 1 ? 2 : 1;  // a lone candidate gets half the cash
    for (const auto& [s, action] : d.Stock_Candidates) {
        if (action == Action::Buy) Buy(game, s, a);
        else Sell_Short(game, s, a);
    }
    for (int s : d.Option_Candidates) Buy_Option(game, d, s, a);
}

}  // namespace

void Computer_Turn(Game& game) {
    Turn_Data d;
    d.Turn = game.Turn_Number.Value();
    d.Worth_Digits = static_cast<int>(Number_Text(Int(game.C_Portfolio.Net_Worth.Value())).size());
    for (int s = 0; s < Stock_Count; ++s) {
        Momentum(game, d, s);
        Close_Stock(game, d, s);
    }
    for (int s = 0; s < Stock_Count; ++s) Close_Option(game, d, s);
    for (int s = 0; s < Stock_Count; ++s) {
        double price = Stock_Price(game, s);
        if (price <= 15) continue;
        Momentum_Options(game, d, s, price);
        Momentum_Stocks(game, d, s, price);
    }
    if (game.Setup.Earnings_Slider > 3)
        for (int s = 0; s < Stock_Count; ++s) Earnings_Candidates(game, d, s);
    Execute(game, d);
}
