#pragma once
// The game in play as the desktop's windows reach it: each window reads the game, and every
// change a player makes goes through one of these, each an engine function. The main window
// owns the session; the windows are given it.
#include <cstdint>
#include <optional>
#include <string>

#include <QObject>

#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/model/screens.h"
#include "engine/flows/cheats.h"
#include "engine/flows/player_input.h"
#include "engine/flows/turn.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/trade_result.h"
#include "engine/trading/typed_quantity.h"

class Game_Session : public QObject {
    Q_OBJECT
public:
    Game_Session(Game& game, Random& rnd, QObject* parent = nullptr);
    Game_Session(Game& game, Random& rnd, Screens& windows) : Game_Session(game, rnd) { screens = &windows; }

    const Game& State() const { return game; }
    // The windows the engine opens (the desktop's Screens, or a test's).
    void Use_Screens(Screens& windows) { screens = &windows; }
    Screens& Windows() const { return *screens; }
    // The program is ending: every window may close.
    bool Ending() const { return ending; }
    void Begin_Ending() { ending = true; }

    // The game in play changed since it was dealt, saved or loaded: leaving it asks first.
    bool Changed() const;
    // What the game is now counts as kept (a new game dealt, a load, a save).
    void Mark_Kept();

    bool Start_Up(const std::string& data_dir);
    Turn_Result Play_Turn();
    Turn_Result Tick_Clock();
    bool Start_New_Game();
    void Deal_New_Game();
    bool Save_Game();
    bool Save_As();
    bool Load_Game();
    bool Load_Recent(int index);

    // Every change the player makes goes through here.
    Input_Result Play(const Player_Input& input);
    Trade_Result Buy_Shares(int stock, Typed_Quantity quantity);
    Trade_Result Sell_Shares(int stock, Typed_Quantity quantity);
    Trade_Result Trade_Short(int stock, Short_Mode mode, Typed_Quantity quantity);
    Trade_Result Trade_Option(const Option_Form& form);

    bool Enable_Cheat_Mode();
    // Asks with the item's input box and gives the answer.
    bool Set_Cheat(Cheat cheat);
    void Set_Alerts(std::optional<bool> news, std::optional<bool> world);
    void Clear_High_Scores();

private:
    Game& game;
    Random& rnd;
    Screens* screens = nullptr;
    bool ending = false;
    std::uint32_t kept = 0;  // the digest of the game as last kept
};
