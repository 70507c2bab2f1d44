#include "engine/storage/history_section.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/history/history.h"
#include "engine/storage/load_ranges.h"
#include "engine/storage/records.h"

namespace {

const char* const Section_Marker = "History";
// The section's last record: a file cut short within its last figure still reads as numbers,
// but not as this.
const char* const Section_End = "End of history";
constexpr double Section_Version = 1;

// What a journal line of each kind holds, within the bounds of the game's own records.
struct Kind {
    std::string_view name;
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
}  // namespace

std::vector<std::string> Journal_Kind_Names() {
    std::vector<std::string> names;
    for (const Kind& k : Kinds) names.emplace_back(k.name);
    return names;
}

// Every figure is written out in full, as the game's money texts are: a value in exponent form
// may read back as another, or as no number at all.
void Write_History_Section(Record_Writer& w, const Game_History& h) {
    // A turn's line of a long game takes some 50 characters, a journal line some 70.
    w.Reserve(56 * h.Points.size() + 80 * h.Journal.size());
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
    // Seen where it lies in the file's text: most are compared, not kept.
    std::string_view Text() {
        const std::optional<std::string_view> t = r.Text_View();
        return Require(t.has_value()) ? *t : std::string_view();
    }

private:
    Record_Reader& r;
    bool ok = true;
};

const Kind* Kind_Named(std::string_view name) {
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
        const std::string_view who = f.Text();
        e.Who = who == Trader_Name(Trader::You) ? Trader::You : Trader::Computer;
        f.Require(who == Trader_Name(e.Who));
        const Kind* kind = Kind_Named(f.Text());
        if (!f.Require(kind != nullptr)) break;
        e.What = kind->name;
        const std::string_view symbol = f.Text();
        if (kind->stock) {
            const auto stock = std::find(loaded.Symbol.begin(), loaded.Symbol.end(), symbol);
            if (f.Require(stock != loaded.Symbol.end())) e.Symbol = *stock;
        } else {
            f.Require(symbol.empty());
        }
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

