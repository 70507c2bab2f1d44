#include "desktop/main/game_session.h"

#include "engine/flows/cheats.h"
#include "engine/model/challenge_record.h"
#include "engine/flows/player_input.h"
#include "engine/flows/game_files.h"
#include "engine/flows/new_game.h"
#include "engine/flows/startup.h"
#include "engine/flows/game_end.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/trading/stock_trades.h"

Game_Session::Game_Session(Game& game, Random& rnd, QObject* parent) : QObject(parent), game(game), rnd(rnd) {}

bool Game_Session::Start_Up(const std::string& data_dir) { return ::Start_Up(game, *screens, data_dir); }
Turn_Result Game_Session::Play_Turn() { return Play(Player_Input::End_Turn()).Turn; }
Turn_Result Game_Session::Tick_Clock() { return Play_Clock(game, rnd, *screens); }
bool Game_Session::Start_New_Game() { return ::Start_New_Game(game, rnd, *screens); }
void Game_Session::Deal_New_Game() { ::Deal_New_Game(game, rnd, *screens); }
bool Game_Session::Changed() const { return game.Has_Game && State_Digest(game, 0) != kept; }
void Game_Session::Mark_Kept() { kept = State_Digest(game, 0); }

bool Game_Session::Save_Game() {
    const bool saved = ::Save_Game(game, *screens);
    if (saved) Mark_Kept();
    return saved;
}
bool Game_Session::Save_As() {
    const bool saved = ::Save_As(game, *screens);
    if (saved) Mark_Kept();
    return saved;
}
bool Game_Session::Load_Game() { return ::Load_Game(game, *screens); }
bool Game_Session::Load_Recent(int index) { return ::Load_Recent(game, *screens, index); }

Input_Result Game_Session::Play(const Player_Input& input) { return Play_Input(game, rnd, *screens, input); }

Trade_Result Game_Session::Buy_Shares(int stock, Typed_Quantity quantity) {
    return Play(Player_Input::Trade(Player_Input::Kind::Buy, stock, quantity)).Trade;
}
Trade_Result Game_Session::Sell_Shares(int stock, Typed_Quantity quantity) {
    return Play(Player_Input::Trade(Player_Input::Kind::Sell, stock, quantity)).Trade;
}
Trade_Result Game_Session::Trade_Short(int stock, Short_Mode mode, Typed_Quantity quantity) {
    const auto kind = mode == Short_Mode::Sell_Short ? Player_Input::Kind::Sell_Short : Player_Input::Kind::Buy_Back;
    return Play(Player_Input::Trade(kind, stock, quantity)).Trade;
}
Trade_Result Game_Session::Trade_Option(const Option_Form& form) { return Play(Player_Input::Option_Trade(form)).Trade; }

bool Game_Session::Enable_Cheat_Mode() {
    Player_Input input;
    input.What = Player_Input::Kind::Enable_Cheats;
    return Play(input).Trade == Trade_Result::Done;
}
bool Game_Session::Set_Cheat(Cheat cheat) {
    // A disabled item asks nothing.
    if (!game.Cheats_Enabled) return false;
    return Play(Player_Input::Set_Cheat(cheat, Ask_Cheat(*screens, cheat))).Trade == Trade_Result::Done;
}
void Game_Session::Set_Alerts(std::optional<bool> news, std::optional<bool> world) {
    Play(Player_Input::Set_Alerts(news, world));
}
void Game_Session::Clear_High_Scores() { ::Clear_High_Scores(game, *screens); }
