#include "engine/market/news_alerts.h"

void Alert_Owned_Stock(const Game& game, int stock, std::vector<std::string>& alerts) {
    if (game.Setup.News_Alert != 1) return;
    if (game.Player_Stock[stock].Shares != 0 || game.Player_Short[stock].Shares != 0) {
        alerts.push_back(game.Symbol[stock]);
        return;
    }
    // One line for each option on the stock, as the list has always shown them.
    for (int k = 0; k < game.Player_Option_Count; ++k)
        if (game.Player_Option[k].Stock == stock) alerts.push_back(game.Symbol[stock]);
}
