// The engine's speed: a whole turn of a busy game, and a new game with its market build.
#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "core/new_game.h"
#include "core/turn.h"

static void BM_Whole_Turn(benchmark::State& state) {
    Random rnd(3);
    Quiet_Screens screens;
    const Game start = Busy_Game(rnd, screens);
    Game game = start;
    int turns = 0;
    for (auto _ : state) {
        // Options lapse and goals end games; start again from the busy market now and then.
        if (++turns % 400 == 0) {
            state.PauseTiming();
            game = start;
            state.ResumeTiming();
        }
        End_Turn_Menu_Click(game, rnd, screens);
    }
}
BENCHMARK(BM_Whole_Turn)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_New_Game(benchmark::State& state) {
    Random rnd(5);
    Quiet_Screens screens;
    Game game;
    Init_Game(game);
    game.Status = "FORCE_NEW_GAME";
    for (auto _ : state) New_Game_Menu_Click(game, rnd, screens);
}
BENCHMARK(BM_New_Game)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
