#include "engine/flows/cheats.h"

#include "engine/history/history.h"
#include "engine/model/numbers.h"
#include "engine/model/shown_number.h"

bool Enable_Cheat_Mode(Game& game, Screens& screens) {
    if (game.Cheats_Enabled) return false;
    if (screens.Ask_Confirmation("Enable Cheats...")) Turn_Cheats_On(game);
    return true;
}

void Turn_Cheats_On(Game& game) {
    game.Cheats_Enabled = true;
    Record_Trade(game, Trader::You, "Cheat", -1, 0, 0, std::nullopt);
}

namespace {
const char* Prompt(Cheat cheat) {
    switch (cheat) {
        case Cheat::Your_Cash: return "Enter the amount of user cash (must be greater than zero and less than 1 trillion):";
        case Cheat::Computer_Cash:
            return "Enter the amount of computer cash (must be greater than zero and less than 1 trillion):";
        case Cheat::Market_Trend: return "Enter the market trend (must be between -6 and 6):";
    }
    return "";
}

// An amount of cash for one player: the whole dollars as the cash, the amount as typed on show.
// A trillion or more, or nothing above 0, is refused with a beep.
bool Give_Cash(Game& game, Screens& screens, Cheat cheat, double v) {
    std::string shown = Add_Commas(Number_Text(v));
    // The limit is read off the text as shown, separators and all, so a fraction just
    // below it passes.
    static const std::size_t limit_length = Add_Commas(Number_Text(Cheat_Cash_Limit)).size();
    if (v <= 0 || shown.size() >= limit_length) {
        screens.Beep();
        return false;
    }
    if (cheat == Cheat::Your_Cash) {
        game.Cash_On_Hand.Set(Int(v));
        game.Typed_Cash = v;
    } else {
        game.C_Portfolio.Cash.Set(Int(v));
        game.C_Portfolio.Cash_View.Set(v);
        game.C_Portfolio.Cash_View.Group();
    }
    Record_Trade(game, cheat == Cheat::Your_Cash ? Trader::You : Trader::Computer, "Cheat", -1, 0, Int(v),
                 std::nullopt);
    return true;
}
}  // namespace

bool Give_Cheat(Game& game, Screens& screens, Cheat cheat, const std::optional<std::string>& answer) {
    if (!game.Cheats_Enabled) return false;
    const double v = Leading_Number(answer.value_or(""));
    if (cheat != Cheat::Market_Trend) return Give_Cash(game, screens, cheat, v);
    if (v < -Cheat_Trend_Limit || v > Cheat_Trend_Limit) {
        screens.Beep();
        return false;
    }
    game.Market_Trend = To_Integer(v);
    Record_Trade(game, Trader::You, "Cheat", -1, 0, game.Market_Trend, std::nullopt);
    return true;
}

std::optional<std::string> Ask_Cheat(Screens& screens, Cheat cheat) { return screens.Input_Box("Change Cash", Prompt(cheat)); }

bool Set_Cheat(Game& game, Screens& screens, Cheat cheat) {
    if (!game.Cheats_Enabled) return false;
    return Give_Cheat(game, screens, cheat, Ask_Cheat(screens, cheat));
}
