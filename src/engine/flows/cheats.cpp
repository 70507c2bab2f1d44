#include "engine/flows/cheats.h"

#include <functional>

#include "engine/model/numbers.h"
#include "engine/model/shown_number.h"
#include "engine/history/history.h"

bool Enable_Cheat_Mode(Game& game, Screens& screens) {
    if (game.Cheats_Enabled) return false;
    if (screens.Ask_Confirmation("Enable Cheats...")) {
        game.Cheats_Enabled = true;
        Record_Trade(game, Trader::You, "Cheat", -1, 0, 0, std::nullopt);
    }
    return true;
}

namespace {
// Asks for an amount of cash and gives it to one player: the whole dollars as the cash, the
// amount as typed on show (`show`). A trillion or more, or nothing above 0, is refused with a beep.
bool Set_Cash(Game& game, Screens& screens, Trader who, const std::string& prompt, Shown_Number& cash,
              const std::function<void(double)>& show) {
    if (!game.Cheats_Enabled) return false;
    double v = Leading_Number(screens.Input_Box("Change Cash", prompt).value_or(""));
    std::string shown = Add_Commas(Number_Text(v));
    // The limit is read off the text as shown, separators and all, so a fraction just
    // below it passes.
    static const std::size_t limit_length = Add_Commas(Number_Text(Cheat_Cash_Limit)).size();
    if (v <= 0 || shown.size() >= limit_length) {
        screens.Beep();
        return false;
    }
    cash.Set(Int(v));
    show(v);
    Record_Trade(game, who, "Cheat", -1, 0, Int(v), std::nullopt);
    return true;
}
}  // namespace

bool Set_Your_Cash(Game& game, Screens& screens) {
    return Set_Cash(game, screens, Trader::You,
                    "Enter the amount of user cash (must be greater than zero and less than 1 trillion):",
                    game.Cash_On_Hand, [&game](double v) { game.Typed_Cash = v; });
}

bool Set_Computer_Cash(Game& game, Screens& screens) {
    return Set_Cash(game, screens, Trader::Computer,
                    "Enter the amount of computer cash (must be greater than zero and less than 1 trillion):",
                    game.C_Portfolio.Cash, [&game](double v) {
                        game.C_Portfolio.Cash_View.Set(v);
                        game.C_Portfolio.Cash_View.Group();
                    });
}

bool Set_Market_Trend(Game& game, Screens& screens) {
    if (!game.Cheats_Enabled) return false;
    auto answer = screens.Input_Box("Change Cash", "Enter the market trend (must be between -6 and 6):");
    double v = Leading_Number(answer.value_or(""));
    if (v < -Cheat_Trend_Limit || v > Cheat_Trend_Limit) {
        screens.Beep();
        return false;
    }
    game.Market_Trend = To_Integer(v);
    Record_Trade(game, Trader::You, "Cheat", -1, 0, game.Market_Trend, std::nullopt);
    return true;
}
