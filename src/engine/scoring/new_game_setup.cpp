#include "engine/scoring/new_game_setup.h"

#include "engine/model/numbers.h"

int Difficulty_Options_On(const Settings& settings) {
    return (settings.Short == 1) + (settings.Options == 1) + (settings.Time_Limit == 1);
}

std::string Level_Caption(int options_on) {
    static const char* captions[4] = {"Beginer", "Intermediate", "Advanced", "Abnormal"};
    return captions[options_on & 3];
}

int Level_Colour(int options_on) {
    static const int colours[4] = {0x008000, 0x0000C0, 0xFFFF00, 0xFF0000};
    return colours[options_on & 3];
}

void Set_Alerts(Game& game, std::optional<bool> news, std::optional<bool> world) {
    if (news) game.Setup.News_Alert = *news ? 1 : 0;
    if (world) game.Setup.World_Alert = *world ? 1 : 0;
}
