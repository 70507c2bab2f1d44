#include "cli/invariants.h"

#include <cmath>

#include "core/numbers.h"

namespace {

struct Report {
    std::vector<std::string> broken;
    void Check(bool ok, const std::string& what) {
        if (!ok) broken.push_back(what);
    }
};

bool Has_Nan_Or_Inf(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// Texts that hold a number the game reads back with the locale rule.
void Check_Number_Text(Report& r, const std::string& name, const std::string& text) {
    r.Check(!Has_Nan_Or_Inf(text), name + " holds nan or inf: " + text);
    r.Check(Try_Locale_Number(text).has_value(), name + " is not a number: \"" + text + "\"");
}

constexpr double Stock_Limit = 100000000, Short_Limit = 50000000;

}  // namespace

std::vector<std::string> Turn_Invariants(const Game& game) {
    Report r;
    if (!game.Has_Game) return r.broken;
    double index = 0;
    for (int s = 0; s < Stock_Count; ++s) {
        const std::string sym = game.Symbol[s];
        Check_Number_Text(r, "price of " + sym, game.Price[s]);
        double price = Leading_Number(game.Price[s]);
        r.Check(price >= 1, "price of " + sym + " below 1: " + game.Price[s]);
        r.Check(game.Price_History[s][99] == price,
                "history of " + sym + " is " + std::to_string(game.Price_History[s][99]) + ", price " + game.Price[s]);
        r.Check(game.Stock_Trend[s] >= -6 && game.Stock_Trend[s] <= 6, "trend of " + sym + " out of range");
        r.Check(!Has_Nan_Or_Inf(game.Change[s]), "change of " + sym + " holds nan or inf");
        for (const Holding* h : {&game.Player_Stock[s], &game.Player_Short[s], &game.Computer_Stock[s],
                                 &game.Computer_Short[s]})
            r.Check(h->Shares >= 0 && std::isfinite(h->Shares), "negative share count in " + sym);
        r.Check(game.Computer_Option[s].Contracts >= 0, "negative computer contracts in " + sym);
        index += price * game.Index_Weight[s];
    }
    Check_Number_Text(r, "index", game.Price[Index_Entry]);
    r.Check(Leading_Number(game.Price[Index_Entry]) == index, "index " + game.Price[Index_Entry] +
                                                                  " is not the weighted sum " + Number_Text(index));
    r.Check(game.Market_Trend >= -6 && game.Market_Trend <= 6, "market trend out of range");
    r.Check(game.Player_Option_Count >= 0 && game.Player_Option_Count <= 191, "option count out of range");
    for (int k = 0; k < game.Player_Option_Count && k < Option_Slots; ++k)
        r.Check(game.Player_Option[k].Quantity > 0, "option entry " + std::to_string(k) + " holds no quantity");
    Check_Number_Text(r, "cash", game.Cash_On_Hand);
    Check_Number_Text(r, "cash view", game.Cash_View);
    Check_Number_Text(r, "net worth", game.Net_Worth);
    Check_Number_Text(r, "computer cash", game.C_Portfolio.Cash);
    Check_Number_Text(r, "computer net worth", game.C_Portfolio.Net_Worth);
    Check_Number_Text(r, "turn", game.Turn_Number);
    r.Check(!Has_Nan_Or_Inf(game.DJIA_Change), "index change holds nan or inf");
    for (const auto& rows : {&game.Stock_Portfolio, &game.Options_Portfolio, &game.C_Portfolio.Grid})
        for (const auto& row : *rows)
            for (const auto& cell : row) r.Check(!Has_Nan_Or_Inf(cell), "grid cell holds nan or inf: " + cell);
    return r.broken;
}

std::vector<std::string> Drift_Invariants(const Game& game) {
    Report r;
    if (game.Has_Game)
        r.Check(game.Market_Trend >= -3 && game.Market_Trend <= 3,
                "market trend " + std::to_string(game.Market_Trend) + " after its drift");
    return r.broken;
}

std::vector<std::string> Command_Invariants(const Game& before, const Game& after) {
    Report r;
    for (int s = 0; s < Stock_Count; ++s) {
        double longs = after.Player_Stock[s].Shares + after.Computer_Stock[s].Shares;
        double longs_before = before.Player_Stock[s].Shares + before.Computer_Stock[s].Shares;
        r.Check(longs <= Stock_Limit || longs <= longs_before, "stock limit passed in " + after.Symbol[s]);
        double shorts = after.Player_Short[s].Shares + after.Computer_Short[s].Shares;
        double shorts_before = before.Player_Short[s].Shares + before.Computer_Short[s].Shares;
        r.Check(shorts <= Short_Limit || shorts <= shorts_before, "short limit passed in " + after.Symbol[s]);
    }
    return r.broken;
}
