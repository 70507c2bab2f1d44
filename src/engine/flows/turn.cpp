#include "engine/flows/turn.h"

#include "engine/model/numbers.h"
#include "engine/flows/game_end.h"
#include "engine/history/history.h"
#include "engine/scoring/scoring.h"
#include "engine/market/news.h"
#include "engine/market/price_movement.h"
#include "engine/opponent/computer_portfolio.h"
#include "engine/opponent/computer_turn.h"
#include "engine/trading/net_worth.h"
#include "engine/trading/options.h"
#include "engine/trading/player_cash.h"

void Move_Market(Game& game, Random& rnd) {
    game.Net_Worth = game.Cash_On_Hand;
    Move_Prices(game, rnd);
    Add_Holdings_Net_Worth(game);
    Add_Option_Net_Worth(game);
}

static std::string Tax_Text(double tax) { return "$" + Add_Commas(Number_Text(tax)); }

void Pay_Taxes(Game& game, Screens& screens) {
    std::string you = "0", computer = "0";
    double player_tax = 0, computer_tax = 0;
    const double gains = game.Player_Capital_Gains;
    if (game.Player_Capital_Gains > 0) {
        double tax = player_tax = Int(game.Player_Capital_Gains * Tax_Rate);
        you = Tax_Text(tax);
        Set_Player_Cash(game, game.Cash_On_Hand.Value() - tax);
        game.Net_Worth.Set(Int(game.Net_Worth.Value()) - tax);
        game.Player_Capital_Gains = 0;
    }
    if (game.Computer_Capital_Gains > 0) {
        double tax = computer_tax = Int(game.Computer_Capital_Gains * Tax_Rate);
        computer = Tax_Text(tax);
        game.C_Portfolio.Cash.Set(game.C_Portfolio.Cash.Value() - tax);
        game.C_Portfolio.Cash_View = game.C_Portfolio.Cash;
        game.C_Portfolio.Cash_View.Group();
        game.Computer_Capital_Gains = 0;
    }
    Record_Taxes(game, player_tax, computer_tax);
    game.Last_Turn_Record.Taxes = Tax_Record{gains, player_tax};
    game.Net_Worth.Group();
    screens.Show_Tax(you, computer);
    game.Net_Worth.Set(Int(game.Net_Worth.Value()));
}

// The three figures of the computer's window are checked as they stand, its shown cash too,
// which may still be last turn's; only their signs count.
static bool Computer_Broke(const Computer_Portfolio& c) {
    return c.Cash_View.Value() <= 0 || c.Cash.Value() <= 0 || c.Net_Worth.Value() <= 0;
}

static void Rescue_Computer(Game& game) {
    if (!Computer_Broke(game.C_Portfolio)) return;
    game.C_Portfolio.Cash.Set(Rescue_Cash);
    // Shown without its separator until the computer's window is next valued.
    game.C_Portfolio.Cash_View = game.C_Portfolio.Cash;
}

static Turn_Result Run_Turn(Game& game, Random& rnd, Screens& screens) {
    screens.Turn_Begins();
    game.Last_Turn_Record = {};
    game.Turn_Number.Set(game.Turn_Number.Value() + 1);
    std::vector<std::string> alerts;
    Generate_News(game, rnd, alerts);
    game.Price[Index_Entry].Set(0);
    Move_Market(game, rnd);

    Record_Turn(game);  // before the goal test, so that the turn that ends a game is in the record
    if (const Winner winner = Goal_Winner(game); winner != Winner::None)
        return End_Game(game, rnd, screens, winner) == End_Choice::Quit ? Turn_Result::Quit : Turn_Result::Played;

    double turn = game.Turn_Number.Value();
    if (turn / Tax_Period == Int(turn / Tax_Period)) Pay_Taxes(game, screens);
    game.Net_Worth.Group();
    if (!alerts.empty())
        screens.Show_Alert("News Alert", "ALERT! There is recent news concerning the following:", alerts);
    game.Net_Worth.Set(Int(game.Net_Worth.Value()));
    Warn_Expiring_Options(game, screens);
    Lapse_Expired_Options(game);
    game.Net_Worth.Group();
    Computer_Turn(game);
    Rescue_Computer(game);
    game.Time_Status = Turn_Seconds;
    Value_Computer_Portfolio(game);
    return Turn_Result::Played;
}

Turn_Result Play_Turn(Game& game, Random& rnd, Screens& screens) {
    if (game.Turn_Number.Value() >= Last_Turn) {
        screens.Beep();
        return Turn_Result::Not_Played;
    }
    game.In_Turn = true;
    ++game.Turns_Uncounted;  // before the turn, whose end of a game counts it
    const Turn_Result result = Run_Turn(game, rnd, screens);
    game.In_Turn = false;
    return result;
}

Turn_Result Tick_Clock(Game& game, Random& rnd, Screens& screens) {
    if (!game.Game_Timer_Enabled || game.In_Turn) return Turn_Result::Not_Played;
    game.Time_Status -= 1;
    if (game.Time_Status != 1) return Turn_Result::Not_Played;
    game.Time_Status = Turn_Seconds;
    return Play_Turn(game, rnd, screens);
}
