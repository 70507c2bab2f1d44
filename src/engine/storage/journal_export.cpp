#include "engine/storage/journal_export.h"

#include "engine/model/numbers.h"
#include "engine/history/history.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/saved_game.h"

std::string Journal_Csv(const Game& game) {
    std::string csv = "Turn,Who,What,Symbol,Quantity,Price,Gain,Cash\n";
    if (!game.History) return csv;
    for (const Journal_Entry& e : game.History->Journal) {
        csv += Number_Text(e.Turn) + "," + Trader_Name(e.Who) + "," + e.What + "," + e.Symbol + "," +
               Number_Text(e.Quantity) + "," + Number_Text(e.Price) + "," + (e.Gain ? Number_Text(*e.Gain) : "") +
               "," + Number_Text(e.Cash) + "\n";
    }
    return csv;
}

File_Result<> Export_Journal(const Game& game, const std::string& path) {
    if (Is_Data_File(game.Data_Dir, path) || Is_Saved_Game(path)) return File_Error::Reserved_Name;
    return Write_File_Atomic(path, Journal_Csv(game));
}

