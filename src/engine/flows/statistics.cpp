#include "engine/flows/statistics.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "engine/flows/challenge.h"
#include "engine/model/numbers.h"
#include "engine/storage/file_messages.h"

namespace {
std::string Today(const Game& game) {
    if (!game.Today.empty()) return game.Today;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return buf;
}

Challenge_Result Result_Of(const Game& game, const Challenge_Record& record) {
    const Challenge_Claim& c = record.Claim;
    return {Code_Text(record.Code), Today(game), End_Name(c.End), c.Score, c.Turn, c.Cheated};
}

void Add_Result(Statistics& s, Challenge_Result result) {
    s.Results.push_back(std::move(result));
    if (s.Results.size() > Results_Kept) s.Results.erase(s.Results.begin(), s.Results.end() - Results_Kept);
}

// One change of the file with the turns not yet counted; they stay uncounted when it fails,
// and the player is told.
void Change(Game& game, Screens& screens, const std::function<void(Statistics&)>& change) {
    if (!game.Keeps_Statistics) return;
    const double turns = static_cast<double>(game.Turns_Uncounted);
    const File_Result<> stored = Change_Statistics(game, [&](Statistics& s) {
        s.Turns_Played += turns;
        change(s);
    });
    if (!stored) return Report_File_Failure(screens, File_Task::Statistics);
    game.Turns_Uncounted = 0;
}
}  // namespace

void Count_Game_End(Game& game, Screens& screens, Winner winner, double player, double computer, double score,
                    bool challenge_ended) {
    const int level = Result_Level(game.Setup);
    const double turn = game.Turn_Number.Value();
    const bool best = winner == Winner::Player && !game.Cheats_Enabled;
    const double multiple = Round(player / (computer > 0 ? computer : 1), 2);
    Change(game, screens, [&](Statistics& s) {
        Level_Statistics& l = s.Levels[static_cast<std::size_t>(level)];
        if (winner == Winner::Player) l.Won += 1;
        else l.Lost += 1;
        if (best) {
            l.Best_Score = std::max(l.Best_Score, score);
            l.Best_Multiple = std::max(l.Best_Multiple, multiple);
            l.Fewest_Turns = l.Fewest_Turns == 0 ? turn : std::min(l.Fewest_Turns, turn);
        }
        if (challenge_ended && game.Last_Challenge) Add_Result(s, Result_Of(game, *game.Last_Challenge));
    });
}

void Leave_Game(Game& game, Screens& screens) {
    const bool challenge = game.Challenge != nullptr;
    // No draw is made between inputs: the generator stands where the last one left it.
    if (challenge) End_Challenge(game, game.Challenge->Draws, Challenge_End::Left, game.Net_Worth.Value(), game.C_Portfolio.Net_Worth.Value(), 0);
    if (!challenge && game.Turns_Uncounted == 0) return;
    Change(game, screens, [&](Statistics& s) {
        if (challenge) Add_Result(s, Result_Of(game, *game.Last_Challenge));
    });
}

void Count_Turns_Played(Game& game, Screens& screens) {
    if (game.Turns_Uncounted > 0) Change(game, screens, [](Statistics&) {});
}

File_Result<Statistics> Current_Statistics(const Game& game) {
    File_Result<Statistics> s = Read_Statistics(game);
    if (s) s->Turns_Played += static_cast<double>(game.Turns_Uncounted);
    return s;
}

bool Reset_Statistics(Game& game, Screens& screens) {
    if (!screens.Ask_Confirmation("Reset Statistics...")) return false;
    // Emptied whatever the file held, a damaged one too.
    if (!Write_Statistics(game, Statistics{})) {
        Report_File_Failure(screens, File_Task::Statistics);
        return false;
    }
    game.Turns_Uncounted = 0;
    return true;
}
