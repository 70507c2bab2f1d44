#include "engine/model/game.h"

#include <algorithm>
#include <cstdlib>

#include "engine/model/string_table.h"

void Init_Game(Game& game) {
    game = Game{};
    for (int s = 0; s < Stock_Count; ++s) {
        game.Symbol[s] = String_Table(String_Id::Symbol, s);
        game.Change[s].Set_Text("0(0%)");
        game.Price[s].Set(0);
    }
    game.Price[Index_Entry].Set(0);
    for (int n = 0; n < World_News_Count; ++n) game.News_Text[n] = String_Table(String_Id::World_News, n);
    for (int n = 0; n < Company_News_Count; ++n) {
        game.News_Item[n].Text = String_Table(String_Id::Company_News, n);
        game.News_Item[n].Effect = static_cast<Integer>(std::atoi(String_Table(String_Id::Company_News_Effect, n).c_str()));
    }
}

int Find_Symbol(const Game& game, const std::string& symbol) {
    const auto it = std::find(game.Symbol.begin(), game.Symbol.end(), symbol);
    return it == game.Symbol.end() ? -1 : static_cast<int>(it - game.Symbol.begin());
}

void Remove_Option(Game& game, int k) {
    if (k < 0 || k >= game.Player_Option_Count) return;
    for (int j = k; j + 1 < game.Player_Option_Count; ++j) game.Player_Option[j] = game.Player_Option[j + 1];
    game.Player_Option[game.Player_Option_Count - 1] = Option_Position{};
    --game.Player_Option_Count;
}
