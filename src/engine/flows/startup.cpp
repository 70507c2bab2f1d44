#include "engine/flows/startup.h"

#include <filesystem>

#include "engine/storage/file_messages.h"
#include "engine/storage/first_run.h"
#include "engine/storage/recent_file.h"
#include "engine/storage/winners_file.h"

namespace {
// The data folder's files in start-up order; false when one of them fails.
bool Read_Data_Folder(Game& game, Screens& screens) {
    std::error_code ignored;  // a folder that cannot be made fails the reads below
    std::filesystem::create_directories(game.Data_Dir, ignored);
    if (!Read_Recent(game) || !Read_Winners(game)) return false;
    File_Result<bool> first_run = First_Run_Marker(game);
    if (!first_run) return false;
    if (*first_run) screens.Show_Help(1);
    return true;
}
}  // namespace

bool Start_Up(Game& game, Screens& screens, const std::string& data_dir) {
    Init_Game(game);
    game.Data_Dir = data_dir;
    game.Keeps_Statistics = true;
    if (Read_Data_Folder(game, screens)) return true;
    Report_File_Failure(screens, File_Task::Start_Up);
    return false;
}
