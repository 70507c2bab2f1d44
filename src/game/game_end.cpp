#include "game/game_end.h"

#include "core/new_game.h"
#include "core/numbers.h"
#include "game/scoring.h"
#include "storage/file_messages.h"
#include "storage/winners_file.h"

namespace {
void Stop_Clock(Game& game, Screens& screens) {
    game.Game_Timer_Enabled = false;
    screens.Timer_Changed(false);
}

// Returns false when the player chose Quit: the program is ending.
bool Player_Wins(Game& game, Screens& screens, double player, double computer) {
    double score = Score(player, computer);
    std::string score_text = Number_Text(score);
    int level = Result_Level(game.Setup);
    int place = Find_Place(game.High_Scores[level], score);
    if (place < 0) {
        if (screens.Run_End_Of_Game(game, "YOU WIN!", score_text, "Sorry, you didn't make the winners circle.",
                                    "Better luck next time.", false) == End_Choice::Quit)
            return false;
        screens.Show_Winners(game);
        return true;
    }
    if (screens.Run_End_Of_Game(game, "YOU WIN!", score_text, "You made it into the winners circle!",
                                "Please enter your name:", true) == End_Choice::Quit)
        return false;
    if (game.Cheats_Enabled) game.Name_Text = "CHEATER!";
    const High_Score entry{Winner_Name(game.Name_Text), Handicap_Text(game.Setup), Int(player), Int(computer), score};
    // The place is found again in the table on the disk, which another copy of the game
    // may have changed since this one started.
    const File_Result<> stored = Change_Winners(game, [&](Winners_Table& table) {
        const int stored_place = Find_Place(table[level], score);
        if (stored_place >= 0) Enter_Place(table[level], stored_place, entry);
    });
    if (!stored) {
        // Shown for this run at least.
        Enter_Place(game.High_Scores[level], place, entry);
        Report_File_Failure(screens, File_Task::Write);
    }
    screens.Show_Winners(game);
    return true;
}
}  // namespace

void Check_Game_End(Game& game, Random& rnd, Screens& screens) {
    double player = game.Net_Worth.Value();
    double computer = game.C_Portfolio.Net_Worth.Value();
    int goal = Goal_Digits(game.Setup);
    bool go_on = true;
    if (Goal_Reached(player, goal)) {
        game.Net_Worth.Group();
        Stop_Clock(game, screens);
        go_on = Player_Wins(game, screens, player, computer);
    } else if (Goal_Reached(computer, goal)) {
        game.Net_Worth.Group();
        Stop_Clock(game, screens);
        go_on = screens.Run_End_Of_Game(game, "COMPUTER WINS!", "0", "Better luck next time.", "", false) !=
                End_Choice::Quit;
    } else {
        return;
    }
    if (!go_on) {
        game.Status = Game_Status::Terminate_Program;
        return;
    }
    Deal_New_Game(game, rnd, screens);
}

void Clear_High_Scores(Game& game, Screens& screens) {
    if (!screens.Ask_Confirmation("Clear High Scores...")) return;
    // Cleared whatever the file holds; a table that cannot be written stays as it was.
    const Winners_Table before = game.High_Scores;
    for (auto& level : game.High_Scores) level.fill(High_Score{});
    if (!Write_Winners(game)) {
        game.High_Scores = before;
        Report_File_Failure(screens, File_Task::Write);
    }
}
