#pragma once
#include <optional>
#include <string>

#include "engine/model/game.h"

// The goal and handicap lists of the setup window.
constexpr const char* Play_To_Texts[4] = {"$100 Million", "$1 Billion", "$10 Billion", "$100 Billion"};
constexpr int Play_To_Digits[4] = {9, 10, 11, 12};
constexpr const char* Handicap_Texts[4] = {"None", "$15,000", "$45,000", "$95,000"};
constexpr int Handicap_Cash[4] = {static_cast<int>(Starting_Cash), 20000, 50000, 100000};

// How many of the three difficulty options are on, 0..3.
int Difficulty_Options_On(const Settings& settings);
// Caption and colour (0xRRGGBB) of the level shown for a number of options on.
std::string Level_Caption(int options_on);
int Level_Colour(int options_on);
// The main window's two news boxes: alerts for news about the stocks held and for world news.
void Set_Alerts(Game& game, std::optional<bool> news, std::optional<bool> world);
