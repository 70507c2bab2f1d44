#pragma once
// The one place where a failed file operation becomes what the player is told.
#include <string>

#include "engine/model/screens.h"

// What the player was doing when a file failed: each has its own message, whatever the
// cause (missing, damaged, refused, locked...).
enum class File_Task {
    Start_Up,  // reading the data folder's files; the program then ends
    Load,      // reading a saved game
    Write,     // writing a saved game, Winners.txt, Recent.txt or Settings.txt
    Statistics,  // reading or changing Statistics.txt, which is then left as it is
};

std::string File_Message(File_Task task);
// The beep and the message box of a failed file operation (at start-up the message alone).
void Report_File_Failure(Screens& screens, File_Task task);
