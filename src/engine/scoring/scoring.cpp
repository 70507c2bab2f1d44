#include "engine/scoring/scoring.h"

#include <algorithm>
#include <cmath>

#include "engine/model/numbers.h"
#include "engine/scoring/new_game_setup.h"

int Goal_Digits(const Settings& setup) { return Play_To_Digits[std::clamp(setup.Play_To, 0, 3)]; }

double Goal_Worth(const Settings& setup) { return std::pow(10.0, Goal_Digits(setup) - 1); }

bool Goal_Reached(double net_worth, int goal_digits) {
    if (net_worth < 0) return false;  // the minus sign must not count as a digit
    return static_cast<int>(Number_Text_Blank(Int(net_worth)).size()) > goal_digits;
}

Winner Goal_Winner(const Game& game) {
    const int goal = Goal_Digits(game.Setup);
    if (Goal_Reached(game.Net_Worth.Value(), goal)) return Winner::Player;
    if (Goal_Reached(game.C_Portfolio.Net_Worth.Value(), goal)) return Winner::Computer;
    return Winner::None;
}

double Score(double player, double computer) {
    double divisor = computer <= 0 ? 1.0 : computer;
    return 100.0 * Int(player / divisor);
}

int Result_Level(const Settings& setup) { return 3 - Difficulty_Options_On(setup); }

int Find_Place(const std::array<High_Score, 3>& level, double score) {
    for (int k = 0; k < 3; ++k)
        if (level[k].Final_Score < score) return k;
    return -1;
}

void Enter_Place(std::array<High_Score, 3>& level, int k, const High_Score& record) {
    for (int p = 2; p > k; --p) level[p] = level[p - 1];
    level[k] = record;
}

std::string Handicap_Text(const Settings& setup) {
    int i = setup.Handicap;
    return (i >= 0 && i < 4) ? Handicap_Texts[i] : Handicap_Texts[0];
}

std::string Winner_Name(const std::string& typed) {
    std::string name;
    int characters = 0;
    for (unsigned char ch : typed) {
        if (ch < 0x20 || ch == 0x7F) continue;
        const bool starts_character = (ch & 0xC0) != 0x80;
        if (starts_character && ++characters > Name_Length) break;
        name += static_cast<char>(ch);
    }
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}
