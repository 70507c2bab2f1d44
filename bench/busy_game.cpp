#include "busy_game.h"

#include "engine/model/constants.h"
#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/trading/player_cash.h"

Settings Quiet_Screens::Run_New_Game_Setup(const Game& game) {
    Settings setup = game.Setup;
    setup.Options = 1;
    setup.Short = 1;
    setup.Frequency_Slider = 10;
    setup.Power_Slider = 10;
    setup.Earnings_Slider = 10;
    setup.News_Alert = 1;
    setup.World_Alert = 1;
    return setup;
}

Game Busy_Game(Random& rnd, Quiet_Screens& screens, int options_per_stock) {
    Game game;
    Init_Game(game);
    Deal_New_Game(game, rnd, screens);
    // The farthest goal: a busy game that runs on rather than ending in a new deal.
    game.Setup.Play_To = 3;
    Fill_Portfolios(game, options_per_stock);
    return game;
}

void Fill_Portfolios(Game& game, int options_per_stock) {
    for (int s = 0; s < Stock_Count; ++s) {
        game.Player_Stock[s] = Holding{1000, static_cast<Integer>(Stock_Price(game, s))};
        if (s % 3 == 0) game.Player_Short[s] = Holding{500, static_cast<Integer>(Stock_Price(game, s))};
    }
    // Up to three options on every stock, well inside the 191-entry table.
    int k = 0;
    for (int s = 0; s < Stock_Count; ++s)
        for (int j = 0; j < options_per_stock; ++j, ++k) {
            Option_Position& o = game.Player_Option[k];
            o.Option_Type = j % 2 ? "Put" : "Call";
            o.Stock = static_cast<Integer>(s);
            o.Strike = static_cast<Integer>(10 * (3 + j * 4));
            o.Expires = static_cast<Integer>(50 + 20 * j);
            o.Purchase_Price = 2.5f;
            o.Quantity = 10;
        }
    game.Player_Option_Count = static_cast<Integer>(k);
    Set_Player_Cash(game, 1000000);
    game.C_Portfolio.Cash.Set(50000000);
}

void Move_Dates_On(Game& game, Long turns) {
    for (int s = 0; s < Stock_Count; ++s) {
        game.Earnings[s].Report_Turn += turns;
        game.Computer_Option[s].Expires += turns;
    }
    const auto turn = static_cast<Long>(game.Turn_Number.Value());
    for (int k = 0; k < game.Player_Option_Count; ++k) game.Player_Option[k].Expires = turn + 1 + k % Option_Life;
}
