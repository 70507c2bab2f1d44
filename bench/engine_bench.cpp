// The engine's speed: a whole turn of a busy game, a new game with its market build, and a
// save and load of a busy game.
#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "save_and_load.h"
#include "engine/flows/challenge.h"
#include "engine/model/challenge_record.h"
#include "engine/flows/new_game.h"
#include "engine/flows/player_input.h"
#include "engine/flows/turn.h"

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
        Play_Turn(game, rnd, screens);
        if (game.Turn_Number.Value() == 1) ++deals;
    }
    state.counters["new_deals"] = deals;  // 0, or the figure includes dealing new markets
}
// The argument is the player's options per stock: 3 is 126 positions, 1 is 42.
BENCHMARK(BM_Whole_Turn)->Arg(3)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

// END TURN as the windows and the console play it, through Play_Input; with the second argument
// 1 a challenge is in play and records every turn.
static void BM_Input_Turn(benchmark::State& state) {
    Random rnd(3);
    Quiet_Screens screens;
    const Game start = Busy_Game(rnd, screens, static_cast<int>(state.range(0)));
    const bool challenge = state.range(1) == 1;
    const Challenge_Code code = Make_Code(rnd.Seed_Value(), start.Setup);
    Game game = start;
    if (challenge) Begin_Challenge(game, rnd, code);
    int turns = 0, deals = 0;
    for (auto _ : state) {
        if (++turns % 50 == 0) {
            state.PauseTiming();
            game = start;
            if (challenge) Begin_Challenge(game, rnd, code);  // a record of its own, where the generator stands
            state.ResumeTiming();
        }
        Play_Input(game, rnd, screens, Player_Input::End_Turn());
        if (game.Turn_Number.Value() == 1) ++deals;
    }
    state.counters["new_deals"] = deals;
}
BENCHMARK(BM_Input_Turn)->Args({3, 0})->Args({3, 1})->Repetitions(5)->ReportAggregatesOnly(true);

// What a challenge adds to each input: the digest of the game after it.
static void BM_State_Digest(benchmark::State& state) {
    Random rnd(3);
    Quiet_Screens screens;
    const Game game = Busy_Game(rnd, screens);
    for (auto _ : state) benchmark::DoNotOptimize(State_Digest(game, rnd.Draws()));
}
BENCHMARK(BM_State_Digest)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_New_Game(benchmark::State& state) {
    Random rnd(5);
    Quiet_Screens screens;
    Game game;
    Init_Game(game);
    for (auto _ : state) Deal_New_Game(game, rnd, screens);
}
BENCHMARK(BM_New_Game)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// Save Game and Load Game of a busy game.
static void BM_Save_And_Load(benchmark::State& state) {
    Random rnd(9);
    Quiet_Screens screens;
    Game game = Busy_Game(rnd, screens);
    for (int t = 0; t < 30; ++t) Play_Turn(game, rnd, screens);
    Move_Dates_On(game, 0);  // a load refuses options dated beyond the offered turns
    Time_Save_And_Load(state, game, screens, "busy");
}
BENCHMARK(BM_Save_And_Load)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
