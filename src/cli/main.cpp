// The console driver: `bullquest-cli [--seed N] [--data-dir DIR] [--soak TURNS] [--verify FILE]`.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/driver.h"
#include "cli/soak.h"
#include "engine/flows/command_line.h"
#include "engine/flows/verify_result.h"
#include "engine/model/numbers.h"

static std::string Default_Data_Dir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/bullquest";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/share/bullquest";
    return "bullquest-data";
}

int main(int argc, char** argv) {
    // Under a file-size limit a write then fails, and the game says so, instead of the
    // signal ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    const Program_Options& program = Console_Options();
    Command_Line line = Parse_Command_Line(program, std::vector<std::string>(argv + 1, argv + argc));
    if (line.action != Command_Line::Action::Run) return Answer_Command_Line(program, line, std::cout, std::cerr);
    if (line.verify_file) {
        // From the code alone: no data folder is read, nothing is written.
        const Verify_Report report = Verify_Result_File(*line.verify_file);
        std::cout << report.Text << "\n";
        return report.Verified ? 0 : 1;
    }
    auto seed = line.seed.value_or(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::string data_dir = line.data_dir.value_or(Default_Data_Dir());
    if (line.soak_turns > 0) {
        const bool long_game = line.long_game;
        Soak_Result result = long_game ? Run_Long_Game(seed, line.soak_turns, data_dir)
                                       : Run_Soak(seed, line.soak_turns, data_dir);
        std::cout << "seed " << seed << ": " << result.turns << " turns, highest turn " << result.highest_turn << ", "
                  << (result.broken.empty() ? "every invariant held" : "invariant broken") << "\n";
        for (const auto& b : result.broken) std::cout << "  " << b << "\n";
        if (long_game)
            std::cout << "  crashes " << result.crashes << ", saved and loaded " << result.saves << " times"
                      << (result.saves_left_out > 0 ? " (" + std::to_string(result.saves_left_out) +
                                                          " more let pass while the record was full)"
                                                    : "")
                      << ", highest index "
                      << Add_Commas(Number_Text(result.highest_index)) << ", largest count "
                      << Add_Commas(Number_Text(result.largest_count)) << ", money from "
                      << Add_Commas(Number_Text(result.lowest_money)) << " to "
                      << Add_Commas(Number_Text(result.highest_money)) << "\n";
        return result.broken.empty() ? 0 : 3;
    }
    return Run_Console(std::cin, std::cout, seed, data_dir, nullptr, {line.keep_statistics, line.today.value_or("")});
}
