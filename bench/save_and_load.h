#pragma once
// Save Game to its file and Load Game from the recent list, once an iteration: the whole round
// trip through the disk, records, cipher and the load's recomputation included.
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "engine/history/history.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"

inline void Time_Save_And_Load(benchmark::State& state, Game& game, Quiet_Screens& screens, const std::string& name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("bullquest_bench_" + name);
    std::filesystem::create_directories(dir);
    game.Data_Dir = dir.string();
    game.Game_File_Name = (dir / (name + ".bqg")).string();
    const std::size_t points = game.History->Points.size();
    for (auto _ : state) {
        Save_Game(game, screens);
        if (!Load_Game_From(game, screens, game.Game_File_Name) || game.History->Points.size() != points)
            state.SkipWithError("the saved game did not load whole");
    }
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(game.Game_File_Name)) / 1024.0;
    std::filesystem::remove_all(dir);
}
