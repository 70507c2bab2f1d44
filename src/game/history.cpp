#include "game/history.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/game.h"
#include "core/numbers.h"
#include "market/news.h"
#include "storage/data_folder.h"
#include "storage/file_io.h"
#include "storage/load_ranges.h"
#include "storage/records.h"
#include "storage/saved_game.h"

namespace {

const char* const Section_Marker = "History";
// The section's last record: a file cut short within its last figure still reads as numbers,
// but not as this.
const char* const Section_End = "End of history";
constexpr double Section_Version = 1;

// What a journal line of each kind holds, within the bounds of the game's own records.
struct Kind {
    const char* name;
    Range quantity;  // shares or contracts traded; none for a tax or a cheat
    Range price;     // a share's price, an option's premium, a tax, a cheated cash or trend
    bool stock;      // names the stock traded
    bool gain;       // says what it made
};
constexpr Range None{0, 0};
constexpr Range Tax_Range{0, Money_Highest};
constexpr Range Cheat_Range{-Cheat_Trend_Limit, Cheat_Cash_Limit};
const std::array<Kind, 11> Kinds = {{
    {"Buy", Count_Range, Price_Range, true, false},
    {"Sell", Count_Range, Price_Range, true, true},
    {"Short", Count_Range, Price_Range, true, false},
    {"Buy Back", Count_Range, Price_Range, true, true},
    {"Buy Call", Contract_Range, Premium_Range, true, false},
    {"Sell Call", Contract_Range, Premium_Range, true, true},
    {"Buy Put", Contract_Range, Premium_Range, true, false},
    {"Sell Put", Contract_Range, Premium_Range, true, true},
    {"Lapse", Contract_Range, Premium_Range, true, true},
    {"Tax", None, Tax_Range, false, false},
    {"Cheat", None, Cheat_Range, false, false},
}};

double Turn_Of(const Game& game) { return game.Turn_Number.Value(); }

bool Crashed(const Game& game) {
    return std::any_of(game.News_Items.begin(), game.News_Items.end(),
                       [](const List_Line& line) { return line.Text == Crash_Headline; });
}

template <typename T>
void Keep_Newest(std::deque<T>& items, std::size_t kept, std::size_t& dropped) {
    while (items.size() > kept) {
        items.pop_front();
        ++dropped;
    }
}


}  // namespace

const char* Trader_Name(Trader who) { return who == Trader::You ? "You" : "Computer"; }

std::string Dollars(double amount) {
    const std::string text = Add_Commas(Number_Text(std::fabs(amount)));
    return (amount < 0 ? "-$" : "$") + text;
}

void Begin_History(Game& game) {
    auto history = std::make_shared<Game_History>();
    history->Base_Worth = game.Net_Worth.Value();
    history->Base_Index = game.Price[Index_Entry].Value();
    history->Points.push_back({static_cast<Long>(Turn_Of(game)), history->Base_Worth,
                               game.C_Portfolio.Net_Worth.Value(), history->Base_Index, false, false});
    game.History = std::move(history);
}

void Record_Turn(Game& game) {
    if (!game.History) return;
    game.History->Points.push_back({static_cast<Long>(Turn_Of(game)), game.Net_Worth.Value(),
                                    game.C_Portfolio.Net_Worth.Value(),
                                    game.Price[Index_Entry].Value(), Crashed(game), false});
    Keep_Newest(game.History->Points, History_Turns_Kept, game.History->Dropped_Points);
}

void Record_Taxes(Game& game, double player_tax, double computer_tax) {
    if (!game.History) return;
    auto& points = game.History->Points;
    if (!points.empty() && points.back().Turn == static_cast<Long>(Turn_Of(game))) points.back().Tax = true;
    if (player_tax > 0) Record_Trade(game, Trader::You, "Tax", -1, 0, player_tax, std::nullopt);
    if (computer_tax > 0) Record_Trade(game, Trader::Computer, "Tax", -1, 0, computer_tax, std::nullopt);
}

void Record_Trade(Game& game, Trader who, const std::string& what, int stock, double quantity, double price,
                  std::optional<double> gain) {
    if (!game.History || (stock >= 0 && quantity == 0)) return;
    const Shown_Number& cash = who == Trader::You ? game.Cash_On_Hand : game.C_Portfolio.Cash;
    // Premiums are kept in single precision; the journal shows cents, not the float's tail.
    const auto cents = [](double x) { return std::round(x * 100) / 100; };
    if (gain) gain = cents(*gain);
    game.History->Journal.push_back({static_cast<Long>(Turn_Of(game)), who, what,
                                     stock >= 0 ? game.Symbol[stock] : std::string(), quantity, cents(price), gain,
                                     cash.Value()});
    Keep_Newest(game.History->Journal, Journal_Entries_Kept, game.History->Dropped_Entries);
}

double Index_Line(const Game_History& history, double index) {
    if (!(history.Base_Index > 0)) return history.Base_Worth;
    // A base worth far beyond any game's would take the line past a double: it stops at the largest.
    const double most = std::numeric_limits<double>::max();
    return std::clamp(history.Base_Worth * index / history.Base_Index, -most, most);
}

// Every figure is written out in full, as the game's money texts are: a value in exponent form
// may read back as another, or as no number at all.
void Write_History_Section(Record_Writer& w, const Game_History& h) {
    w.Text(Section_Marker).Full_Number(Section_Version).End_Record();
    w.Full_Number(h.Base_Worth).Full_Number(h.Base_Index).Full_Number(static_cast<double>(h.Points.size()));
    w.Full_Number(static_cast<double>(h.Journal.size())).End_Record();
    for (const History_Point& p : h.Points) {
        w.Full_Number(p.Turn).Full_Number(p.Net_Worth).Full_Number(p.Computer_Net_Worth).Full_Number(p.Index);
        w.Boolean(p.Crash).Boolean(p.Tax).End_Record();
    }
    for (const Journal_Entry& e : h.Journal) {
        w.Full_Number(e.Turn).Text(Trader_Name(e.Who)).Text(e.What).Text(e.Symbol);
        w.Full_Number(e.Quantity).Full_Number(e.Price);
        w.Boolean(e.Gain.has_value()).Full_Number(e.Gain.value_or(0)).Full_Number(e.Cash).End_Record();
    }
    w.Text(Section_End).End_Record();
}

namespace {
// The section's fields, each checked as it is read; the first damaged field fails the rest.
// A figure is taken only in the form the writer gives it and within the bounds of the game's
// own records, so that a section that loads saves as the same section.
class Section_Reader {
public:
    explicit Section_Reader(Record_Reader& r) : r(r) {}
    bool Ok() const { return ok; }
    bool Require(bool holds) { return ok = ok && holds; }
    double Number(Range range) {
        const std::optional<double> v = r.Full_Number();
        return Require(v && range.Holds(*v)) ? *v : 0;
    }
    double Whole(Range range) {
        const double v = Number(range);
        Require(v == std::floor(v));
        return ok ? v : 0;
    }
    bool Boolean() {
        const std::optional<bool> b = r.Boolean();
        return Require(b.has_value()) && *b;
    }
    std::string Text() {
        const std::optional<std::string> t = r.Text();
        return Require(t.has_value()) ? *t : std::string();
    }

private:
    Record_Reader& r;
    bool ok = true;
};

const Kind* Kind_Named(const std::string& name) {
    for (const Kind& k : Kinds)
        if (name == k.name) return &k;
    return nullptr;
}
}  // namespace

std::optional<Game_History> Read_History_Section(Record_Reader& r, const Game& loaded) {
    Section_Reader f(r);
    Game_History h;
    f.Require(f.Text() == Section_Marker && f.Number(Any) == Section_Version);
    h.Base_Worth = f.Number(Money_Range);
    h.Base_Index = f.Whole(Index_Range);
    const double turn = Turn_Of(loaded);
    const auto points = static_cast<std::size_t>(f.Whole({0, History_Turns_Kept}));
    const auto entries = static_cast<std::size_t>(f.Whole({0, Journal_Entries_Kept}));
    // Each turn is recorded once, in order, and none after the game's own turn.
    double last = 0;
    for (std::size_t k = 0; k < points && f.Ok(); ++k) {
        History_Point p;
        p.Turn = static_cast<Long>(f.Whole({last + 1, turn}));
        last = p.Turn;
        p.Net_Worth = f.Number(Money_Range);
        p.Computer_Net_Worth = f.Number(Money_Range);
        p.Index = f.Whole(Index_Range);
        p.Crash = f.Boolean();
        p.Tax = f.Boolean();
        h.Points.push_back(p);
    }
    last = 0;
    for (std::size_t k = 0; k < entries && f.Ok(); ++k) {
        Journal_Entry e;
        e.Turn = static_cast<Long>(f.Whole({std::max(last, 1.0), turn}));
        last = e.Turn;
        const std::string who = f.Text();
        e.Who = who == Trader_Name(Trader::You) ? Trader::You : Trader::Computer;
        f.Require(who == Trader_Name(e.Who));
        e.What = f.Text();
        const Kind* kind = Kind_Named(e.What);
        if (!f.Require(kind != nullptr)) break;
        e.Symbol = f.Text();
        f.Require(kind->stock ? std::find(loaded.Symbol.begin(), loaded.Symbol.end(), e.Symbol) != loaded.Symbol.end()
                              : e.Symbol.empty());
        // A trade of a stock is of something; a tax or a cheat trades nothing.
        e.Quantity = f.Number(kind->quantity);
        f.Require(e.Quantity > 0 || !kind->stock);
        e.Price = f.Number(kind->price);
        const bool has_gain = f.Boolean();
        const double gain = f.Number(Money_Range);
        f.Require(has_gain == kind->gain && (has_gain || gain == 0));
        if (has_gain) e.Gain = gain;
        e.Cash = f.Number(Money_Range);
        h.Journal.push_back(std::move(e));
    }
    f.Require(f.Text() == Section_End);
    if (!f.Ok()) return std::nullopt;
    return h;
}

std::string Journal_Csv(const Game& game) {
    std::string csv = "Turn,Who,What,Symbol,Quantity,Price,Gain,Cash\n";
    if (!game.History) return csv;
    for (const Journal_Entry& e : game.History->Journal) {
        csv += Number_Text(e.Turn) + "," + Trader_Name(e.Who) + "," + e.What + "," + e.Symbol + "," +
               Number_Text(e.Quantity) + "," + Number_Text(e.Price) + "," + (e.Gain ? Number_Text(*e.Gain) : "") +
               "," + Number_Text(e.Cash) + "\n";
    }
    return csv;
}

File_Result<> Export_Journal(const Game& game, const std::string& path) {
    if (Is_Data_File(game.Data_Dir, path) || Is_Saved_Game(path)) return File_Error::Reserved_Name;
    return Write_File_Atomic(path, Journal_Csv(game));
}

History_Summary Summarize(const Game& game) {
    History_Summary summary;
    if (!game.History || game.History->Points.empty()) return summary;
    const Game_History& h = *game.History;
    const Journal_Entry* best = nullptr;
    const Journal_Entry* worst = nullptr;
    for (const Journal_Entry& e : h.Journal) {
        if (e.Who != Trader::You || !e.Gain) continue;
        if (!best || *e.Gain > *best->Gain) best = &e;
        if (!worst || *e.Gain < *worst->Gain) worst = &e;
    }
    auto describe = [](const char* title, const Journal_Entry& e) {
        return std::string(title) + e.What + " " + Add_Commas(Number_Text(e.Quantity)) + " " + e.Symbol +
               " in turn " + Number_Text(e.Turn) + ": " + Dollars(*e.Gain);
    };
    if (best && *best->Gain > 0) summary.Best_Trade = describe("Best trade: ", *best);
    if (worst && *worst->Gain < 0) summary.Worst_Trade = describe("Worst trade: ", *worst);
    const History_Point& last = h.Points.back();
    summary.Turns_Played = "Turns played: " + Add_Commas(Number_Text(last.Turn));
    summary.Against_The_Index = "Your net worth: " + Dollars(last.Net_Worth) +
                                "; bought and held, the market index would have made it " +
                                Dollars(Int(Index_Line(h, last.Index))) + ".";
    return summary;
}
