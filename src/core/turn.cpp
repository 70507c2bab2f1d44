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
        double tax = player_tax = Int(game.Player_Capital_Gains * 0.28);
        you = Tax_Text(tax);
        game.Cash_On_Hand = Number_Text(Locale_Value(game.Cash_On_Hand) - tax);
        game.Cash_View = Add_Commas(game.Cash_On_Hand);
        game.Net_Worth = Number_Text(Int(Locale_Value(game.Net_Worth)) - tax);
        game.Player_Capital_Gains = 0;
    }
    if (game.Computer_Capital_Gains > 0) {
        double tax = computer_tax = Int(game.Computer_Capital_Gains * 0.28);
        computer = Tax_Text(tax);
        game.C_Portfolio.Cash = Number_Text(Locale_Value(game.C_Portfolio.Cash) - tax);
        game.C_Portfolio.Cash_View = Add_Commas(game.C_Portfolio.Cash);
        game.Computer_Capital_Gains = 0;
    }
    Record_Taxes(game, player_tax, computer_tax);
    game.Net_Worth = Add_Commas(game.Net_Worth);
    screens.Show_Tax(you, computer);
    game.Net_Worth = Number_Text(Int(Locale_Value(game.Net_Worth)));
}

static void Rescue_Computer(Game& game) {
    const auto& c = game.C_Portfolio;
    if (Leading_Number(c.Cash_View) <= 0 || Leading_Number(c.Cash) <= 0 || Leading_Number(c.Net_Worth) <= 0) {
        game.C_Portfolio.Cash = "5000";
        game.C_Portfolio.Cash_View = "5000";
    }
}

static void Run_Turn(Game& game, Random& rnd, Screens& screens) {
    game.News_Price = game.News_Symbol = game.News_Change = "";
    game.Turn_Number = Number_Text(Locale_Value(game.Turn_Number) + 1);
    Generate_News(game, rnd);
    game.Price[Index_Entry] = "0";
    End_Turn_Sequence(game, rnd);

    Record_Turn(game);  // before the check, so that the turn that ends a game is in the record
    Check_Game_End(game, rnd, screens);
    if (game.Status == "TERMINATE_PROGRAM") return;  // Quit from the end-of-game window
    if (game.Turn_Number == "1") return;             // a new game was dealt

    double turn = Locale_Value(game.Turn_Number);
    if (turn / 100 == Int(turn / 100)) Pay_Taxes(game, screens);
    game.Net_Worth = Add_Commas(game.Net_Worth);
    if (!game.Alert_List.empty())
        screens.Show_Alert("News Alert", "ALERT! There is recent news concerning the following:", game.Alert_List);
    game.Alert_List.clear();
    game.Net_Worth = Number_Text(Int(Locale_Value(game.Net_Worth)));
    Warn_Expiring_Options(game, screens);
    Lapse_Expired_Options(game);
    game.Net_Worth = Add_Commas(game.Net_Worth);
    Refresh_Portfolio(game);
    Computer_Turn(game);
    Rescue_Computer(game);
    game.Time_Status = 30;
    My_Form_Activate(game);
}

bool End_Turn_Menu_Click(Game& game, Random& rnd, Screens& screens) {
    if (Locale_Value(game.Turn_Number) >= Last_Turn) {
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
    game.Time_Status = 30;
    return End_Turn_Menu_Click(game, rnd, screens);
}
