#include "cli/history_json.h"

#include "cli/json.h"
#include "engine/history/history.h"

std::string History_Json(const Game& game) {
    static const Game_History none;
    const Game_History& h = game.History ? *game.History : none;
    Json j;
    j.Open('{');
    j.Key("Turn");
    Array(j, h.Points, [&](const History_Point& p) { j.Number(p.Turn); });
    j.Key("Net_Worth");
    Array(j, h.Points, [&](const History_Point& p) { j.Decimal(p.Net_Worth); });
    j.Key("Computer_Net_Worth");
    Array(j, h.Points, [&](const History_Point& p) { j.Decimal(p.Computer_Net_Worth); });
    j.Close('}');
    return j.out;
}

std::vector<std::string> Journal_Json(const Game& game) {
    std::vector<std::string> lines;
    if (!game.History) return lines;
    for (const Journal_Entry& e : game.History->Journal) {
        Json j;
        j.Open('{');
        j.Key("Turn"); j.Number(e.Turn);
        j.Key("Who"); j.Text(Trader_Name(e.Who));
        j.Key("What"); j.Text(e.What);
        j.Key("Symbol"); j.Text(e.Symbol);
        j.Key("Quantity"); j.Decimal(e.Quantity);
        j.Key("Price"); j.Decimal(e.Price);
        j.Key("Gain");
        if (e.Gain) j.Decimal(*e.Gain);
        else j.Null();
        j.Key("Cash"); j.Decimal(e.Cash);
        j.Close('}');
        lines.push_back(std::move(j.out));
    }
    return lines;
}
