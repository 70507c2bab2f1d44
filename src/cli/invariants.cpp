#include "cli/invariants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "engine/history/history.h"
#include "engine/model/numbers.h"
#include "engine/storage/file_io.h"
#include "engine/opponent/computer_portfolio.h"
#include "engine/storage/saved_game.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/portfolio.h"

namespace {

// What broke, each told by a text worked out only when its check fails: the soaks make millions
// of checks that hold.
struct Report {
    std::vector<std::string> broken;
    template <typename Text>
    void Check(bool ok, const Text& what) {
        if (!ok) broken.push_back(what());
    }
};

// "nan", "inf", or a number in exponent form ("1e+15"), which no text the game shows may hold.
bool Has_Nan_Or_Inf(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos ||
           text.find('e') != std::string::npos;
}

// Texts that hold a number the game reads back with the locale rule, written as the game
// writes it (plain or grouped), so the text read back is the same text; money and the index
// stay below Money_Bound (money has no floor below zero).
template <typename Name>
void Check_Number_Text(Report& r, const Name& name, const std::string& text) {
    r.Check(!Has_Nan_Or_Inf(text), [&] { return name() + " holds nan, inf or an exponent: " + text; });
    std::optional<double> v = Locale_Number(text);
    r.Check(v.has_value(), [&] { return name() + " is not a number: \"" + text + "\""; });
    if (!v) return;
    r.Check(*v < Money_Bound, [&] { return name() + " is 10^18 or more: " + text; });
    char plain[Number_Text_Room];
    const std::string_view written(plain, static_cast<std::size_t>(Number_Text_To(plain, *v) - plain));
    r.Check(text == written || text == Add_Commas(std::string(written)),
            [&] { return name() + " does not read back as itself: " + text; });
}

// The name of a figure that is always the same.
auto Named(const char* name) {
    return [name] { return std::string(name); };
}

}  // namespace

std::vector<std::string> Turn_Invariants(const Game& game) {
    Report r;
    if (!game.Has_Game) return r.broken;
    const double turn = game.Turn_Number.Value();
    r.Check(turn >= 1 && turn <= Last_Turn && turn == Int(turn),
            [&] { return "turn " + game.Turn_Number.Text() + " out of range"; });
    double index = 0;
    for (int s = 0; s < Stock_Count; ++s) {
        const std::string& sym = game.Symbol[s];
        Check_Number_Text(r, [&] { return "price of " + sym; }, game.Price[s].Text());
        double price = Stock_Price(game, s);
        r.Check(price >= 1, [&] { return "price of " + sym + " below 1: " + game.Price[s].Text(); });
        r.Check(game.Price_History[s][99] == price, [&] {
            return "history of " + sym + " is " + std::to_string(game.Price_History[s][99]) + ", price " +
                   game.Price[s].Text();
        });
        r.Check(std::abs(game.Stock_Trend[s]) <= Stock_Trend_Limit, [&] { return "trend of " + sym + " out of range"; });
        r.Check(!Has_Nan_Or_Inf(game.Change[s].Text()), [&] { return "change of " + sym + " holds nan or inf"; });
        const std::pair<const char*, const Holding*> holdings[] = {
            {"player's stock", &game.Player_Stock[s]}, {"player's short", &game.Player_Short[s]},
            {"computer's stock", &game.Computer_Stock[s]}, {"computer's short", &game.Computer_Short[s]}};
        for (const auto& [whose, h] : holdings)
            r.Check(h->Shares >= 0 && h->Shares <= Count_Bound, [&, whose = whose, h = h] {
                return std::string("share count out of range in the ") + whose + " of " + sym + ": " +
                       Number_Text(h->Shares);
            });
        r.Check(game.Computer_Option[s].Contracts >= 0 && game.Computer_Option[s].Contracts <= Option_Count_Bound,
                [&] { return "computer contracts out of range in " + sym; });
        const Long weight = game.Index_Weight[s];
        r.Check(weight >= 1 && weight <= Weight_Cap && (weight & (weight - 1)) == 0,
                [&] { return "index weight of " + sym + " is " + std::to_string(weight); });
        const Long due = game.Earnings[s].Report_Turn;
        r.Check(due > turn && due <= turn + Report_Period,
                [&] { return "report turn of " + sym + " is " + std::to_string(due); });
        const Computer_Option_Position& option = game.Computer_Option[s];
        r.Check(option.Contracts == 0 || (option.Expires > turn && option.Expires <= turn + Option_Life),
                [&] { return "the computer's option on " + sym + " expires at " + std::to_string(option.Expires); });
        index += price * weight;
    }
    Check_Number_Text(r, Named("index"), game.Price[Index_Entry].Text());
    r.Check(Index_Value(game) == index, [&] {
        return "index " + game.Price[Index_Entry].Text() + " is not the weighted sum " + Number_Text(index);
    });
    r.Check(index <= Index_Bound, [&] { return "index " + Number_Text(index) + " above its bound"; });
    r.Check(game.Index_History[History_Length - 1] == To_Long(index), [&] {
        return "index history ends at " + std::to_string(game.Index_History[History_Length - 1]) + ", not " +
               Number_Text(index) + " kept to 32 bits";
    });
    r.Check(std::abs(game.Market_Trend) <= Cheat_Trend_Limit, Named("market trend out of range"));
    r.Check(game.Player_Option_Count >= 0 && game.Player_Option_Count <= Most_Option_Positions,
            Named("option count out of range"));
    std::array<double, Stock_Count> contracts{};
    for (int k = 0; k < game.Player_Option_Count && k < Option_Slots; ++k) {
        const Option_Position& o = game.Player_Option[k];
        r.Check(o.Quantity > 0, [&] { return "option entry " + std::to_string(k) + " holds no quantity"; });
        if (o.Stock >= 0 && o.Stock < Stock_Count) contracts[o.Stock] += o.Quantity;
        r.Check(o.Expires > turn && o.Expires <= turn + Option_Life,
                [&] { return "option entry " + std::to_string(k) + " expires at " + std::to_string(o.Expires); });
    }
    for (int s = 0; s < Stock_Count; ++s)
        r.Check(contracts[s] <= Option_Count_Bound,
                [&] { return "the player's contracts in " + game.Symbol[s] + " are " + Number_Text(contracts[s]); });
    Check_Number_Text(r, Named("cash"), game.Cash_On_Hand.Text());
    Check_Number_Text(r, Named("cash view"), Cash_View(game));
    Check_Number_Text(r, Named("net worth"), game.Net_Worth.Text());
    Check_Number_Text(r, Named("computer cash"), game.C_Portfolio.Cash.Text());
    Check_Number_Text(r, Named("computer net worth"), game.C_Portfolio.Net_Worth.Text());
    Check_Number_Text(r, Named("turn"), game.Turn_Number.Text());
    r.Check(!Has_Nan_Or_Inf(game.DJIA_Change), Named("index change holds nan or inf"));
    const auto check_cells = [&r](const Grid_Row& row) {
        for (const auto& cell : row) r.Check(!Has_Nan_Or_Inf(cell), [&] { return "grid cell holds nan or inf: " + cell; });
    };
    for (const Grid_Row& row : Computer_Grid_Rows(game)) check_cells(row);
    for (const Stock_Row& row : Stock_Grid_Rows(game)) check_cells(row.Cells);
    for (const Option_Row& row : Option_Grid_Rows(game)) check_cells(row.Cells);
    return r.broken;
}

std::vector<std::string> Drift_Invariants(const Game& game) {
    Report r;
    if (game.Has_Game)
        r.Check(game.Market_Trend >= -3 && game.Market_Trend <= 3,
                [&] { return "market trend " + std::to_string(game.Market_Trend) + " after its drift"; });
    return r.broken;
}

std::vector<std::string> Command_Invariants(const Game& before, const Game& after) {
    Report r;
    for (int s = 0; s < Stock_Count; ++s) {
        double longs = after.Player_Stock[s].Shares + after.Computer_Stock[s].Shares;
        double longs_before = before.Player_Stock[s].Shares + before.Computer_Stock[s].Shares;
        r.Check(longs <= Stock_Limit || longs <= longs_before, [&] { return "stock limit passed in " + after.Symbol[s]; });
        double shorts = after.Player_Short[s].Shares + after.Computer_Short[s].Shares;
        double shorts_before = before.Player_Short[s].Shares + before.Computer_Short[s].Shares;
        r.Check(shorts <= Short_Limit || shorts <= shorts_before, [&] { return "short limit passed in " + after.Symbol[s]; });
    }
    return r.broken;
}

namespace {
std::string Verb(const std::string& line) { return line.substr(0, line.find(' ')); }

bool Is_Trade(const std::string& line) {
    const std::string verb = Verb(line);
    return verb == "buy" || verb == "sell" || verb == "short" || verb == "cover" || verb == "option";
}

// The record of the race as its section holds it (the counts of entries dropped are not saved).
bool Same_Record(const Game_History& a, const Game_History& b) {
    return a.Base_Worth == b.Base_Worth && a.Base_Index == b.Base_Index && a.Points == b.Points && a.Journal == b.Journal;
}

// Whether two games save into the same text: their own records save alike, and their records of
// the race, from which alone the section is written, are equal. A long game's record is megabytes
// of text, and compared as values it need not be written again.
bool Saved_Alike(const Game& a, const Game& b) {
    if (!a.History || !b.History || !Same_Record(*a.History, *b.History)) return false;
    Game a_records = a, b_records = b;
    a_records.History.reset();
    b_records.History.reset();
    return Saved_Game_Text(a_records) == Saved_Game_Text(b_records);
}

// A game just saved must load again as the same game, and a loaded game save into the same text.
// (A load works out the computer's net worth anew, which a cheat may have left stale; from then on
// a save and a load change nothing.) A loaded game that saves as the game saved saves into the very
// text it was loaded from, which shows both at once; any other is loaded again from what it saves.
std::vector<std::string> Loads_As_Saved(const Game& saved, const Game& loaded) {
    Report r;
    r.Check(loaded.Turn_Number == saved.Turn_Number && loaded.Cash_On_Hand == saved.Cash_On_Hand &&
                loaded.Net_Worth == saved.Net_Worth && loaded.Price == saved.Price,
            Named("a loaded game is not the game saved"));
    if (Saved_Alike(loaded, saved)) return r.broken;
    const std::string once = Saved_Game_Text(loaded);
    const std::optional<Game> again = Loaded_Game(loaded, once);
    r.Check(again && Saved_Game_Text(*again) == once, Named("a loaded game saves differently"));
    return r.broken;
}

// The file a game was just saved in, loaded again.
std::vector<std::string> Saved_Game_Loads(const Game& game) {
    const File_Result<std::string> content = Read_File(game.Game_File_Name);
    if (!content) return {};  // the save failed and said so
    const std::optional<Game> loaded = Loaded_Game(game, *content);
    if (!loaded) return {"the game saved in " + game.Game_File_Name + " does not load"};
    return Loads_As_Saved(game, *loaded);
}
}  // namespace

void Invariant_Watch::After_Turn(const Game& game) {
    ++turns;
    highest_turn = std::max(highest_turn, static_cast<long long>(game.Turn_Number.Value()));
    if (broken.empty()) Note(Turn_Invariants(game), "");
    if (broken.empty()) Note(Drift_Invariants(game), "");
}

void Invariant_Watch::After_Command(const std::string& line, const Game& before, const Game& after) {
    if (!broken.empty()) return;
    Note(Turn_Invariants(after), line);
    if (Is_Trade(line)) Note(Command_Invariants(before, after), line);
    if (Verb(line) == "save" && after.Has_Game) Note(Saved_Game_Loads(after), line);
}

void Invariant_Watch::After_Save_And_Load(const std::string& line, const Game& saved, const Game& loaded) {
    if (!broken.empty()) return;
    Note(Turn_Invariants(saved), line);
    if (broken.empty() && saved.Has_Game) Note(Loads_As_Saved(saved, loaded), line);
}

void Invariant_Watch::Note(const std::vector<std::string>& found, const std::string& command) {
    std::string where = "turn " + std::to_string(turns);
    if (!command.empty()) where += " after `" + command + "`";
    for (const auto& b : found) broken.push_back(where + ": " + b);
}
