#include "desktop/main/game_session.h"

#include "engine/flows/cheats.h"
#include "engine/flows/game_files.h"
#include "engine/flows/new_game.h"
#include "engine/flows/startup.h"
#include "engine/flows/game_end.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/trading/stock_trades.h"

Game_Session::Game_Session(Game& game, Random& rnd, QObject* parent) : QObject(parent), game(game), rnd(rnd) {}

bool Game_Session::Start_Up(const std::string& data_dir) { return ::Start_Up(game, *screens, data_dir); }
Turn_Result Game_Session::Play_Turn() { return ::Play_Turn(game, rnd, *screens); }
Turn_Result Game_Session::Tick_Clock() { return ::Tick_Clock(game, rnd, *screens); }
bool Game_Session::Start_New_Game() { return ::Start_New_Game(game, rnd, *screens); }
void Game_Session::Deal_New_Game() { ::Deal_New_Game(game, rnd, *screens); }
bool Game_Session::Save_Game() { return ::Save_Game(game, *screens); }
bool Game_Session::Save_As() { return ::Save_As(game, *screens); }
bool Game_Session::Load_Game() { return ::Load_Game(game, *screens); }
bool Game_Session::Load_Recent(int index) { return ::Load_Recent(game, *screens, index); }

Trade_Result Game_Session::Buy_Shares(int stock, Typed_Quantity quantity) { return ::Buy_Shares(game, stock, quantity); }
Trade_Result Game_Session::Sell_Shares(int stock, Typed_Quantity quantity) { return ::Sell_Shares(game, stock, quantity); }
Trade_Result Game_Session::Trade_Short(int stock, Short_Mode mode, Typed_Quantity quantity) {
    return ::Trade_Short(game, stock, mode, quantity);
}
Trade_Result Game_Session::Trade_Option(const Option_Form& form) { return ::Trade_Option(game, form, *screens); }

bool Game_Session::Enable_Cheat_Mode() { return ::Enable_Cheat_Mode(game, *screens); }
bool Game_Session::Set_Your_Cash() { return ::Set_Your_Cash(game, *screens); }
bool Game_Session::Set_Computer_Cash() { return ::Set_Computer_Cash(game, *screens); }
bool Game_Session::Set_Market_Trend() { return ::Set_Market_Trend(game, *screens); }
void Game_Session::Set_Alerts(std::optional<bool> news, std::optional<bool> world) { ::Set_Alerts(game, news, world); }
void Game_Session::Clear_High_Scores() { ::Clear_High_Scores(game, *screens); }
