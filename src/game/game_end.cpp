#include "game/game_end.h"

#include "core/new_game.h"
#include "core/numbers.h"
#include "game/scoring.h"
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
    Enter_Place(game.High_Scores[level], place,
                High_Score{Winner_Name(game.Name_Text), Handicap_Text(game.Setup), Int(player), Int(computer), score});
    if (!Write_Winners(game)) screens.Message_Box("Error: Cannot write to file.");
    screens.Show_Winners(game);
    return true;
}
}  // namespace

void Check_Game_End(Game& game, Random& rnd, Screens& screens) {
    double player = Locale_Value(game.Net_Worth);
    double computer = Locale_Value(game.C_Portfolio.Net_Worth);
    int goal = Goal_Digits(game.Setup);
    bool go_on = true;
    if (Goal_Reached(player, goal)) {
        game.Net_Worth = Add_Commas(game.Net_Worth);
        Stop_Clock(game, screens);
        go_on = Player_Wins(game, screens, player, computer);
    } else if (Goal_Reached(computer, goal)) {
        game.Net_Worth = Add_Commas(game.Net_Worth);
        Stop_Clock(game, screens);
        go_on = screens.Run_End_Of_Game(game, "COMPUTER WINS!", "0", "Better luck next time.", "", false) !=
                End_Choice::Quit;
    } else {
        return;
    }
    if (!go_on) {
        game.Status = "TERMINATE_PROGRAM";
        return;
    }
    game.Status = "FORCE_NEW_GAME";
    New_Game_Menu_Click(game, rnd, screens);
    game.Status = "";
}

void Clear_High_Scores(Game& game, Screens& screens) {
    if (!screens.Ask_Confirmation("Clear High Scores...")) return;
    for (auto& level : game.High_Scores) level.fill(High_Score{});
    if (!Write_Winners(game)) screens.Message_Box("Error: Cannot write to file.");
}
