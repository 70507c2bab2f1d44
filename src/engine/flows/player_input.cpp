#include "engine/flows/player_input.h"

#include "engine/flows/challenge.h"

#include "engine/scoring/new_game_setup.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

Player_Input Player_Input::Trade(Kind what, int stock, Typed_Quantity quantity) {
    Player_Input input;
    input.What = what;
    input.Stock = stock;
    input.Quantity = quantity;
    return input;
}

Player_Input Player_Input::Option_Trade(const Option_Form& form) {
    Player_Input input;
    input.What = Kind::Option;
    input.Stock = form.Stock;
    input.Option = form;
    return input;
}

Player_Input Player_Input::Set_Cheat(::Cheat cheat, std::optional<std::string> answer) {
    Player_Input input;
    input.What = Kind::Cheat;
    input.Cheat_Item = cheat;
    input.Answer = std::move(answer);
    return input;
}

Player_Input Player_Input::Set_Alerts(std::optional<bool> news, std::optional<bool> world) {
    Player_Input input;
    input.What = Kind::Alerts;
    input.News = news;
    input.World = world;
    return input;
}

namespace {
Trade_Result Result_Of(bool done) { return done ? Trade_Result::Done : Trade_Result::Refused; }
}  // namespace

namespace {
Input_Result Play_Only(Game& game, Random& rnd, Screens& screens, const Player_Input& input) {
    using Kind = Player_Input::Kind;
    Input_Result result;
    switch (input.What) {
        case Kind::End_Turn:
            result.Turn = Play_Turn(game, rnd, screens);
            result.Trade = Result_Of(result.Turn != Turn_Result::Not_Played);
            break;
        case Kind::Buy: result.Trade = Buy_Shares(game, input.Stock, input.Quantity); break;
        case Kind::Sell: result.Trade = Sell_Shares(game, input.Stock, input.Quantity); break;
        case Kind::Sell_Short: result.Trade = Sell_Short(game, input.Stock, input.Quantity); break;
        case Kind::Buy_Back: result.Trade = Buy_Back(game, input.Stock, input.Quantity); break;
        case Kind::Option: result.Trade = Trade_Option(game, input.Option, screens); break;
        case Kind::Enable_Cheats: result.Trade = Result_Of(Enable_Cheat_Mode(game, screens)); break;
        case Kind::Cheat: result.Trade = Result_Of(Give_Cheat(game, screens, input.Cheat_Item, input.Answer)); break;
        case Kind::Alerts: Set_Alerts(game, input.News, input.World); break;
    }
    return result;
}
}  // namespace

// A challenge in play records each input after it is played.
Input_Result Play_Input(Game& game, Random& rnd, Screens& screens, const Player_Input& input) {
    const std::shared_ptr<Challenge_Record> challenge = Challenge_Before_Input(game, rnd, screens);
    const Settings before = game.Setup;
    const Input_Result result = Play_Only(game, rnd, screens, input);
    if (challenge) Record_Input(game, rnd, *challenge, input, result, before);
    return result;
}

Turn_Result Play_Clock(Game& game, Random& rnd, Screens& screens) {
    const std::shared_ptr<Challenge_Record> challenge = Challenge_Before_Input(game, rnd, screens);
    const Turn_Result result = Tick_Clock(game, rnd, screens);
    if (challenge && result != Turn_Result::Not_Played) Record_Clock_Turn(game, rnd, *challenge);
    return result;
}
