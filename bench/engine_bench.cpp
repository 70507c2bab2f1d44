// The engine's speed: a whole turn of a busy game, a new game with its market build, and a
// save and load of a busy game.
#include <filesystem>

#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "core/new_game.h"
#include "core/turn.h"
#include "storage/saved_game.h"

static void BM_Whole_Turn(benchmark::State& state) {
    Random rnd(3);
    Quiet_Screens screens;
    const Game start = Busy_Game(rnd, screens, static_cast<int>(state.range(0)));
    Game game = start;
    int turns = 0, deals = 0;
    for (auto _ : state) {
        // The opponent's options can carry it to even the farthest goal in about 70 turns;
        // starting again from the busy market every 50 keeps every timed turn a busy one.
        if (++turns % 50 == 0) {
            state.PauseTiming();
            game = start;
            state.ResumeTiming();
        }
        End_Turn_Menu_Click(game, rnd, screens);
        if (game.Turn_Number.Value() == 1) ++deals;
    }
    state.counters["new_deals"] = deals;  // 0, or the figure includes dealing new markets
}
// The argument is the player's options per stock: 3 is 126 positions, 1 is 42.
BENCHMARK(BM_Whole_Turn)->Arg(3)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_New_Game(benchmark::State& state) {
    Random rnd(5);
    Quiet_Screens screens;
    Game game;
    Init_Game(game);
    game.Status = Game_Status::Force_New_Game;
    for (auto _ : state) New_Game_Menu_Click(game, rnd, screens);
}
BENCHMARK(BM_New_Game)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// Save Game to its file and Load Game from the recent list: the whole round trip of a busy
// game through the disk, records, cipher and the load's recomputation included.
static void BM_Save_And_Load(benchmark::State& state) {
    Random rnd(9);
    Quiet_Screens screens;
    Game game = Busy_Game(rnd, screens);
    for (int t = 0; t < 30; ++t) End_Turn_Menu_Click(game, rnd, screens);
    // The busy holdings' options are dated for a game that plays on; a saved game's options
    // expire within the turns the options window offers, or the load calls the file damaged.
    const auto turn = static_cast<Long>(game.Turn_Number.Value());
    for (int k = 0; k < game.Player_Option_Count; ++k)
        game.Player_Option[k].Expires = static_cast<Integer>(turn + 1 + k % 30);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "bullquest_bench";
    std::filesystem::create_directories(dir);
    game.Data_Dir = dir.string();
    game.Game_File_Name = (dir / "busy.bqg").string();
    for (auto _ : state) {
        Save_Game(game, screens);
        game.Status = Game_Status::Recent_Click;
        if (!Load_Game(game, screens)) state.SkipWithError("the saved game did not load");
        game.Status = Game_Status::None;
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Save_And_Load)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
