#include "game/new_game_setup.h"

#include "core/numbers.h"
#include "market/simulate_history.h"

int Difficulty_Options_On(const Settings& settings) {
    return (settings.Short == 1) + (settings.Options == 1) + (settings.Time_Limit == 1);
}

void Difficulty_Click(Game& game) {
    game.Difficulty_Level = static_cast<Integer>(Difficulty_Options_On(game.Setup));
    game.Level_Indicator = Level_Caption(game.Difficulty_Level);
}

std::string Level_Caption(int options_on) {
    static const char* captions[4] = {"Beginer", "Intermediate", "Advanced", "Abnormal"};
    return captions[options_on & 3];
}

int Level_Colour(int options_on) {
    static const int colours[4] = {0x008000, 0x0000C0, 0xFFFF00, 0xFF0000};
    return colours[options_on & 3];
}

void Setup_Go(Game& game, Random& rnd, Screens& screens) {
    if (game.Setup.Suprise == 1) {
        game.Setup.Frequency_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
        game.Setup.Power_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
        game.Setup.Earnings_Slider = static_cast<int>(Int(rnd.Rnd() * 10)) + 1;
    }
    screens.Setup_Progress(0);
    Simulate_History(game, rnd, screens);
}
