// The cost of the record of the race: what a busy turn pays for it, the memory of a record at
// its caps, and the save and load of a 10,000-turn game's record.
#include <malloc.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "busy_game.h"
#include "core/numbers.h"
#include "core/turn.h"
#include "game/history.h"
#include "storage/saved_game.h"

namespace {

// The game `turns` turns on, as a long game would stand: its record full of turns and trades.
// Its own dates move on with it, so that it still loads.
void Play_On_Record(Game& game, Long turns) {
    const Long from = static_cast<Long>(game.Turn_Number.Value());
    for (Long t = from + 1; t <= from + turns; ++t) {
        game.Turn_Number.Set(static_cast<double>(t));
        Record_Turn(game);
        Record_Trade(game, Trader::Computer, "Buy", static_cast<int>(t % Stock_Count), 1234, 56, std::nullopt);
        Record_Trade(game, Trader::You, "Buy Back", static_cast<int>(t % 7), 500, 31, -1234.5);
    }
    for (int s = 0; s < Stock_Count; ++s) {
        game.Earnings[s].Report_Turn += turns;
        game.Computer_Option[s].Expires += turns;
    }
    // The busy game's options are dated for a game that plays on; these expire soon.
    for (int k = 0; k < game.Player_Option_Count; ++k)
        game.Player_Option[k].Expires = static_cast<Integer>(from + turns + 10 + k % 20);
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
        End_Turn_Menu_Click(game, rnd, screens);
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
    const std::size_t points = game.History->Points.size();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "bullquest_history_bench";
    std::filesystem::create_directories(dir);
    game.Data_Dir = dir.string();
    game.Game_File_Name = (dir / "long.bqg").string();
    for (auto _ : state) {
        Save_Game(game, screens);
        game.Status = Game_Status::Recent_Click;
        if (!Load_Game(game, screens) || game.History->Points.size() != points)
            state.SkipWithError("the long game did not load whole");
        game.Status = Game_Status::None;
    }
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(game.Game_File_Name)) / 1024.0;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Save_And_Load_Long_Record)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
