#include "engine/storage/challenge_section.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include "engine/model/numbers.h"
#include "engine/model/string_table.h"
#include "engine/storage/load_ranges.h"
#include "engine/storage/records.h"

namespace {
const char* const Section_Marker = "Challenge";
const char* const Section_End = "End of challenge";
constexpr double Section_Version = 1;

constexpr std::array<const char*, 10> Move_Names = {
    "End Turn", "Clock Turn", "Buy", "Sell", "Short", "Buy Back", "Option", "Enable Cheats", "Cheat", "Alerts"};
constexpr std::array<const char*, 3> Cheat_Names = {"cash", "computer cash", "trend"};

// A deal draws some thousands of numbers and a turn some hundreds; these bounds are far above
// both, and keep a hostile count from holding a load up for more than a moment.
constexpr double Deal_Draws = 1000000, Draws_Per_Input = 100000;

std::string Digest_Text(std::uint32_t digest) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08X", digest);
    return buf;
}

std::optional<std::uint32_t> Digest_Of(const std::string& text) {
    if (text.size() != 8) return std::nullopt;
    std::uint32_t v = 0;
    for (const char c : text) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return v;
}

const std::string& Symbol_Of(int stock) {
    static const std::array<std::string, Stock_Count> symbols = [] {
        std::array<std::string, Stock_Count> s;
        for (int k = 0; k < Stock_Count; ++k) s[k] = String_Table(String_Id::Symbol, k);
        return s;
    }();
    return symbols[static_cast<std::size_t>(stock)];
}

int Stock_Named(const std::string& symbol) {
    for (int k = 0; k < Stock_Count; ++k)
        if (Symbol_Of(k) == symbol) return k;
    return -1;
}

template <std::size_t N>
int Index_Of(const std::array<const char*, N>& names, const std::string& name) {
    for (std::size_t k = 0; k < N; ++k)
        if (name == names[k]) return static_cast<int>(k);
    return -1;
}

bool Is_Trade(Challenge_Move m) {
    return m == Challenge_Move::Buy || m == Challenge_Move::Sell || m == Challenge_Move::Sell_Short ||
           m == Challenge_Move::Buy_Back;
}

void Write_Entry(Record_Writer& w, const Challenge_Entry& e) {
    w.Text(Move_Names[static_cast<std::size_t>(e.Move)]);
    using M = Challenge_Move;
    if (Is_Trade(e.Move)) w.Text(Symbol_Of(e.Stock)).Exact_Number(e.Quantity).Boolean(e.Blank);
    if (e.Move == M::Option) {
        w.Text(Symbol_Of(e.Stock)).Boolean(e.Calls).Boolean(e.Buy).Number(e.Strike).Number(e.Expires);
        w.Number(e.Exp_Min).Number(e.Exp_Max).Exact_Number(e.Quantity).Boolean(e.Blank);
    }
    if (e.Move == M::Enable_Cheats) w.Boolean(e.Confirmed);
    if (e.Move == M::Cheat) w.Text(Cheat_Names[static_cast<std::size_t>(e.Cheat_Item)]).Boolean(e.Answered).Exact_Number(e.Answer);
    if (e.Move == M::Alerts) w.Number(e.News).Number(e.World);
    w.Boolean(e.Done).Text(Digest_Text(e.Digest)).End_Record();
}

// The fields of a section, each checked as it is read; the first damaged one fails the rest.
class Fields {
public:
    explicit Fields(Record_Reader& r) : r(r) {}
    bool Ok() const { return ok; }
    bool Require(bool holds) { return ok = ok && holds; }
    double Whole(Range range) {
        const std::optional<double> v = r.Full_Number();
        return Require(v && range.Holds(*v) && *v == std::floor(*v)) ? *v : 0;
    }
    int Integer(Range range) { return static_cast<int>(Whole(range)); }
    double Exact() {
        const std::optional<double> v = r.Exact_Number();
        return Require(v.has_value()) ? *v : 0;
    }
    double Money() {
        const std::optional<double> v = r.Exact_Number();
        return Require(v && Money_Range.Holds(*v)) ? *v : 0;
    }
    bool Boolean() {
        const std::optional<bool> b = r.Boolean();
        return Require(b.has_value()) && *b;
    }
    std::string Text() {
        const std::optional<std::string> t = r.Text();
        return Require(t.has_value()) ? *t : std::string();
    }
    int Stock() {
        const int stock = Stock_Named(Text());
        Require(stock >= 0);
        return stock;
    }
    // A figure of the computer's window as it shows it: with separators, or plain after a rescue.
    Shown_Number Shown() {
        const std::string t = Text();
        const std::optional<double> v = Locale_Number(t);
        Require(v && Money_Range.Holds(*v) && (Number_Text(*v) == t || Add_Commas(Number_Text(*v)) == t));
        return Shown_Number::Read(ok ? t : "0");
    }

private:
    Record_Reader& r;
    bool ok = true;
};

constexpr Range Spin_Range{0, 2147483647.0};

Challenge_Entry Read_Entry(Fields& f) {
    Challenge_Entry e;
    const int move = Index_Of(Move_Names, f.Text());
    if (!f.Require(move >= 0)) return e;
    e.Move = static_cast<Challenge_Move>(move);
    using M = Challenge_Move;
    if (Is_Trade(e.Move)) {
        e.Stock = f.Stock();
        e.Quantity = f.Exact();
        e.Blank = f.Boolean();
    }
    if (e.Move == M::Option) {
        e.Stock = f.Stock();
        e.Calls = f.Boolean();
        e.Buy = f.Boolean();
        e.Strike = f.Integer(Spin_Range);
        e.Expires = f.Integer(Spin_Range);
        e.Exp_Min = f.Integer(Spin_Range);
        e.Exp_Max = f.Integer(Spin_Range);
        e.Quantity = f.Exact();
        e.Blank = f.Boolean();
    }
    if (e.Move == M::Enable_Cheats) e.Confirmed = f.Boolean();
    if (e.Move == M::Cheat) {
        e.Cheat_Item = Index_Of(Cheat_Names, f.Text());
        f.Require(e.Cheat_Item >= 0);
        e.Answered = f.Boolean();
        e.Answer = f.Exact();
        f.Require(e.Answered || e.Answer == 0);  // a cancelled box reads as nothing
    }
    if (e.Move == M::Alerts) {
        e.News = f.Integer({-1, 1});
        e.World = f.Integer({-1, 1});
        f.Require(e.News >= 0 || e.World >= 0);  // an input that sets no box is never recorded
    }
    e.Done = f.Boolean();
    const std::optional<std::uint32_t> digest = Digest_Of(f.Text());
    f.Require(digest.has_value());
    e.Digest = digest.value_or(0);
    return e;
}

Challenge_Record Read_Record(Fields& f) {
    Challenge_Record c;
    const std::string code_text = f.Text();
    const Code_Reading code = Read_Code(code_text);
    // Only the form the game writes a code in.
    f.Require(code.Code && Code_Text(*code.Code) == code_text);
    if (code.Code) c.Code = *code.Code;
    c.News_Alert = f.Integer(Check_Range);
    c.World_Alert = f.Integer(Check_Range);
    const std::optional<std::uint32_t> start = Digest_Of(f.Text());
    f.Require(start.has_value());
    c.Start_Digest = start.value_or(0);
    const auto count = static_cast<std::size_t>(f.Whole({0, static_cast<double>(Challenge_Inputs_Kept)}));
    c.Draws = static_cast<std::uint64_t>(f.Whole({0, Deal_Draws + Draws_Per_Input * static_cast<double>(count)}));
    c.Entries.reserve(count);
    for (std::size_t k = 0; k < count && f.Ok(); ++k) c.Entries.push_back(Read_Entry(f));
    return c;
}
}  // namespace

void Write_Challenge_Record(Record_Writer& w, const Challenge_Record& c) {
    w.Text(Code_Text(c.Code)).Number(c.News_Alert).Number(c.World_Alert).Text(Digest_Text(c.Start_Digest));
    w.Full_Number(static_cast<double>(c.Entries.size())).Full_Number(static_cast<double>(c.Draws)).End_Record();
    for (const Challenge_Entry& e : c.Entries) Write_Entry(w, e);
}

std::optional<Challenge_Record> Read_Challenge_Record(Record_Reader& r) {
    Fields f(r);
    Challenge_Record c = Read_Record(f);
    if (!f.Ok()) return std::nullopt;
    return c;
}

void Write_Challenge_Section(Record_Writer& w, const Game& g) {
    w.Text(Section_Marker).Full_Number(Section_Version).End_Record();
    Write_Challenge_Record(w, *g.Challenge);
    // The gains to the last bit: a later tax is taken from them.
    w.Exact_Number(g.Player_Capital_Gains).Exact_Number(g.Computer_Capital_Gains);
    w.Number(g.Setup.Short).Number(g.Setup.Suprise).Number(g.Setup.Earnings_Slider);
    w.Text(g.C_Portfolio.Cash_View.Text()).Text(g.C_Portfolio.Net_Worth.Text()).End_Record();
    w.Text(Section_End).End_Record();
}

std::optional<Challenge_Section> Read_Challenge_Section(Record_Reader& r) {
    Fields f(r);
    f.Require(f.Text() == Section_Marker && f.Whole(Any) == Section_Version);
    Challenge_Section s;
    s.Record = Read_Record(f);
    s.Player_Capital_Gains = f.Money();
    s.Computer_Capital_Gains = f.Money();
    s.Short = f.Integer(Check_Range);
    s.Suprise = f.Integer(Check_Range);
    s.Earnings_Slider = f.Integer(Slider_Range);
    s.Cash_View = f.Shown();
    s.Net_Worth = f.Shown();
    f.Require(f.Text() == Section_End);
    if (!f.Ok()) return std::nullopt;
    return s;
}

bool Challenge_Holds(const Game& g) {
    const Challenge_Record& c = *g.Challenge;
    return State_Digest(g, c.Draws) == (c.Entries.empty() ? c.Start_Digest : c.Entries.back().Digest);
}

bool Apply_Challenge_Section(Game& g, Challenge_Section s) {
    g.Player_Capital_Gains = s.Player_Capital_Gains;
    g.Computer_Capital_Gains = s.Computer_Capital_Gains;
    g.Setup.Short = s.Short;
    g.Setup.Suprise = s.Suprise;
    g.Setup.Earnings_Slider = s.Earnings_Slider;
    g.C_Portfolio.Cash_View = s.Cash_View;
    g.C_Portfolio.Net_Worth = s.Net_Worth;
    g.Challenge = std::make_shared<Challenge_Record>(std::move(s.Record));
    if (Challenge_Holds(g)) return true;
    g.Challenge.reset();
    return false;
}
