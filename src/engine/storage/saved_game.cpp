#include "engine/storage/saved_game.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <optional>

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/storage/challenge_section.h"
#include "engine/storage/history_section.h"
#include "engine/opponent/computer_portfolio.h"
#include "engine/storage/cipher.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/load_ranges.h"
#include "engine/storage/recent_file.h"
#include "engine/storage/records.h"

namespace {



// --- writing -----------------------------------------------------------------------

void Write_Player_Holding(Record_Writer& w, const Holding& h) {
    if (h.Shares != 0) {
        w.Number(1).Text(Encode_Field(Number_Text_Blank(h.Shares))).Number(h.Avg_Price);
    } else {
        w.Number(-1);
    }
    w.End_Record();
}

void Write_Computer_Holding(Record_Writer& w, const Holding& h) {
    if (h.Shares != 0) w.Number(1).Number(h.Avg_Price).Number(h.Shares);
    else w.Number(-1);
    w.End_Record();
}

// --- reading -----------------------------------------------------------------------

// The change labels as the game writes them: "-2(25%)" beside a price, "(-1.5%)" beside the
// index, "CRASH!" after a crash.
bool Is_Change_Text(const std::string& text, bool index_row) {
    if (!index_row && text == "CRASH!") return true;
    const std::size_t open = text.find('(');
    if (open == std::string::npos || text.size() < open + 4 || text.compare(text.size() - 2, 2, "%)") != 0)
        return false;
    const std::string lead = text.substr(0, open), percent = text.substr(open + 1, text.size() - open - 3);
    const std::optional<double> move = Locale_Number(lead), share = Locale_Number(percent);
    if (index_row ? !lead.empty() : !(move && Number_Text(*move) == lead && std::fabs(*move) <= Price_Bound)) return false;
    return share && Number_Text(*share) == percent && (index_row || *share >= 0);
}

// Reads the fields in order, each checked against its range. The first field that is
// missing, of the wrong kind or out of range fails the whole load; the reads after it give
// plain zeros, which nothing uses.
class Field_Reader {
public:
    explicit Field_Reader(const std::string& content) : r(Record_Reader::In_Place{}, content) {}

    bool Ok() const { return ok; }
    // False as soon as one field was damaged; fields read after that are zeros.
    bool Require(bool holds) {
        ok = ok && holds;
        return ok;
    }
    bool At_End() { return Require(r.At_End()); }
    // What follows the game's own records, if anything.
    bool More() { return ok && !r.At_End(); }
    Record_Reader& Records() { return r; }

    double Number(Range range) { return Checked(r.Number(), range); }
    Integer Integer_In(Range range) { return static_cast<Integer>(Checked(r.Integer_Number(), range)); }
    Long Long_In(Range range) { return static_cast<Long>(Checked(r.Long_Number(), range)); }
    Byte Byte_In(Range range) { return static_cast<Byte>(Checked(r.Byte_Number(), range)); }
    Single Single_In(Range range) { return static_cast<Single>(Checked(r.Single_Number(), range)); }
    Currency Money(double limit) {
        std::optional<Currency> c = r.Money();
        return Require(c && std::fabs(c->Value()) <= limit) ? *c : Currency{};
    }
    bool Boolean() {
        std::optional<bool> b = r.Boolean();
        return Require(b.has_value()) && *b;
    }
    std::string Text() {
        std::optional<std::string> t = r.Text();
        return Require(t.has_value()) ? *t : std::string();
    }
    // One of the given texts.
    std::string Text_Of(std::initializer_list<const char*> allowed) {
        std::string t = Text();
        Require(std::find(allowed.begin(), allowed.end(), t) != allowed.end());
        return t;
    }
    // A display text holding a number in the form the game writes it: plain, or with
    // separators when `grouped`.
    std::string Number_Text_In(Range range, bool grouped, double* value = nullptr) {
        std::string t = Text();
        std::optional<double> v = Locale_Number(t);
        const bool plain = v && (grouped ? Add_Commas(Number_Text(*v)) : Number_Text(*v)) == t;
        Require(plain && range.Holds(*v));
        if (value) *value = ok ? *v : 0;
        return t;
    }
    // The share count of a player's holding, through the cipher as a number text.
    double Ciphered_Count() {
        std::optional<std::string> code = r.Text();
        std::optional<std::string> text = code ? Decode_Field(*code) : std::nullopt;
        std::optional<double> v = text ? Locale_Number(*text) : std::nullopt;
        return Checked(v, Count_Range);
    }
    // The first field of a holding record: 1 for a position, -1 for none.
    bool Position_Follows() {
        std::optional<Integer> marker = r.Integer_Number();
        Require(marker == 1 || marker == -1);
        return ok && marker == 1;
    }

private:
    template <typename T>
    double Checked(std::optional<T> v, Range range) {
        return Require(v && range.Holds(static_cast<double>(*v))) ? static_cast<double>(*v) : 0;
    }
    Record_Reader r;
    bool ok = true;
};

// A held position: a count above 0.
void Read_Player_Holding(Field_Reader& f, Holding& h) {
    if (!f.Position_Follows()) {
        h.Shares = 0;
        return;
    }
    h.Shares = f.Ciphered_Count();
    f.Require(h.Shares > 0);
    h.Avg_Price = f.Integer_In(Avg_Price_Range);
}

void Read_Computer_Holding(Field_Reader& f, Holding& h) {
    if (!f.Position_Follows()) {
        h.Shares = 0;
        return;
    }
    h.Avg_Price = f.Integer_In(Avg_Price_Range);
    h.Shares = f.Number(Count_Range);
    f.Require(h.Shares > 0);
}

void Read_Stock_Block(Field_Reader& f, Game& g, int s) {
    for (Currency& eps : g.Earnings[s].EPS) eps = f.Money(EPS_Limit);
    g.Earnings[s].Report_Turn = f.Long_In(Turn_Range);  // checked against the turn later
    double price = 0;
    g.Price[s] = Shown_Number::Read(f.Number_Text_In(Price_Range, false, &price));
    f.Require(price == Int(price));
    g.Change[s].Set_Text(f.Text());
    f.Require(Is_Change_Text(g.Change[s].Text(), false));
    g.Change_Colour[s] = Sign_Colour(g.Change[s].Leading());
    g.Stock_Trend[s] = f.Integer_In(Trend_Range);
    g.Index_Weight[s] = f.Long_In(Weight_Range);
    f.Require((g.Index_Weight[s] & (g.Index_Weight[s] - 1)) == 0);  // a power of two
    Read_Player_Holding(f, g.Player_Stock[s]);
    Read_Player_Holding(f, g.Player_Short[s]);
    for (Byte& byte : g.Price_History[s]) byte = f.Byte_In(History_Range);
    f.Require(g.Price_History[s][History_Length - 1] == price);
}

void Read_Settings(Field_Reader& f, Game& g) {
    Settings& set = g.Setup;
    set.Frequency_Slider = f.Long_In(Slider_Range);
    set.Power_Slider = f.Long_In(Slider_Range);
    set.Options = f.Integer_In(Check_Range);
    set.Play_To = f.Integer_In(List_Index_Range);
    set.Time_Limit = f.Integer_In(Check_Range);
    set.Handicap = f.Integer_In(List_Index_Range);
    set.News_Alert = f.Integer_In(Check_Range);
    set.World_Alert = f.Integer_In(Check_Range);
    g.Game_Timer_Enabled = set.Time_Limit == 1;
    if (g.Game_Timer_Enabled) g.Time_Status = Turn_Seconds;
}

void Read_Player_Options(Field_Reader& f, Game& g) {
    const Integer count = f.Integer_In(Option_Count_Range);
    g.Player_Option_Count = count;
    for (int k = 0; k < count; ++k) {
        Option_Position& o = g.Player_Option[k];
        o.Expires = f.Long_In({1, Turn_Range.high + Expiry_Span});  // checked against the turn later
        o.Purchase_Price = f.Single_In(Premium_Range);
        o.Quantity = f.Number(Contract_Range);
        f.Require(o.Quantity > 0);
        o.Strike = f.Integer_In(Strike_Range);
        o.Stock = f.Integer_In(Stock_Range);
        o.Option_Type = f.Text_Of({"Call", "Put"});
    }
    // Then the free entry after the list: its fields need only be of their types, as it holds
    // nothing the game uses; the load leaves it empty.
    f.Long_In(Any);
    f.Single_In(Any);
    f.Number(Any);
    f.Integer_In(Any);
    f.Integer_In(Any);
    f.Text();
}

void Read_Computer_Option(Field_Reader& f, Computer_Option_Position& o) {
    if (!f.Position_Follows()) {
        o.Contracts = 0;
        return;
    }
    o.Option_Type = f.Text_Of({"Call", "Put"});
    o.Expires = f.Long_In({0, Turn_Range.high + Expiry_Span});  // checked against the turn later
    o.Premium = f.Number(Premium_Range);
    o.Contracts = f.Number(Contract_Range);
    f.Require(o.Contracts > 0);
    o.Strike = f.Integer_In(Strike_Range);
}

// What only the whole file can tell: report and expiry turns lie within their spans after the
// turn, a player's contracts in one stock within their bound, and the index is the weighted sum
// of the prices, its newest history column that sum kept to 32 bits.
bool Consistent(const Game& g, double turn, double index) {
    double sum = 0;
    std::array<double, Stock_Count> contracts{};
    for (int s = 0; s < Stock_Count; ++s) {
        sum += Stock_Price(g, s) * g.Index_Weight[s];
        const Long due = g.Earnings[s].Report_Turn;
        if (!(due > turn && due <= turn + Report_Span)) return false;
        const Computer_Option_Position& o = g.Computer_Option[s];
        if (o.Contracts > 0 && !(o.Expires > turn && o.Expires <= turn + Expiry_Span)) return false;
    }
    for (int k = 0; k < g.Player_Option_Count; ++k) {
        const Long expires = g.Player_Option[k].Expires;
        if (!(expires > turn && expires <= turn + Expiry_Span)) return false;
        contracts[g.Player_Option[k].Stock] += g.Player_Option[k].Quantity;
    }
    for (double held : contracts)
        if (!Contract_Range.Holds(held)) return false;
    return sum == index && g.Index_History[History_Length - 1] == To_Long(index);
}

}  // namespace

void Write_Saved_Game(Record_Writer& w, const Game& g) {
    for (int s = 0; s < Stock_Count; ++s) {
        for (Currency eps : g.Earnings[s].EPS) w.Money(eps);
        w.End_Record();
        w.Number(g.Earnings[s].Report_Turn).End_Record();
        w.Text(g.Price[s].Text()).Text(g.Change[s].Text()).Number(g.Stock_Trend[s]).Number(g.Index_Weight[s]).End_Record();
        Write_Player_Holding(w, g.Player_Stock[s]);
        Write_Player_Holding(w, g.Player_Short[s]);
        for (Byte price : g.Price_History[s]) w.Number(price).End_Record();
    }
    const Settings& set = g.Setup;
    w.Number(set.Frequency_Slider).Number(set.Power_Slider).Number(set.Options).Number(set.Play_To);
    w.Number(set.Time_Limit).Number(set.Handicap).Number(set.News_Alert).Number(set.World_Alert).End_Record();
    w.Text(g.Turn_Number.Text()).Text(g.Cash_On_Hand.Text()).Text(g.Net_Worth.Text()).Text(g.C_Portfolio.Net_Worth.Text());
    w.Number(g.Market_Trend).End_Record();
    w.Boolean(g.Cheats_Enabled).Text(g.Price[Index_Entry].Text()).Text(g.DJIA_Change).End_Record();
    for (Long index : g.Index_History) w.Number(index).End_Record();
    w.Number(g.Player_Option_Count).End_Record();
    for (int k = 0; k <= g.Player_Option_Count; ++k) {
        const Option_Position& o = g.Player_Option[k];
        w.Number(o.Expires).Single_Number(o.Purchase_Price).Number(o.Quantity).Number(o.Strike);
        w.Number(o.Stock).Text(o.Option_Type).End_Record();
    }
    w.Text(g.C_Portfolio.Cash.Text()).End_Record();
    for (int s = 0; s < Stock_Count; ++s) {
        Write_Computer_Holding(w, g.Computer_Stock[s]);
        Write_Computer_Holding(w, g.Computer_Short[s]);
        const Computer_Option_Position& o = g.Computer_Option[s];
        if (o.Contracts != 0) {
            w.Number(1).Text(o.Option_Type).Number(o.Expires).Number(o.Premium).Number(o.Contracts).Number(o.Strike);
        } else {
            w.Number(-1);
        }
        w.End_Record();
    }
    // The record of the race follows the game's own records, where a reader of those stops.
    if (g.History) Write_History_Section(w, *g.History);
    // And the record of a challenge in play after it, while the game is the one its record left
    // (a game changed otherwise than by the player's inputs can no longer be replayed).
    if (g.History && g.Challenge && Challenge_Holds(g)) Write_Challenge_Section(w, g);
}

std::string Saved_Game_Text(const Game& g) {
    Record_Writer w;
    Write_Saved_Game(w, g);
    return w.Take_Output();
}

std::optional<Game> Loaded_Game(const Game& game, const std::string& content) {
    Game g = game;
    Field_Reader f(content);
    g.Player_Option_Count = 0;
    g.Player_Option = {};
    for (int s = 0; s < Stock_Count && f.Ok(); ++s) Read_Stock_Block(f, g, s);
    Read_Settings(f, g);

    double turn = 0, index = 0;
    g.Turn_Number = Shown_Number::Read(f.Number_Text_In(Turn_Range, false, &turn));
    f.Require(turn == Int(turn));
    g.Cash_On_Hand = Shown_Number::Read(f.Number_Text_In(Money_Range, false));
    g.Net_Worth = Shown_Number::Read(f.Number_Text_In(Money_Range, true));
    g.C_Portfolio.Net_Worth = Shown_Number::Read(f.Number_Text_In(Money_Range, true));
    g.Market_Trend = f.Integer_In(Trend_Range);
    g.Cheats_Enabled = f.Boolean();
    g.Price[Index_Entry] = Shown_Number::Read(f.Number_Text_In(Index_Range, false, &index));
    g.DJIA_Change = f.Text();
    f.Require(Is_Change_Text(g.DJIA_Change, true));

    for (Long& column : g.Index_History) column = f.Long_In({0, 2147483647.0});
    g.DJIA_Change_Colour = Sign_Colour(static_cast<double>(g.Index_History[99]) - g.Index_History[98]);
    Read_Player_Options(f, g);
    g.C_Portfolio.Cash = Shown_Number::Read(f.Number_Text_In(Money_Range, false));

    for (int s = 0; s < Stock_Count && f.Ok(); ++s) {
        Read_Computer_Holding(f, g.Computer_Stock[s]);
        Read_Computer_Holding(f, g.Computer_Short[s]);
        Read_Computer_Option(f, g.Computer_Option[s]);
    }
    std::optional<Game_History> history;
    if (f.More()) f.Require((history = Read_History_Section(f.Records(), g)).has_value());
    std::optional<Challenge_Section> challenge;
    if (history && f.More()) f.Require((challenge = Read_Challenge_Section(f.Records())).has_value());
    if (!f.At_End() || !Consistent(g, turn, index)) return std::nullopt;

    Value_Computer_Portfolio(g);
    // A file without the section is an ordinary game, whatever was in play before.
    g.Challenge.reset();
    if (challenge && !Apply_Challenge_Section(g, std::move(*challenge))) return std::nullopt;
    g.Typed_Cash.reset();
    g.Has_Game = true;
    // A file saved before the game kept its record starts one at its turn.
    if (history) g.History = std::make_shared<Game_History>(std::move(*history));
    else Begin_History(g);
    return g;
}

namespace {
// A stock block takes some hundreds of characters: this leaves room for any blanks between
// its fields, and is still one read.
constexpr std::size_t Saved_Game_Start = 64 * 1024;
}  // namespace

bool Is_Saved_Game(const std::string& path) {
    std::string suffix = std::filesystem::path(path).extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return std::tolower(c); });
    if (suffix == ".bqg") return true;
    const File_Result<std::string> start = Read_File_Start(path, Saved_Game_Start);
    if (!start) return false;
    // Four earnings, a report turn, a price and its change, a trend, a weight, two holdings
    // and 100 history bytes ending at the price: no other file starts so.
    Field_Reader f(*start);
    Game block;
    Read_Stock_Block(f, block, 0);
    return f.Ok();
}

File_Result<> Write_Game_File(const Game& game, const std::string& path) {
    if (Is_Data_File(game.Data_Dir, path)) return File_Error::Reserved_Name;
    Record_Writer w;
    Write_Saved_Game(w, game);
    if (!w.Complete()) return File_Error::Unstorable_Text;
    return Write_File_Atomic(path, w.Output());
}
