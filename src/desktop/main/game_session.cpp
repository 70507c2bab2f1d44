#include "desktop/main/game_session.h"

#include "engine/flows/challenge.h"
#include "engine/flows/cheats.h"
#include "engine/model/challenge_record.h"
#include "engine/flows/player_input.h"
#include "engine/flows/game_files.h"
#include "engine/flows/new_game.h"
#include "engine/flows/startup.h"
#include "engine/flows/game_end.h"
#include "engine/guide/guide_notes.h"
#include "engine/storage/file_messages.h"
#include "engine/flows/statistics.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/trading/stock_trades.h"

Game_Session::Game_Session(Game& game, Random& rnd, QObject* parent) : QObject(parent), game(game), rnd(rnd) {}

bool Game_Session::Start_Up(const std::string& data_dir) {
    if (!::Start_Up(game, *screens, data_dir)) return false;
    guide = Open_Guide_Book(game.Data_Dir);
    return true;
}
Turn_Result Game_Session::Play_Turn() { return Play(Player_Input::End_Turn()).Turn; }
Turn_Result Game_Session::Tick_Clock() {
    const Guide_Before before = Before_Input(game);
    const Turn_Result turn = Play_Clock(game, rnd, *screens);
    // A tick that ends the turn is that turn's END TURN.
    if (turn != Turn_Result::Not_Played) Show(Notes_Due(game, before, Player_Input::End_Turn(), {Trade_Result::Done, turn}));
    return turn;
}
bool Game_Session::Start_New_Game() {
    const bool started = ::Start_New_Game(game, rnd, *screens);
    Show_Due_Notes();
    return started;
}
void Game_Session::Deal_New_Game() {
    ::Deal_New_Game(game, rnd, *screens);
    Show_Due_Notes();
}
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
bool Game_Session::Load_Game() {
    const bool loaded = ::Load_Game(game, *screens);
    if (loaded) Show_Due_Notes();
    return loaded;
}
bool Game_Session::Load_Recent(int index) {
    const bool loaded = ::Load_Recent(game, *screens, index);
    if (loaded) Show_Due_Notes();
    return loaded;
}

Input_Result Game_Session::Play(const Player_Input& input) {
    const Guide_Before before = Before_Input(game);
    const Input_Result result = Play_Input(game, rnd, *screens, input);
    Show(Notes_Due(game, before, input, result));
    return result;
}

void Game_Session::Show_Due_Notes() { Show(Notes_Due(game)); }

void Game_Session::Show(const std::vector<Guide_Note>& due) {
    if (due.empty()) return;
    // A Settings.txt that cannot keep them is no reason to interrupt play: the book remembers
    // them for this run, and the failure is told when the player next changes the guide.
    const Shown_Notes shown = ::Show_Notes(guide, due);
    if (!shown.Notes.empty()) emit Notes_Shown(shown.Notes);
}

bool Game_Session::Kept(const File_Result<>& stored) {
    if (!stored) Report_File_Failure(*screens, File_Task::Write);
    return static_cast<bool>(stored);
}
bool Game_Session::Turn_Guide(bool on) {
    const bool kept = Kept(::Turn_Guide(guide, on));
    emit Guide_Turned();
    return kept;
}
bool Game_Session::Reset_Guide() {
    const bool kept = Kept(::Reset_Guide(guide));
    Show_Due_Notes();
    return kept;
}
bool Game_Session::Keep_Guide_Panel(bool open) { return Kept(::Keep_Guide_Panel(guide, open)); }

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

bool Game_Session::Start_Challenge(const Challenge_Code& code) { return ::Start_Challenge(game, rnd, *screens, code); }
Challenge_Code Game_Session::New_Challenge_Code() { return ::New_Challenge_Code(rnd, game.Setup); }
bool Game_Session::Reset_Statistics() { return ::Reset_Statistics(game, *screens); }
void Game_Session::Count_Turns_Played() { ::Count_Turns_Played(game, *screens); }
