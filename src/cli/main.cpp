#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/driver.h"
#include "cli/soak.h"
#include "core/numbers.h"

static std::string Default_Data_Dir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/bullquest";
    if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.local/share/bullquest";
    return "bullquest-data";
}

int main(int argc, char** argv) {
    auto seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::string data_dir = Default_Data_Dir();
    long long soak_turns = 0;
    bool long_game = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            unsigned long long v = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0' || v > 0xFFFFFFFFull || argv[i][0] == '-') {
                std::cerr << "bullquest-cli: --seed takes an unsigned 32-bit number\n";
                return 2;
            }
            seed = static_cast<std::uint32_t>(v);
        } else if (arg == "--data-dir" && i + 1 < argc) {
            data_dir = argv[++i];
        } else if ((arg == "--soak" || arg == "--soak-long") && i + 1 < argc) {
            long_game = arg == "--soak-long";
            soak_turns = std::atoll(argv[++i]);
            if (soak_turns < 1) {
                std::cerr << "bullquest-cli: --soak takes a number of turns\n";
                return 2;
            }
        } else {
            std::cerr << "usage: bullquest-cli [--seed N] [--data-dir DIR] [--soak TURNS | --soak-long TURNS]\n";
            return 2;
        }
    }
    if (soak_turns > 0) {
        Soak_Result result =
            long_game ? Run_Long_Game(seed, soak_turns, data_dir) : Run_Soak(seed, soak_turns, data_dir);
        std::cout << "seed " << seed << ": " << result.turns << " turns, highest turn " << result.highest_turn << ", "
                  << (result.broken.empty() ? "every invariant held" : "invariant broken") << "\n";
        for (const auto& b : result.broken) std::cout << "  " << b << "\n";
        if (long_game)
            std::cout << "  crashes " << result.crashes << ", saved and loaded " << result.saves << " times, highest index "
                      << Add_Commas(Number_Text(result.highest_index)) << ", largest count "
                      << Add_Commas(Number_Text(result.largest_count)) << ", money from "
                      << Add_Commas(Number_Text(result.lowest_money)) << " to "
                      << Add_Commas(Number_Text(result.highest_money)) << "\n";
        return result.broken.empty() ? 0 : 3;
    }
    return Run_Console(std::cin, std::cout, seed, data_dir);
}
