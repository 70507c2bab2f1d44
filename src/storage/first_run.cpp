#include "storage/first_run.h"

#include <filesystem>

#include "storage/file_io.h"
#include "storage/records.h"

bool First_Run_Marker(Game& game) {
    const std::string path = game.Data_Dir + "/Data2.txt";
    std::error_code error;
    if (std::filesystem::exists(path, error)) return false;
    Record_Writer writer;
    writer.Text("0010");
    writer.End_Record();
    if (!Write_File_Atomic(path, writer.Output())) throw Record_Error("cannot create Data2.txt");
    return true;
}
