#include "core/turn.h"

#include "core/numbers.h"
#include "game/game_end.h"
#include "game/history.h"
#include "market/news.h"
#include "market/price_movement.h"
#include "opponent/computer_portfolio.h"
#include "opponent/computer_turn.h"
#include "trading/options.h"
#include "trading/portfolio.h"

void End_Turn_Sequence(Game& game, Random& rnd) {
    game.Net_Worth = game.Cash_On_Hand;
    Move_Prices(game, rnd);
    Add_Option_Net_Worth(game);
}

static std::string Tax_Text(double tax) { return "$" + Add_Commas(Number_Text(tax)); }

void Pay_Taxes(Game& game, Screens& screens) {
    std::string you = "0", computer = "0";
    double player_tax = 0, computer_tax = 0;
    if (game.Player_Capital_Gains > 0) {
        double tax = player_tax = Int(game.Player_Capital_Gains * Tax_Rate);
        you = Tax_Text(tax);
        game.Cash_On_Hand.Set(game.Cash_On_Hand.Value() - tax);
        game.Cash_View = Add_Commas(game.Cash_On_Hand.Text());
        game.Net_Worth.Set(Int(game.Net_Worth.Value()) - tax);
        game.Player_Capital_Gains = 0;
    }
    if (game.Computer_Capital_Gains > 0) {
        double tax = computer_tax = Int(game.Computer_Capital_Gains * Tax_Rate);
        computer = Tax_Text(tax);
        game.C_Portfolio.Cash.Set(game.C_Portfolio.Cash.Value() - tax);
        game.C_Portfolio.Cash_View = Add_Commas(game.C_Portfolio.Cash.Text());
        game.Computer_Capital_Gains = 0;
    }
    Record_Taxes(game, player_tax, computer_tax);
    game.Net_Worth.Group();
    screens.Show_Tax(you, computer);
    game.Net_Worth.Set(Int(game.Net_Worth.Value()));
}

static void Rescue_Computer(Game& game) {
    const auto& c = game.C_Portfolio;
    // The three figures of the computer's window are checked as they stand, its shown cash
    // too; only their signs count, so the grouped text's leading number is enough.
    if (Leading_Number(c.Cash_View) <= 0 || c.Cash.Value() <= 0 || c.Net_Worth.Value() <= 0) {
        game.C_Portfolio.Cash.Set(Rescue_Cash);
        // Shown without its separator until the next trade rewrites it.
        game.C_Portfolio.Cash_View = game.C_Portfolio.Cash.Text();
    }
}

static void Run_Turn(Game& game, Random& rnd, Screens& screens) {
    game.News_Price = game.News_Symbol = game.News_Change = "";
    game.Turn_Number.Set(game.Turn_Number.Value() + 1);
    Generate_News(game, rnd);
    game.Price[Index_Entry].Set(0);
    End_Turn_Sequence(game, rnd);

    Record_Turn(game);  // before the check, so that the turn that ends a game is in the record
    Check_Game_End(game, rnd, screens);
    if (game.Status == Game_Status::Terminate_Program) return;  // Quit from the end-of-game window
    if (game.Turn_Number.Value() == 1) return;  // a new game was dealt

    double turn = game.Turn_Number.Value();
    if (turn / Tax_Period == Int(turn / Tax_Period)) Pay_Taxes(game, screens);
    game.Net_Worth.Group();
    if (!game.Alert_List.empty())
        screens.Show_Alert("News Alert", "ALERT! There is recent news concerning the following:", game.Alert_List);
    game.Alert_List.clear();
    game.Net_Worth.Set(Int(game.Net_Worth.Value()));
    Warn_Expiring_Options(game, screens);
    Lapse_Expired_Options(game);
    game.Net_Worth.Group();
    Refresh_Portfolio(game);
    Computer_Turn(game);
    Rescue_Computer(game);
    game.Time_Status = Turn_Seconds;
    My_Form_Activate(game);
}

bool End_Turn_Menu_Click(Game& game, Random& rnd, Screens& screens) {
    if (game.Turn_Number.Value() >= Last_Turn) {
        screens.Beep();
        return false;
    }
    game.In_Turn = true;
    Run_Turn(game, rnd, screens);
    game.In_Turn = false;
    return true;
}

bool Game_Timer_Timer(Game& game, Random& rnd, Screens& screens) {
    if (!game.Game_Timer_Enabled || game.In_Turn) return false;
    game.Time_Status -= 1;
    if (game.Time_Status != 1) return false;
    game.Time_Status = Turn_Seconds;
    return End_Turn_Menu_Click(game, rnd, screens);
}
