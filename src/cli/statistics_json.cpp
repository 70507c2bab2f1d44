#include "cli/statistics_json.h"

#include "cli/json.h"
#include "engine/scoring/new_game_setup.h"

std::string Statistics_Json(const Statistics& s) {
    Json j;
    j.Open('{');
    j.Key("Turns_Played");
    j.Number(s.Turns_Played);
    j.Key("Levels");
    j.Open('[');
    for (std::size_t level = 0; level < s.Levels.size(); ++level) {
        const Level_Statistics& l = s.Levels[level];
        j.Open('{');
        j.Key("Level"); j.Text(Level_Caption(3 - static_cast<int>(level)));
        j.Key("Finished"); j.Number(Finished_Games(l));
        j.Key("Won"); j.Number(l.Won);
        j.Key("Lost"); j.Number(l.Lost);
        j.Key("Best_Score"); j.Number(l.Best_Score);
        j.Key("Best_Multiple"); j.Decimal(l.Best_Multiple);
        j.Key("Fewest_Turns"); j.Number(l.Fewest_Turns);
        j.Close('}');
    }
    j.Close(']');
    j.Key("Challenges");
    Array(j, s.Results, [&](const Challenge_Result& r) {
        j.Open('{');
        j.Key("Code"); j.Text(r.Code);
        j.Key("Date"); j.Text(r.Date);
        j.Key("Outcome"); j.Text(r.Outcome);
        j.Key("Score"); j.Number(r.Score);
        j.Key("Turns"); j.Number(r.Turns);
        j.Key("Cheated"); j.Bool(r.Cheated);
        j.Close('}');
    });
    j.Close('}');
    return j.out;
}
