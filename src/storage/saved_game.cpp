#include "storage/saved_game.h"

#include <cmath>
#include <optional>

#include "core/numbers.h"
#include "opponent/computer_portfolio.h"
#include "storage/cipher.h"
#include "storage/data_folder.h"
#include "storage/file_io.h"
#include "storage/file_messages.h"
#include "storage/recent_file.h"
#include "storage/records.h"
#include "trading/portfolio.h"

namespace {

// Beyond these no game can get (the exchange limits are far lower), and past them the
// turn's arithmetic would overflow; a file that holds more was not written by the game.
constexpr double Largest_Count = 1e12;
constexpr double Largest_Price = 1e9;

std::string Caption_For(const std::string& path) { return path + "  -  Bullquest"; }

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

// A display text that the game later reads as a number must be one.
double Number_Field(const std::string& text, double low, double high) {
    std::optional<double> v = Try_Locale_Number(text);
    if (!v || !std::isfinite(*v) || *v < low || *v > high) throw Record_Error("not a number text: " + text);
    return *v;
}

Integer Integer_In(Record_Reader& r, int low, int high) {
    Integer v = r.Integer_Number();
    if (v < low || v > high) throw Record_Error("value outside its control");
    return v;
}

double Count_In(double v) {
    if (std::fabs(v) > Largest_Count) throw Record_Error("count beyond any game");
    return v;
}

// The first field of a holding record: 1 for a position, -1 for none.
bool Position_Follows(Record_Reader& r) {
    Integer marker = r.Integer_Number();
    if (marker != 1 && marker != -1) throw Record_Error("holding record starts with neither 1 nor -1");
    return marker == 1;
}

void Read_Player_Holding(Record_Reader& r, Holding& h) {
    if (!Position_Follows(r)) {
        h.Shares = 0;
        return;
    }
    std::optional<double> shares = Try_Locale_Number(Decode_Field(r.Text()));
    if (!shares) throw Record_Error("share code is not a number");
    h.Shares = Count_In(*shares);
    h.Avg_Price = r.Integer_Number();
}

void Read_Computer_Holding(Record_Reader& r, Holding& h) {
    if (!Position_Follows(r)) {
        h.Shares = 0;
        return;
    }
    h.Avg_Price = r.Integer_Number();
    h.Shares = Count_In(r.Number());
}

std::string Option_Kind(Record_Reader& r) {
    std::string kind = r.Text();
    if (kind != "Call" && kind != "Put") throw Record_Error("option kind neither Call nor Put");
    return kind;
}

void Read_Stock_Block(Record_Reader& r, Game& g, int s) {
    for (Currency& eps : g.Earnings[s].EPS) eps = r.Money();
    g.Earnings[s].Report_Turn = r.Integer_Number();
    g.Price[s] = r.Text();
    Number_Field(g.Price[s], 1, Largest_Price);
    g.Change[s] = r.Text();
    g.Change_Colour[s] = Sign_Colour(Leading_Number(g.Change[s]));
    g.Stock_Trend[s] = r.Integer_Number();
    g.Index_Weight[s] = r.Long_Number();
    if (g.Index_Weight[s] < 1) throw Record_Error("index weight below 1");
    Read_Player_Holding(r, g.Player_Stock[s]);
    Read_Player_Holding(r, g.Player_Short[s]);
    for (Byte& price : g.Price_History[s]) price = r.Byte_Number();
}

void Read_Settings(Record_Reader& r, Game& g) {
    Settings& set = g.Setup;
    set.Frequency_Slider = static_cast<int>(r.Long_Number());
    set.Power_Slider = static_cast<int>(r.Long_Number());
    if (set.Frequency_Slider < 1 || set.Frequency_Slider > 10 || set.Power_Slider < 1 || set.Power_Slider > 10)
        throw Record_Error("slider outside 1..10");
    set.Options = Integer_In(r, 0, 1);
    set.Play_To = Integer_In(r, 0, 3);
    set.Time_Limit = Integer_In(r, 0, 1);
    set.Handicap = Integer_In(r, 0, 3);
    set.News_Alert = Integer_In(r, 0, 1);
    set.World_Alert = Integer_In(r, 0, 1);
    g.Game_Timer_Enabled = set.Time_Limit == 1;
    if (g.Game_Timer_Enabled) g.Time_Status = 30;
}

void Read_Player_Options(Record_Reader& r, Game& g) {
    Integer count = r.Integer_Number();
    if (count < 0 || count > 191) throw Record_Error("option count outside 0..191");
    g.Player_Option_Count = count;
    // Entry `count` is the free one after the list: kept whatever it holds.
    for (int k = 0; k <= count; ++k) {
        Option_Position& o = g.Player_Option[k];
        o.Expires = r.Integer_Number();
        o.Purchase_Price = r.Single_Number();
        o.Quantity = r.Number();
        o.Strike = r.Integer_Number();
        o.Stock = r.Integer_Number();
        o.Option_Type = r.Text();
        if (k == count) break;
        if (o.Stock < 0 || o.Stock >= Stock_Count) throw Record_Error("option on no stock");
        if (o.Option_Type != "Call" && o.Option_Type != "Put") throw Record_Error("option kind neither Call nor Put");
        if (o.Quantity <= 0 || o.Quantity > Largest_Count) throw Record_Error("option quantity out of range");
    }
}

void Read_Computer_Option(Record_Reader& r, Computer_Option_Position& o) {
    if (!Position_Follows(r)) {
        o.Contracts = 0;
        return;
    }
    o.Option_Type = Option_Kind(r);
    o.Expires = r.Integer_Number();
    o.Premium = r.Number();
    o.Contracts = Count_In(r.Number());
    o.Strike = r.Integer_Number();
}

}  // namespace

void Write_Saved_Game(Record_Writer& w, const Game& g) {
    for (int s = 0; s < Stock_Count; ++s) {
        for (Currency eps : g.Earnings[s].EPS) w.Money(eps);
        w.End_Record();
        w.Number(g.Earnings[s].Report_Turn).End_Record();
        w.Text(g.Price[s]).Text(g.Change[s]).Number(g.Stock_Trend[s]).Number(g.Index_Weight[s]).End_Record();
        Write_Player_Holding(w, g.Player_Stock[s]);
        Write_Player_Holding(w, g.Player_Short[s]);
        for (Byte price : g.Price_History[s]) w.Number(price).End_Record();
    }
    const Settings& set = g.Setup;
    w.Number(set.Frequency_Slider).Number(set.Power_Slider).Number(set.Options).Number(set.Play_To);
    w.Number(set.Time_Limit).Number(set.Handicap).Number(set.News_Alert).Number(set.World_Alert).End_Record();
    w.Text(g.Turn_Number).Text(g.Cash_On_Hand).Text(g.Net_Worth).Text(g.C_Portfolio.Net_Worth);
    w.Number(g.Market_Trend).End_Record();
    w.Boolean(g.Cheats_Enabled).Text(g.Price[Index_Entry]).Text(g.DJIA_Change).End_Record();
    for (Long index : g.Index_History) w.Number(index).End_Record();
    w.Number(g.Player_Option_Count).End_Record();
    for (int k = 0; k <= g.Player_Option_Count; ++k) {
        const Option_Position& o = g.Player_Option[k];
        w.Number(o.Expires).Single_Number(o.Purchase_Price).Number(o.Quantity).Number(o.Strike);
        w.Number(o.Stock).Text(o.Option_Type).End_Record();
    }
    w.Text(g.C_Portfolio.Cash).End_Record();
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
}

std::string Saved_Game_Text(const Game& g) {
    Record_Writer w;
    Write_Saved_Game(w, g);
    return w.Output();
}

Game Loaded_Game(const Game& game, const std::string& content) {
    Game g = game;
    Record_Reader r(content);
    g.Reporting_Next_List.clear();
    g.Player_Option_Count = 0;
    g.Player_Option = {};
    for (int s = 0; s < Stock_Count; ++s) Read_Stock_Block(r, g, s);
    Read_Settings(r, g);

    g.Turn_Number = r.Text();
    Number_Field(g.Turn_Number, 1, 2147483647.0);
    g.Cash_On_Hand = r.Text();
    Number_Field(g.Cash_On_Hand, -1e300, 1e300);
    g.Net_Worth = r.Text();
    Number_Field(g.Net_Worth, -1e300, 1e300);
    g.C_Portfolio.Net_Worth = r.Text();
    Number_Field(g.C_Portfolio.Net_Worth, -1e300, 1e300);
    g.Market_Trend = r.Integer_Number();
    g.Cheats_Enabled = r.Boolean();
    g.Enable_Cheat_Menu = !g.Cheats_Enabled;
    g.Set_Cheat_Menus = g.Cheats_Enabled;
    g.Price[Index_Entry] = r.Text();
    Number_Field(g.Price[Index_Entry], -1e300, 1e300);
    g.DJIA_Change = r.Text();

    for (Long& index : g.Index_History) index = r.Long_Number();
    g.DJIA_Change_Colour = Sign_Colour(static_cast<double>(g.Index_History[99]) - g.Index_History[98]);
    Read_Player_Options(r, g);
    g.C_Portfolio.Cash = r.Text();
    Number_Field(g.C_Portfolio.Cash, -1e300, 1e300);

    const double turn = Leading_Number(g.Turn_Number);
    for (int s = 0; s < Stock_Count; ++s) {
        const Integer due = g.Earnings[s].Report_Turn;
        if (turn + 1 == due || turn + 2 == due)
            g.Reporting_Next_List.push_back({g.Symbol[s] + " (" + Number_Text(due) + ")", s});
        Read_Computer_Holding(r, g.Computer_Stock[s]);
        Read_Computer_Holding(r, g.Computer_Short[s]);
        Read_Computer_Option(r, g.Computer_Option[s]);
    }
    if (!r.At_End()) throw Record_Error("text after the last record");

    Refresh_Portfolio(g);
    My_Form_Activate(g);
    g.Cash_View = Add_Commas(g.Cash_On_Hand);
    g.Has_Game = true;
    return g;
}

namespace {
// A save of the game to `path`; nothing is written when it is refused.
File_Result<> Write_Game_File(const Game& game, const std::string& path) {
    if (Is_Data_File(game.Data_Dir, path)) return File_Error::Reserved_Name;
    Record_Writer w;
    Write_Saved_Game(w, game);
    if (!w.Complete()) return File_Error::Unstorable_Text;
    return Write_File_Atomic(path, w.Output());
}
}  // namespace

bool Save_Game(Game& game, Screens& screens) {
    std::string path = game.Game_File_Name;
    const bool asked = path.empty();
    if (asked) {
        std::optional<std::string> chosen = screens.Choose_Save_File(game.Data_Dir);
        if (!chosen || chosen->empty()) return false;
        path = *chosen;
    }
    if (!Write_Game_File(game, path)) {
        Report_File_Failure(screens, File_Task::Write);
        return false;
    }
    if (asked) {
        game.Game_File_Name = path;
        game.Caption = Caption_For(path);
        if (!Store_Recent(game, path)) Report_File_Failure(screens, File_Task::Write);
    }
    return true;
}

bool Save_As(Game& game, Screens& screens) {
    // A cancelled or failed Save As leaves the game tied to the file it had.
    const std::string previous = game.Game_File_Name;
    game.Game_File_Name = "";
    const bool saved = Save_Game(game, screens);
    if (!saved) game.Game_File_Name = previous;
    return saved;
}

bool Load_Game(Game& game, Screens& screens) {
    std::string path = game.Game_File_Name;
    if (game.Status != "RECENT_CLICK") {
        std::optional<std::string> chosen = screens.Choose_Open_File(game.Data_Dir);
        if (!chosen || chosen->empty()) return false;
        path = *chosen;
    }
    std::optional<Game> loaded;
    if (File_Result<std::string> content = Read_File(path)) {
        try {
            loaded = Loaded_Game(game, *content);
        } catch (const std::exception&) {
            loaded.reset();
        }
    }
    if (!loaded) {
        Report_File_Failure(screens, File_Task::Load);
        return false;
    }
    loaded->Game_File_Name = path;
    loaded->Caption = Caption_For(path);
    game = std::move(*loaded);
    const File_Result<> listed = Store_Recent(game, path);
    screens.Timer_Changed(game.Game_Timer_Enabled);
    screens.Windows_Reset();
    if (!listed) Report_File_Failure(screens, File_Task::Write);
    return true;
}

void Recent_Click(Game& game, Screens& screens, int index) {
    if (index < 0 || index > 3 || game.Recent[index].empty()) return;
    const std::string path = game.Recent[index];
    if (!Read_File(path)) {
        Report_File_Failure(screens, File_Task::Load);
        return;
    }
    // The loader reads Game_File_Name under "RECENT_CLICK"; a failed load takes it back.
    const std::string previous_name = game.Game_File_Name;
    const std::string previous_caption = game.Caption;
    game.Game_File_Name = path;
    game.Caption = path + " - Bullquest";
    game.Status = "RECENT_CLICK";
    bool loaded = Load_Game(game, screens);
    game.Status = "";
    if (!loaded) {
        game.Game_File_Name = previous_name;
        game.Caption = previous_caption;
    }
}
