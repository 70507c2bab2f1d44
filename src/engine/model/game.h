#pragma once
// The one game state. Its fields are used by name everywhere, as the design intends;
// the display texts (turn, cash, net worth, prices, changes, index) are held as text
// and read back with the rules of core/numbers.h.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/change_label.h"
#include "engine/model/constants.h"
#include "engine/model/numbers.h"
#include "engine/model/shown_number.h"
#include "engine/model/types.h"

struct Earnings_Record {
    std::array<Currency, 4> EPS{};  // EPS[0] the latest report
    Long Report_Turn = 0;
};

struct Holding {
    double Shares = 0;
    Integer Avg_Price = 0;
    bool operator==(const Holding&) const = default;
};

struct Option_Position {
    std::string Option_Type;  // "Call" or "Put"
    Integer Stock = 0;
    Integer Strike = 0;
    Long Expires = 0;
    Single Purchase_Price = 0;
    double Quantity = 0;
    bool operator==(const Option_Position&) const = default;
};

struct Computer_Option_Position {
    double Contracts = 0;
    std::string Option_Type;
    Integer Strike = 0;
    Long Expires = 0;
    double Premium = 0;
};

struct News_Item_Record {
    std::string Text;
    Integer Effect = 0;
};

// A line of a list box with its item data.
struct List_Line {
    std::string Text;
    int Item_Data = -1;
};

struct High_Score {
    std::string Player_Name;
    std::string Handicap_Text = "0";
    double Final_Worth = 0;
    double Opp_Final_Worth = 0;
    double Final_Score = 0;
};

using Grid_Row = std::vector<std::string>;

// The controls of the new-game setup window and the two news boxes of the main window.
struct Settings {
    int Play_To = 0;   // list index 0..3
    int Handicap = 0;  // list index 0..3
    int Time_Limit = 0, Options = 0, Short = 0, Suprise = 0;  // check boxes, 1 = on
    int Frequency_Slider = 5, Power_Slider = 5, Earnings_Slider = 5;  // 1..10
    int News_Alert = 1, World_Alert = 1;
};

struct Computer_Portfolio {
    Shown_Number Cash{Starting_Cash};
    // The cash as the computer's window last showed it: the rescue at the end of a turn reads
    // this figure, which may be a turn behind the cash the computer traded with since.
    Shown_Number Cash_View = Shown_Number::Read("5,000");
    Shown_Number Net_Worth = Shown_Number::Read("5,000");  // grouped, as shown and saved
};

struct Game_History;
struct Challenge_Record;

// What a turn did that the state after it no longer shows (the shares before a split, the tax
// a notice took), kept for the guide to explain: filled as the turn goes, emptied when the
// next one begins. Neither saved nor shown.
struct Split_Record {
    int Stock = 0;
    double Price_Before = 0, Price_After = 0;  // the split alone, before the stock's move
    double Shares_Before = 0, Shares_After = 0;  // the player's holding
    double Short_Before = 0, Short_After = 0;    // and short position
    int Option_Positions = 0;  // the player's options on the stock, after the split
};
struct Tax_Record {
    double Gains = 0;  // the player's realised gains at the notice; 0 or less is not taxed
    double Tax = 0;
};
struct Turn_Record {
    std::vector<Split_Record> Splits;
    bool Crash = false;
    std::optional<Tax_Record> Taxes;
};

struct Game {
    // Stock tables
    std::array<std::string, Stock_Count> Symbol{};
    std::array<Shown_Number, Stock_Count + 1> Price{};  // entry 42 is the market index
    std::array<Change_Label, Stock_Count> Change{};
    std::array<Colour, Stock_Count> Change_Colour{};
    std::array<Integer, Stock_Count> Stock_Trend{};
    std::array<Long, Stock_Count + 1> Index_Weight{};
    std::array<std::array<Byte, History_Length>, Stock_Count> Price_History{};
    std::array<Earnings_Record, Stock_Count> Earnings{};

    // Market
    std::string DJIA_Change = "(0%)";
    Colour DJIA_Change_Colour = Colour::Black;
    std::array<Long, History_Length> Index_History{};
    Integer Market_Trend = 0;

    // Player
    Shown_Number Cash_On_Hand{Starting_Cash};
    // The amount the cash cheat was given, which the main window shows in place of the cash
    // (a fraction too, which the cash does not keep) until the cash next changes.
    std::optional<double> Typed_Cash;
    // Grouped between turns, as the main window shows it and the saved game keeps it; plain
    // while a turn adds it up from the cash (prices, shorts, options) and takes taxes off.
    Shown_Number Net_Worth{Starting_Cash};
    std::array<Holding, Stock_Count> Player_Stock{};
    std::array<Holding, Stock_Count> Player_Short{};
    std::array<Option_Position, Option_Slots> Player_Option{};
    Integer Player_Option_Count = 0;
    double Player_Capital_Gains = 0;

    // Computer opponent
    Computer_Portfolio C_Portfolio;
    std::array<Holding, Stock_Count> Computer_Stock{};
    std::array<Holding, Stock_Count> Computer_Short{};
    std::array<Computer_Option_Position, Stock_Count> Computer_Option{};
    double Computer_Capital_Gains = 0;

    // Game and settings
    Shown_Number Turn_Number{1};
    bool Cheats_Enabled = false;
    std::string Game_File_Name;
    std::array<std::array<High_Score, 3>, 4> High_Scores{};
    std::array<std::string, World_News_Count> News_Text{};
    std::array<News_Item_Record, 18> News_Item{};
    Settings Setup;
    bool Has_Game = false;  // a game was started or loaded
    bool In_Turn = false;   // the time limit does not count down while a turn runs

    // The news of the last turn: company news reads it, so that a stock gets one line a turn.
    std::vector<List_Line> News_Items, Earnings_News;
    int Time_Status = Turn_Seconds;
    bool Game_Timer_Enabled = false;  // the clock of the time limit runs
    std::array<std::string, 4> Recent{};
    std::string Name_Text = "Max Profit";  // the end-of-game name box keeps its text
    std::string Data_Dir;  // where Recent.txt, Winners.txt and Data2.txt live

    // The record of the race (game/history.h), not read by any rule. Shared by copies of the
    // game, so a copy costs nothing; a new game or a load starts a record of its own.
    std::shared_ptr<Game_History> History;
    Turn_Record Last_Turn_Record;

    // The challenge in play (model/challenge_record.h), none in an ordinary game; and the last
    // one that ended, which is what Export Result writes once its game is over. Shared by
    // copies of the game as the record of the race is.
    std::shared_ptr<Challenge_Record> Challenge, Last_Challenge;
    // What the end of a game keeps in the data folder: statistics once the program has read
    // its data folder at start-up (the console only when asked to), and a replay that checks
    // a result keeps nothing at all.
    bool Keeps_Winners = true, Keeps_Statistics = false;
    // Turns played since Statistics.txt last counted them: it is written at the end of a game
    // and when a game is left, never every turn.
    long long Turns_Uncounted = 0;
    // The date results are filed under, "YYYY-MM-DD"; empty for the clock's.
    std::string Today;
};

// Design values of a fresh program: symbols, news texts and every field before any game.
void Init_Game(Game& game);

// A stock's price and the index as numbers.
inline double Stock_Price(const Game& game, int stock) { return game.Price[stock].Value(); }
inline double Index_Value(const Game& game) { return game.Price[Index_Entry].Value(); }
// The stock with this symbol, -1 for none.
int Find_Symbol(const Game& game, const std::string& symbol);
// Deletes the player's option entry k, the later entries moving down one place.
void Remove_Option(Game& game, int k);
