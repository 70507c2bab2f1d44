// The cost of the record of the race: what a busy turn pays for it, the memory of a record at
// its caps, and the save and load of a 10,000-turn game's record and of a full one.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "save_and_load.h"
#include "engine/flows/turn.h"
#include "engine/history/history.h"

namespace {

// The game `turns` turns on, as a long game would stand: its record full of turns and trades.
void Play_On_Record(Game& game, Long turns) {
    const Long from = static_cast<Long>(game.Turn_Number.Value());
    for (Long t = from + 1; t <= from + turns; ++t) {
        game.Turn_Number.Set(static_cast<double>(t));
        Record_Turn(game);
        Record_Trade(game, Trader::Computer, "Buy", static_cast<int>(t % Stock_Count), 1234, 56, std::nullopt);
        Record_Trade(game, Trader::You, "Buy Back", static_cast<int>(t % 7), 500, 31, -1234.5);
    }
    Move_Dates_On(game, turns);
}

double Heap_MB() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

}  // namespace

// A busy turn with the record kept (1) and without it (0).
static void BM_Turn_With_Record(benchmark::State& state) {
    Random rnd(3);
    Quiet_Screens screens;
    Game start = Busy_Game(rnd, screens);
    if (state.range(0) == 0) start.History.reset();
    // A copy of a game shares its record; each run from the start gets one of its own.
    const auto from_start = [&start] {
        Game game = start;
        if (game.History) game.History = std::make_shared<Game_History>(*start.History);
        return game;
    };
    Game game = from_start();
    int turns = 0;
    for (auto _ : state) {
        if (++turns % 50 == 0) {
            state.PauseTiming();
            game = from_start();
            state.ResumeTiming();
        }
        Play_Turn(game, rnd, screens);
    }
}
BENCHMARK(BM_Turn_With_Record)->Arg(1)->Arg(0)->Repetitions(5)->ReportAggregatesOnly(true);

// The heap a record takes at its caps: the newest 100,000 turns and 20,000 journal entries.
static void BM_Record_Memory(benchmark::State& state) {
    Random rnd(4);
    Quiet_Screens screens;
    for (auto _ : state) {
        Game game = Busy_Game(rnd, screens);
        const double before = Heap_MB();
        Play_On_Record(game, static_cast<Long>(History_Turns_Kept) + 1000);
        state.counters["record_MB"] = Heap_MB() - before;
        state.counters["points"] = static_cast<double>(game.History->Points.size());
        state.counters["entries"] = static_cast<double>(game.History->Journal.size());
    }
}
BENCHMARK(BM_Record_Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Save Game and Load Game of a game at turn 10,000 whose record is full: 10,000 turns and
// 20,000 journal entries, through the disk as BM_Save_And_Load.
static void BM_Save_And_Load_Long_Record(benchmark::State& state) {
    Random rnd(9);
    Quiet_Screens screens;
    Game game = Busy_Game(rnd, screens);
    Play_On_Record(game, 10000);
    Time_Save_And_Load(state, game, screens, "long");
}
BENCHMARK(BM_Save_And_Load_Long_Record)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

namespace {
// A game of 101,000 turns whose record is at its caps, with figures as wide as a long game's:
// net worths of ten digits and more, an index of six, a few with cents.
Game Full_Record_Game(Random& rnd, Quiet_Screens& screens) {
    Game game = Busy_Game(rnd, screens);
    const Long from = static_cast<Long>(game.Turn_Number.Value());
    const Long turns = static_cast<Long>(History_Turns_Kept) + 1000;
    const Game figures = game;  // the game's own, which its load checks against its market
    for (Long t = from + 1; t <= from + turns; ++t) {
        game.Turn_Number.Set(static_cast<double>(t));
        game.Net_Worth.Set(-6075774524.0 + 9137.0 * t + (t % 5 == 0 ? 0.25 : 0));
        game.C_Portfolio.Net_Worth.Set(358204.0 + 37.0 * (t % 10000));
        game.Price[Index_Entry].Set(5140.0 + t % 700000);
        Record_Turn(game);
        if (t % 5 == 0) {
            Record_Trade(game, Trader::Computer, "Buy Put", static_cast<int>(t % Stock_Count), 5000, 8.3f, std::nullopt);
            Record_Trade(game, Trader::You, "Buy Back", static_cast<int>(t % 7), 74059, 86, -1234.5);
        }
    }
    game.Net_Worth = figures.Net_Worth;
    game.C_Portfolio.Net_Worth = figures.C_Portfolio.Net_Worth;
    game.Price[Index_Entry] = figures.Price[Index_Entry];
    Move_Dates_On(game, turns);
    return game;
}
}  // namespace

// The same round trip with the record at its caps, as every save of a game past turn 100,000.
static void BM_Save_And_Load_Full_Record(benchmark::State& state) {
    Random rnd(9);
    Quiet_Screens screens;
    Game game = Full_Record_Game(rnd, screens);
    Time_Save_And_Load(state, game, screens, "full");
}
BENCHMARK(BM_Save_And_Load_Full_Record)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// Its two halves without the disk: the file's text written (0), and read back as a game (1).
static void BM_Full_Record_Text(benchmark::State& state) {
    Random rnd(9);
    Quiet_Screens screens;
    const Game game = Full_Record_Game(rnd, screens);
    const std::string text = Saved_Game_Text(game);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(Saved_Game_Text(game).size());
        } else {
            const std::optional<Game> loaded = Loaded_Game(game, text);
            if (!loaded) state.SkipWithError("the text did not load");
        }
    }
    state.counters["file_KB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(BM_Full_Record_Text)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
