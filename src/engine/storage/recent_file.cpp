#include "engine/storage/recent_file.h"

#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"

namespace {

std::string Recent_Path(const std::string& data_dir) { return Data_File(data_dir, Recent_File_Name); }

File_Result<std::string> Recent_Content(const Recent_List& entries) {
    Record_Writer writer;
    for (const std::string& entry : entries) {
        writer.Text(entry);
        writer.End_Record();
    }
    if (!writer.Complete()) return File_Error::Unstorable_Text;
    return writer.Output();
}

File_Result<Recent_List> Recent_From(const std::string& content) {
    Record_Reader reader(content);
    Recent_List entries;
    for (std::string& entry : entries) {
        std::optional<std::string> text = reader.Text();
        if (!text || text->size() > Longest_Path) return File_Error::Damaged;
        entry = *text;
    }
    if (!reader.At_End()) return File_Error::Damaged;  // more than four entries
    return entries;
}

void Add_To(Recent_List& list, const std::string& path) {
    if (!Recent_Can_Hold(path)) return;
    for (const std::string& entry : list)
        if (entry == path) return;
    for (std::size_t i = list.size() - 1; i > 0; --i) list[i] = list[i - 1];
    list[0] = path;
}

File_Result<> Write_List(const std::string& data_dir, const Recent_List& list) {
    File_Result<std::string> content = Recent_Content(list);
    if (!content) return content.Error();
    return Write_File_Atomic(Recent_Path(data_dir), *content);
}

// The list in the file with `path` added, written back when it changed. Under the lock.
File_Result<Recent_List> Merged_List(const std::string& data_dir, const std::string& path) {
    File_Result<std::string> content = Read_File(Recent_Path(data_dir));
    Recent_List list{};
    if (content) {
        File_Result<Recent_List> stored = Recent_From(*content);
        if (!stored) return stored.Error();
        list = *stored;
    } else if (content.Error() != File_Error::Missing) {
        return content.Error();
    }
    const Recent_List before = list;
    Add_To(list, path);
    if (!content || list != before) {
        File_Result<> written = Write_List(data_dir, list);
        if (!written) return written.Error();
    }
    return list;
}

}  // namespace

bool Recent_Can_Hold(const std::string& path) {
    if (path.size() > Longest_Path || path.find_first_of("\r\n") != std::string::npos) return false;
    Record_Writer writer;
    writer.Text(path);
    return writer.Complete();
}

File_Result<> Read_Recent(Game& game) {
    File_Result<std::string> empty = Recent_Content({});
    File_Result<std::string> content = Read_Or_Create(Recent_Path(game.Data_Dir), *empty);
    if (!content) return content.Error();
    File_Result<Recent_List> entries = Recent_From(*content);
    if (!entries) return entries.Error();
    game.Recent = *entries;
    return {};
}

File_Result<> Write_Recent(const Game& game) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
    if (!lock) return lock.Error();
    return Write_List(game.Data_Dir, game.Recent);
}


void Add_Recent(Game& game, const std::string& path) { Add_To(game.Recent, path); }

File_Result<> Store_Recent(Game& game, const std::string& path) {
    if (!Recent_Can_Hold(path)) return {};
    File_Result<Recent_List> merged = [&]() -> File_Result<Recent_List> {
        File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
        if (!lock) return lock.Error();
        return Merged_List(game.Data_Dir, path);
    }();
    if (!merged) {
        Add_Recent(game, path);
        return merged.Error();
    }
    game.Recent = *merged;
    return {};
}
