#include "core/cheats.h"

#include "core/numbers.h"

bool Enable_Cheat_Mode(Game& game, Screens& screens) {
    if (!game.Enable_Cheat_Menu) return false;
    game.Confirmed = screens.Ask_Confirmation("Enable Cheats...");
    if (game.Confirmed) {
        game.Cheats_Enabled = true;
        game.Enable_Cheat_Menu = false;
        game.Set_Cheat_Menus = true;
    }
    return true;
}

// Reads an amount of cash; nullopt after the beep of a refused answer.
static std::optional<double> Ask_Cash(Screens& screens, const std::string& prompt, std::string& shown) {
    auto answer = screens.Input_Box("Change Cash", prompt);
    double v = Leading_Number(answer.value_or(""));
    shown = Add_Commas(Number_Text(v));
    // 17 characters with separators is 1,000,000,000,000: a trillion is too much.
    if (v <= 0 || shown.size() >= 17) {
        screens.Beep();
        return std::nullopt;
    }
    return v;
}

bool Set_Your_Cash(Game& game, Screens& screens) {
    if (!game.Set_Cheat_Menus) return false;
    std::string shown;
    auto v = Ask_Cash(screens,
        "Enter the amount of user cash (must be greater than zero and less than 1 trillion):", shown);
    if (!v) return false;
    game.Cash_View = shown;
    game.Cash_On_Hand = Number_Text(Int(*v));
    return true;
}

bool Set_Computer_Cash(Game& game, Screens& screens) {
    if (!game.Set_Cheat_Menus) return false;
    std::string shown;
    auto v = Ask_Cash(screens,
        "Enter the amount of computer cash (must be greater than zero and less than 1 trillion):", shown);
    if (!v) return false;
    game.C_Portfolio.Cash = Number_Text(Int(*v));
    game.C_Portfolio.Cash_View = shown;
    return true;
}

bool Set_Market_Trend(Game& game, Screens& screens) {
    if (!game.Set_Cheat_Menus) return false;
    auto answer = screens.Input_Box("Change Cash", "Enter the market trend (must be between -6 and 6):");
    double v = Leading_Number(answer.value_or(""));
    if (v < -6 || v > 6) {
        screens.Beep();
        return false;
    }
    game.Market_Trend = To_Integer(v);
    return true;
}
