#include "cli/state_json.h"

#include "cli/json.h"
#include "engine/market/earnings.h"
#include "engine/trading/player_cash.h"

namespace {

void Holdings(Json& j, const char* key, const std::array<Holding, Stock_Count>& table) {
    j.Key(key);
    Array(j, table, [&](const Holding& h) {
        j.Open('{');
        j.Key("Shares"); j.Number(h.Shares);
        j.Key("Avg_Price"); j.Number(h.Avg_Price);
        j.Close('}');
    });
}

void Lines(Json& j, const char* key, const std::vector<List_Line>& lines) {
    j.Key(key);
    Array(j, lines, [&](const List_Line& l) {
        j.Open('[');
        j.Text(l.Text);
        j.Number(l.Item_Data);
        j.Close(']');
    });
}
}  // namespace

std::string State_Json(const Game& g) {
    Json j;
    j.Open('{');
    j.Key("Turn_Number"); j.Text(g.Turn_Number.Text());
    j.Key("Cash_On_Hand"); j.Text(g.Cash_On_Hand.Text());
    j.Key("Cash_View"); j.Text(Cash_View(g));
    j.Key("Net_Worth"); j.Text(g.Net_Worth.Text());
    j.Key("Price"); Array(j, g.Price, [&](const Shown_Number& s) { j.Text(s.Text()); });
    j.Key("Change"); Array(j, g.Change, [&](const Change_Label& c) { j.Text(c.Text()); });
    j.Key("DJIA_Change"); j.Text(g.DJIA_Change);
    j.Key("Stock_Trend"); Array(j, g.Stock_Trend, [&](Integer v) { j.Number(v); });
    j.Key("Market_Trend"); j.Number(g.Market_Trend);
    j.Key("Index_Weight");
    j.Open('[');
    for (int s = 0; s < Stock_Count; ++s) j.Number(g.Index_Weight[s]);
    j.Close(']');
    j.Key("Price_History");
    Array(j, g.Price_History, [&](const auto& row) { Array(j, row, [&](Byte b) { j.Number(b); }); });
    j.Key("Index_History"); Array(j, g.Index_History, [&](Long v) { j.Number(v); });
    j.Key("EPS");
    Array(j, g.Earnings, [&](const Earnings_Record& e) { Array(j, e.EPS, [&](Currency c) { j.Number(c.Value()); }); });
    j.Key("Report_Turn");
    Array(j, g.Earnings, [&](const Earnings_Record& e) { j.Number(e.Report_Turn); });
    Holdings(j, "Player_Stock", g.Player_Stock);
    Holdings(j, "Player_Short", g.Player_Short);
    j.Key("Player_Option");
    j.Open('[');
    for (int k = 0; k < g.Player_Option_Count; ++k) {
        const auto& o = g.Player_Option[k];
        j.Open('{');
        j.Key("Option_Type"); j.Text(o.Option_Type);
        j.Key("Stock"); j.Number(o.Stock);
        j.Key("Strike"); j.Number(o.Strike);
        j.Key("Expires"); j.Number(o.Expires);
        j.Key("Purchase_Price"); j.Number(static_cast<double>(o.Purchase_Price));
        j.Key("Quantity"); j.Number(o.Quantity);
        j.Close('}');
    }
    j.Close(']');
    j.Key("Player_Capital_Gains"); j.Number(g.Player_Capital_Gains);
    j.Key("C_Portfolio");
    j.Open('{');
    j.Key("Cash"); j.Text(g.C_Portfolio.Cash.Text());
    j.Key("Cash_View"); j.Text(g.C_Portfolio.Cash_View.Text());
    j.Key("Net_Worth"); j.Text(g.C_Portfolio.Net_Worth.Text());
    j.Close('}');
    Holdings(j, "Computer_Stock", g.Computer_Stock);
    Holdings(j, "Computer_Short", g.Computer_Short);
    j.Key("Computer_Option");
    Array(j, g.Computer_Option, [&](const Computer_Option_Position& o) {
        j.Open('{');
        j.Key("Contracts"); j.Number(o.Contracts);
        j.Key("Option_Type"); j.Text(o.Option_Type);
        j.Key("Strike"); j.Number(o.Strike);
        j.Key("Expires"); j.Number(o.Expires);
        j.Key("Premium"); j.Number(o.Premium);
        j.Close('}');
    });
    j.Key("Computer_Capital_Gains"); j.Number(g.Computer_Capital_Gains);
    j.Key("Cheats_Enabled"); j.Bool(g.Cheats_Enabled);
    Lines(j, "News_Items", g.News_Items);
    Lines(j, "Earnings_News", g.Earnings_News);
    Lines(j, "Reporting_Next_List", Reporting_Next(g));
    j.Key("Game_File_Name"); j.Text(g.Game_File_Name);
    j.Close('}');
    return j.out;
}
