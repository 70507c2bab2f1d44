#include "storage/winners_file.h"

#include "core/numbers.h"
#include "storage/cipher.h"
#include "storage/file_io.h"
#include "storage/records.h"

std::string Winners_Path(const Game& game) { return game.Data_Dir + "/Winners.txt"; }

static std::string Winners_Content(const std::array<std::array<High_Score, 3>, 4>& table) {
    Record_Writer writer;
    for (const auto& level : table) {
        for (const High_Score& entry : level) {
            writer.Text(Encode_Field(entry.Player_Name));
            writer.Text(Encode_Field(entry.Handicap_Text));
            writer.Text(Encode_Field(Number_Text_Blank(entry.Final_Worth)));
            writer.Text(Encode_Field(Number_Text_Blank(entry.Opp_Final_Worth)));
            writer.Text(Encode_Field(Number_Text_Blank(entry.Final_Score)));
            writer.End_Record();
        }
    }
    return writer.Output();
}

// One ciphered field; a damaged one ends the read.
static std::string Read_Field(Record_Reader& reader) {
    std::optional<std::string> code = reader.Text();
    std::optional<std::string> text = code ? Decode_Field(*code) : std::nullopt;
    if (!text) throw Record_Error("Winners.txt is damaged");
    return *text;
}

static High_Score Read_Entry(Record_Reader& reader) {
    High_Score entry;
    entry.Player_Name = Read_Field(reader);
    entry.Handicap_Text = Read_Field(reader);
    entry.Final_Worth = Leading_Number(Read_Field(reader));
    entry.Opp_Final_Worth = Leading_Number(Read_Field(reader));
    entry.Final_Score = Leading_Number(Read_Field(reader));
    return entry;
}

void Read_Winners(Game& game) {
    std::optional<std::string> content = Read_Or_Create(Winners_Path(game), Winners_Content({}));
    if (!content) throw Record_Error("cannot create Winners.txt");
    Record_Reader reader(*content);
    std::array<std::array<High_Score, 3>, 4> table;
    for (auto& level : table)
        for (High_Score& entry : level) entry = Read_Entry(reader);
    if (!reader.At_End()) throw Record_Error("Winners.txt holds more than the table");
    game.High_Scores = table;
}

bool Write_Winners(const Game& game) {
    return Write_File_Atomic(Winners_Path(game), Winners_Content(game.High_Scores));
}
