#include "engine/storage/file_messages.h"

#include <array>

namespace {
struct File_Report {
    const char* message;
    bool beep;
};

// Indexed by File_Task.
constexpr std::array<File_Report, 4> Reports = {{
    {"Error: The game is not able to load properly.", false},
    {"Error: Either the file does not exist or it is damadged.", true},
    {"Error: Cannot write to file.", true},
    {"Error: The statistics file is damaged, or cannot be read or written; it is kept as it was.", true},
}};
}  // namespace

std::string File_Message(File_Task task) { return Reports[static_cast<std::size_t>(task)].message; }

void Report_File_Failure(Screens& screens, File_Task task) {
    const File_Report& report = Reports[static_cast<std::size_t>(task)];
    if (report.beep) screens.Beep();
    screens.Message_Box(report.message);
}
