#pragma once
// Every input of the player that changes the game, as a value: what a window or the console
// received, played through one function. The desktop's windows and the console driver both
// play the game this way, so that whatever follows each input (a record of a challenge, the
// guide's notes) sees every one of them alike.
#include <optional>
#include <string>

#include "engine/flows/cheats.h"
#include "engine/flows/turn.h"
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"

struct Player_Input {
    enum class Kind {
        End_Turn,      // END TURN or Game > End Turn
        Buy,           // the Buy window's trade: Stock and Quantity
        Sell,          // the Sell window's
        Sell_Short,    // the Short window's, in either mode
        Buy_Back,
        Option,        // the Options window's form
        Enable_Cheats,
        Cheat,         // one of the three Set items with its input box's Answer
        Alerts,        // the News tab's two boxes
    };
    Kind What = Kind::End_Turn;
    int Stock = -1;
    Typed_Quantity Quantity;
    Option_Form Option;
    ::Cheat Cheat_Item = ::Cheat::Your_Cash;
    std::optional<std::string> Answer;
    std::optional<bool> News, World;

    static Player_Input End_Turn() { return {}; }
    static Player_Input Trade(Kind what, int stock, Typed_Quantity quantity);
    static Player_Input Option_Trade(const Option_Form& form);
    static Player_Input Set_Cheat(::Cheat cheat, std::optional<std::string> answer);
    static Player_Input Set_Alerts(std::optional<bool> news, std::optional<bool> world);
};

struct Input_Result {
    Trade_Result Trade = Trade_Result::Done;  // a refused trade or cheat
    Turn_Result Turn = Turn_Result::Not_Played;
};

// Plays one input. A cheat's input box has been answered before; Enable_Cheats asks its
// question here.
Input_Result Play_Input(Game& game, Random& rnd, Screens& screens, const Player_Input& input);
// One tick of the time limit; a tick that ends a turn is that turn's END TURN.
Turn_Result Play_Clock(Game& game, Random& rnd, Screens& screens);
