#include "core/startup.h"

#include <filesystem>

#include "storage/first_run.h"
#include "storage/recent_file.h"
#include "storage/winners_file.h"

bool Form_Load(Game& game, Screens& screens, const std::string& data_dir) {
    try {
        Init_Game(game);
        game.Data_Dir = data_dir;
        std::filesystem::create_directories(data_dir);
        Read_Recent(game);
        Read_Winners(game);
        if (First_Run_Marker(game)) screens.Show_Help(1);
        return true;
    } catch (const std::exception&) {
        screens.Message_Box("Error: The game is not able to load properly.");
        return false;
    }
}

void Form_Unload(Game& game, Screens& screens) {
    if (!Write_Recent(game)) screens.Message_Box("Error: Cannot write to file.");
    game.Status = "TERMINATE_PROGRAM";
}
