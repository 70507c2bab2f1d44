#pragma once
// The options of the two programs, read before anything else starts (the desktop game reads
// them before it opens a display), and their --help and --version texts.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// What one program takes on its command line.
struct Program_Options {
    std::string name;                          // as typed: "bullquest"
    std::string summary;                       // the line under the usage line
    bool soak = false;                         // takes --soak TURNS and --soak-long TURNS
    std::vector<std::string> toolkit_values;   // the toolkit's own options with a value, passed on
    std::vector<std::string> toolkit_flags;    // and those without
    bool challenges = false;                   // takes --verify FILE, --statistics and --today DATE
};

const Program_Options& Desktop_Options();  // bullquest, with Qt's own options passed on to Qt
const Program_Options& Console_Options();  // bullquest-cli

struct Command_Line {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::optional<std::uint32_t> seed;
    std::optional<std::string> data_dir;
    long long soak_turns = 0;
    bool long_game = false;  // --soak-long: one game of soak_turns turns
    std::optional<std::string> verify_file;  // --verify FILE: check a challenge's result and exit
    bool keep_statistics = false;            // --statistics: keep Statistics.txt in the data folder
    std::optional<std::string> today;        // --today DATE: the date challenge results are filed under
    std::string error;  // the one-line message of Action::Error
};

// Reads the arguments after the program's name. An error wins over --help, and --help over
// --version.
Command_Line Parse_Command_Line(const Program_Options& program, const std::vector<std::string>& args);

std::string Usage_Text(const Program_Options& program);
std::string Version_Text(const Program_Options& program);

// Answers --help and --version on `out` (exit status 0) and an error with the usage on `err`
// (exit status 2). Call it when the action is not Run.
int Answer_Command_Line(const Program_Options& program, const Command_Line& line, std::ostream& out,
                        std::ostream& err);
