#include "storage/recent_file.h"

#include <optional>

#include "storage/file_io.h"
#include "storage/records.h"

static std::string Recent_Path(const Game& game) { return game.Data_Dir + "/Recent.txt"; }

static std::string Recent_Content(const std::array<std::string, 4>& entries) {
    Record_Writer writer;
    for (const std::string& entry : entries) {
        writer.Text(entry);
        writer.End_Record();
    }
    return writer.Output();
}

void Read_Recent(Game& game) {
    std::optional<std::string> content = Read_Or_Create(Recent_Path(game), Recent_Content({}));
    if (!content) throw Record_Error("cannot create Recent.txt");
    Record_Reader reader(*content);
    std::array<std::string, 4> entries;
    for (std::string& entry : entries) {
        std::optional<std::string> text = reader.Text();
        if (!text) throw Record_Error("Recent.txt is damaged");
        entry = *text;
    }
    if (!reader.At_End()) throw Record_Error("Recent.txt holds more than four entries");
    game.Recent = entries;
}

bool Write_Recent(const Game& game) {
    return Write_File_Atomic(Recent_Path(game), Recent_Content(game.Recent));
}

void Add_Recent(Game& game, const std::string& path) {
    for (const std::string& entry : game.Recent)
        if (entry == path) return;
    for (std::size_t i = 3; i > 0; --i) game.Recent[i] = game.Recent[i - 1];
    game.Recent[0] = path;
}
