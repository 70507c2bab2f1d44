#include "engine/storage/winners_file.h"

#include "engine/model/numbers.h"
#include "engine/storage/cipher.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"

namespace {

std::string Winners_Content(const Winners_Table& table) {
    // Every field is the cipher's hex digits, which a record always holds.
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

// One ciphered field; nullopt when it is damaged.
std::optional<std::string> Read_Field(Record_Reader& reader) {
    const std::optional<std::string> code = reader.Text();
    return code ? Decode_Field(*code) : std::nullopt;
}

std::optional<High_Score> Read_Entry(Record_Reader& reader) {
    std::array<std::string, 5> fields;
    for (std::string& field : fields) {
        std::optional<std::string> text = Read_Field(reader);
        if (!text) return std::nullopt;
        field = *text;
    }
    return High_Score{fields[0], fields[1], Leading_Number(fields[2]), Leading_Number(fields[3]),
                      Leading_Number(fields[4])};
}

File_Result<Winners_Table> Winners_From(const std::string& content) {
    Record_Reader reader(content);
    Winners_Table table;
    for (auto& level : table)
        for (High_Score& entry : level) {
            std::optional<High_Score> read = Read_Entry(reader);
            if (!read) return File_Error::Damaged;
            entry = *read;
        }
    if (!reader.At_End()) return File_Error::Damaged;  // more than the table
    return table;
}

}  // namespace

std::string Winners_Path(const Game& game) { return Data_File(game.Data_Dir, Winners_File_Name); }

File_Result<> Read_Winners(Game& game) {
    File_Result<std::string> content = Read_Or_Create(Winners_Path(game), Winners_Content({}));
    if (!content) return content.Error();
    File_Result<Winners_Table> table = Winners_From(*content);
    if (!table) return table.Error();
    game.High_Scores = *table;
    return {};
}

File_Result<> Write_Winners(const Game& game) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
    if (!lock) return lock.Error();
    return Write_File_Atomic(Winners_Path(game), Winners_Content(game.High_Scores));
}

File_Result<> Change_Winners(Game& game, const std::function<void(Winners_Table&)>& change) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
    if (!lock) return lock.Error();
    // Each High_Score takes its defaults. (Not "table{}": clang 14 crashes on it under the fuzzers' sanitizers.)
    Winners_Table table;
    if (File_Result<std::string> content = Read_File(Winners_Path(game))) {
        File_Result<Winners_Table> stored = Winners_From(*content);
        if (!stored) return stored.Error();
        table = *stored;
    } else if (content.Error() != File_Error::Missing) {
        return content.Error();
    }
    change(table);
    File_Result<> written = Write_File_Atomic(Winners_Path(game), Winners_Content(table));
    if (!written) return written.Error();
    game.High_Scores = table;
    return {};
}
