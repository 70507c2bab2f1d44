#pragma once
#include <optional>
#include <string>

#include "engine/model/game.h"
#include "engine/model/screens.h"

// The Cheat menu. Each returns false when the command was refused (a disabled item,
// a cancelled confirmation is not a refusal) and beeps where the game beeps.
bool Enable_Cheat_Mode(Game& game, Screens& screens);
// What a Yes to "Enable Cheats..." does.
void Turn_Cheats_On(Game& game);

// The three Set items: each asks with an input box, then gives its answer.
enum class Cheat { Your_Cash, Computer_Cash, Market_Trend };
bool Set_Cheat(Game& game, Screens& screens, Cheat cheat);
// The cheat's input box.
std::optional<std::string> Ask_Cheat(Screens& screens, Cheat cheat);
// The input box's answer (nothing when it was cancelled) given to the cheat; refused with a
// beep when it is out of the cheat's range.
bool Give_Cheat(Game& game, Screens& screens, Cheat cheat, const std::optional<std::string>& answer);

inline bool Set_Your_Cash(Game& game, Screens& screens) { return Set_Cheat(game, screens, Cheat::Your_Cash); }
inline bool Set_Computer_Cash(Game& game, Screens& screens) { return Set_Cheat(game, screens, Cheat::Computer_Cash); }
inline bool Set_Market_Trend(Game& game, Screens& screens) { return Set_Cheat(game, screens, Cheat::Market_Trend); }
