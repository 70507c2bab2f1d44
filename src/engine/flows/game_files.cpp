#include "engine/flows/game_files.h"

#include <optional>

#include "engine/flows/statistics.h"
#include "engine/storage/file_io.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/recent_file.h"
#include "engine/storage/saved_game.h"

std::string Caption_For(const std::string& path) { return path + "  -  Bullquest"; }

bool Save_Game(Game& game, Screens& screens) {
    std::string path = game.Game_File_Name;
    const bool asked = path.empty();
    if (asked) {
        std::optional<std::string> chosen = screens.Choose_Save_File(game.Data_Dir);
        if (!chosen || chosen->empty()) return false;
        path = *chosen;
    }
    if (!Write_Game_File(game, path)) {
        Report_File_Failure(screens, File_Task::Write);
        return false;
    }
    if (asked) {
        game.Game_File_Name = path;
        if (!Store_Recent(game, path)) Report_File_Failure(screens, File_Task::Write);
    }
    return true;
}

bool Save_As(Game& game, Screens& screens) {
    // A cancelled or failed Save As leaves the game tied to the file it had.
    const std::string previous = game.Game_File_Name;
    game.Game_File_Name = "";
    const bool saved = Save_Game(game, screens);
    if (!saved) game.Game_File_Name = previous;
    return saved;
}

bool Load_Game_From(Game& game, Screens& screens, const std::string& path) {
    std::optional<Game> loaded;
    if (File_Result<std::string> content = Read_File(path)) loaded = Loaded_Game(game, *content);
    if (!loaded) {
        Report_File_Failure(screens, File_Task::Load);
        return false;
    }
    loaded->Game_File_Name = path;
    // The game in play is left for the loaded one; what belongs to the program goes on.
    Leave_Game(game, screens);
    loaded->Turns_Uncounted = game.Turns_Uncounted;
    loaded->Last_Challenge = game.Last_Challenge;
    game = std::move(*loaded);
    const File_Result<> listed = Store_Recent(game, path);
    screens.Timer_Changed(game.Game_Timer_Enabled);
    screens.Windows_Reset();
    if (!listed) Report_File_Failure(screens, File_Task::Write);
    return true;
}

bool Load_Game(Game& game, Screens& screens) {
    std::optional<std::string> chosen = screens.Choose_Open_File(game.Data_Dir);
    if (!chosen || chosen->empty()) return false;
    return Load_Game_From(game, screens, *chosen);
}

bool Load_Recent(Game& game, Screens& screens, int index) {
    if (index < 0 || index > 3 || game.Recent[index].empty()) return false;
    const std::string path = game.Recent[index];
    // A file that cannot be opened stays in the list.
    if (!Read_File(path)) {
        Report_File_Failure(screens, File_Task::Load);
        return false;
    }
    return Load_Game_From(game, screens, path);
}
