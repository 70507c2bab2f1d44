#pragma once
#include "engine/model/game.h"
#include "engine/storage/file_error.h"

// Data2.txt in the data folder marks that the game has run before.
// Creates it and gives true on the first run; false when it is already there.
File_Result<bool> First_Run_Marker(Game& game);
