#include "engine/flows/new_game.h"

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

void Deal(Game& game, Random& rnd, Screens& screens) {
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

    game.Setup.Play_To = 0;
    game.Setup.Handicap = 0;
    screens.Setup_Progress(0);
    game.Setup = screens.Run_New_Game_Setup(game);
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
    screens.Windows_Reset();
}
}  // namespace

bool Start_New_Game(Game& game, Random& rnd, Screens& screens) {
    if (!screens.Ask_Confirmation("Start New Game...")) return false;
    Deal(game, rnd, screens);
    return true;
}

void Deal_New_Game(Game& game, Random& rnd, Screens& screens) { Deal(game, rnd, screens); }
