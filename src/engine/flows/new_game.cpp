#include "engine/flows/new_game.h"

#include "engine/flows/challenge.h"
#include "engine/flows/statistics.h"

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/market/earnings.h"
#include "engine/market/simulate_history.h"
#include "engine/trading/player_cash.h"

namespace {
void Deal_Stock(Game& game, Random& rnd, int s) {
    Deal_Earnings(game, rnd, s);
    game.Player_Stock[s].Shares = 0;
    game.Player_Short[s].Shares = 0;
    game.Computer_Short[s].Shares = 0;
    game.Computer_Stock[s].Shares = 0;
    game.Computer_Option[s].Contracts = 0;
    game.Index_Weight[s] = 1;
    game.Price[s].Set(Int(rnd.Rnd() * 121 + 20));
    game.Price[Index_Entry].Set(Index_Value(game) + Stock_Price(game, s));
    game.Price_History[s][0] = static_cast<Byte>(Stock_Price(game, s));
    game.Stock_Trend[s] = static_cast<Integer>(Int(rnd.Rnd() * 9 - 4));
}

// The setup window's Go: random news settings when asked for, then the 100-day market build.
void Build_Market(Game& game, Random& rnd, Screens& screens) {
    if (game.Setup.Suprise == 1) {
        game.Setup.Frequency_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
        game.Setup.Power_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
        game.Setup.Earnings_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
    }
    screens.Setup_Progress(0);
    Simulate_History(game, rnd, screens);
}

// A challenge starts from the fields of a fresh program, so that nothing left by the games
// before it (averages of positions closed, the computer's old option terms) can tell it apart
// from the same challenge dealt anywhere else. What belongs to the program stays.
void Clean_Slate(Game& game) {
    Game fresh;
    Init_Game(fresh);
    fresh.Data_Dir = std::move(game.Data_Dir);
    fresh.Recent = std::move(game.Recent);
    fresh.High_Scores = std::move(game.High_Scores);
    fresh.Name_Text = std::move(game.Name_Text);
    fresh.Keeps_Winners = game.Keeps_Winners;
    fresh.Keeps_Statistics = game.Keeps_Statistics;
    fresh.Turns_Uncounted = game.Turns_Uncounted;
    fresh.Today = std::move(game.Today);
    fresh.Last_Challenge = std::move(game.Last_Challenge);
    fresh.Setup.News_Alert = game.Setup.News_Alert;
    fresh.Setup.World_Alert = game.Setup.World_Alert;
    game = std::move(fresh);
}

void Deal(Game& game, Random& rnd, Screens& screens, const Challenge_Code* code) {
    Leave_Game(game, screens);
    if (code) {
        Clean_Slate(game);
        rnd.Seed(code->Seed);
    }
    game.Game_File_Name = "";
    game.Game_Timer_Enabled = false;
    screens.Timer_Changed(false);
    game.Turn_Number.Set(1);
    game.Player_Option_Count = 0;
    game.Cheats_Enabled = false;
    game.Player_Capital_Gains = 0;
    game.Computer_Capital_Gains = 0;
    // The news lists belong to the game just ended.
    game.News_Items.clear();
    game.Earnings_News.clear();
    game.C_Portfolio.Cash.Set(Starting_Cash);
    game.C_Portfolio.Net_Worth = game.C_Portfolio.Cash;
    game.C_Portfolio.Net_Worth.Group();
    game.Price[Index_Entry].Set(0);
    for (int s = 0; s < Stock_Count; ++s) Deal_Stock(game, rnd, s);
    game.Index_History[0] = To_Long(Index_Value(game));
    game.Market_Trend = static_cast<Integer>(Int(rnd.Rnd() * 7 - 3));

    if (code) {
        game.Setup = Code_Settings(*code, game.Setup);
    } else {
        game.Setup.Play_To = 0;
        game.Setup.Handicap = 0;
        screens.Setup_Progress(0);
        game.Setup = screens.Run_New_Game_Setup(game);
        // A code typed into the setup window deals its challenge instead.
        if (const std::optional<Challenge_Code> typed = screens.Setup_Challenge(game)) return Deal(game, rnd, screens, &*typed);
    }
    Build_Market(game, rnd, screens);

    Set_Player_Cash(game, Handicap_Cash[game.Setup.Handicap & 3]);
    game.Net_Worth = game.Cash_On_Hand;
    game.Net_Worth.Group();
    if (game.Setup.Time_Limit == 1) {
        game.Time_Status = Turn_Seconds;
        game.Game_Timer_Enabled = true;
        screens.Timer_Changed(true);
    }
    game.Turn_Number.Set(1);
    game.Has_Game = true;
    Begin_History(game);
    if (code) Begin_Challenge(game, rnd, *code);
    screens.Windows_Reset();
}
}  // namespace

bool Start_New_Game(Game& game, Random& rnd, Screens& screens) {
    if (!screens.Ask_Confirmation("Start New Game...")) return false;
    Deal(game, rnd, screens, nullptr);
    return true;
}

void Deal_New_Game(Game& game, Random& rnd, Screens& screens) { Deal(game, rnd, screens, nullptr); }

void Deal_Challenge(Game& game, Random& rnd, Screens& screens, const Challenge_Code& code) { Deal(game, rnd, screens, &code); }
