#include "engine/storage/first_run.h"

#include <cerrno>

#include <sys/stat.h>

#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"

File_Result<bool> First_Run_Marker(Game& game) {
    const std::string path = Data_File(game.Data_Dir, First_Run_File_Name);
    // Only its existence counts: whatever is there, even a folder, marks a later run.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 || errno != ENOENT) return false;
    Record_Writer writer;
    writer.Text("0010");
    writer.End_Record();
    File_Result<> written = Write_File_Atomic(path, writer.Output());
    if (!written) return written.Error();
    return true;
}
