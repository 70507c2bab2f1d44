#include "engine/flows/game_end.h"

#include "engine/flows/challenge.h"
#include "engine/flows/new_game.h"
#include "engine/flows/statistics.h"
#include "engine/model/numbers.h"
#include "engine/scoring/scoring.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/winners_file.h"

namespace {
void Stop_Clock(Game& game, Screens& screens) {
    game.Game_Timer_Enabled = false;
    screens.Timer_Changed(false);
}

// The window's answer; the name box keeps what it held when the window closed.
End_Choice Ask(Game& game, Screens& screens, const End_Of_Game_View& view) {
    const End_Answer answer = screens.Run_End_Of_Game(game, view);
    game.Name_Text = answer.Name;
    return answer.Choice;
}

End_Choice Player_Wins(Game& game, Screens& screens, double player, double computer) {
    double score = Score(player, computer);
    std::string score_text = Number_Text(score);
    int level = Result_Level(game.Setup);
    int place = Find_Place(game.High_Scores[level], score);
    if (place < 0) {
        if (Ask(game, screens, {"YOU WIN!", score_text, "Sorry, you didn't make the winners circle.",
                                "Better luck next time.", false}) == End_Choice::Quit)
            return End_Choice::Quit;
        screens.Show_Winners(game);
        return End_Choice::New_Game;
    }
    if (Ask(game, screens, {"YOU WIN!", score_text, "You made it into the winners circle!", "Please enter your name:",
                            true}) == End_Choice::Quit)
        return End_Choice::Quit;
    if (game.Cheats_Enabled) game.Name_Text = "CHEATER!";
    const High_Score entry{Winner_Name(game.Name_Text), Handicap_Text(game.Setup), Int(player), Int(computer), score};
    if (!game.Keeps_Winners) {
        Enter_Place(game.High_Scores[level], place, entry);
        screens.Show_Winners(game);
        return End_Choice::New_Game;
    }
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
    return End_Choice::New_Game;
}
}  // namespace

End_Choice End_Game(Game& game, Random& rnd, Screens& screens, Winner winner) {
    const double player = game.Net_Worth.Value(), computer = game.C_Portfolio.Net_Worth.Value();
    game.Net_Worth.Group();
    Stop_Clock(game, screens);
    // The record and the statistics are kept before the windows, which may end the program.
    const double score = winner == Winner::Player ? Score(player, computer) : 0;
    const bool challenge = game.Challenge != nullptr;
    End_Challenge(game, rnd.Draws(), winner == Winner::Player ? Challenge_End::Won : Challenge_End::Lost, player, computer, score);
    Count_Game_End(game, screens, winner, player, computer, score, challenge);
    const End_Choice choice =
        winner == Winner::Player
            ? Player_Wins(game, screens, player, computer)
            : Ask(game, screens, {"COMPUTER WINS!", "0", "Better luck next time.", "", false});
    if (choice == End_Choice::Quit) return choice;
    Deal_New_Game(game, rnd, screens);
    return End_Choice::New_Game;
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
