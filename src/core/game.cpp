#include "core/game.h"

#include <cstdlib>

#include "ui/resources/string_table.h"

void Init_Game(Game& game) {
    game = Game{};
    for (int s = 0; s < Stock_Count; ++s) {
        game.Symbol[s] = String_Table(101 + s);
        game.Change[s] = "0(0%)";
        game.Price[s] = "0";
    }
    game.Price[Index_Entry] = "0";
    for (int n = 0; n < 16; ++n) game.News_Text[n] = String_Table(200 + n);
    for (int n = 0; n < 14; ++n) {
        game.News_Item[n].Text = String_Table(300 + n);
        game.News_Item[n].Effect = static_cast<Integer>(std::atoi(String_Table(400 + n).c_str()));
    }
}
