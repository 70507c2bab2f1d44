#pragma once
// The palette of every window: the desktop's own, as it is given to the program, or the game's
// light or dark one whatever the desktop's. Every painted colour follows (colours.h).
#include <QPalette>

#include "engine/storage/player_settings.h"

// The style's own light palette, and a dark one as a dark desktop theme gives.
QPalette Light_Theme_Palette();
QPalette Dark_Theme_Palette();

// Puts the chosen palette in force at once, in every window. Following the desktop again brings
// back the palette that was in force before the game first chose one.
void Use_Theme(Theme_Choice choice);
