#pragma once
// What the research window shows for one company.
#include <array>
#include <string>

#include "engine/model/game.h"

struct Research_View {
    std::string Earnings_Due;
    std::array<std::string, 4> EPS;  // the latest first
    std::array<Colour, 4> EPS_Colour;
};

Research_View Research_Company(const Game& game, int stock);
