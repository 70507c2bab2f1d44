#include "game/game_end.h"

#include "core/new_game.h"
#include "core/numbers.h"
#include "game/scoring.h"
#include "storage/winners_file.h"

namespace {

void Stop_Clock(Game& game, Screens& screens) {
    game.Net_Worth = Add_Commas(game.Net_Worth);
    game.Game_Timer_Enabled = false;
    screens.Timer_Changed(false);
}

void Save_Winners(Game& game, Screens& screens) {
    if (!Write_Winners(game)) screens.Message_Box("Error: Cannot write to file.");
}

// Returns false when the player chose to quit from the end-of-game window.
bool Player_Wins(Game& game, Screens& screens, double player, double computer) {
    Stop_Clock(game, screens);
    double score = Score(player, computer);
    std::string score_text = Number_Text(score);
    auto& level = game.High_Scores[Result_Level(game.Setup)];
    int k = Find_Place(level, score);
    if (k < 0) {
        End_Choice c = screens.Run_End_Of_Game(game, "YOU WIN!", score_text, "Sorry, you didn't make the winners circle.",
                                               "Better luck next time.", false);
        if (c == End_Choice::Quit) return false;
        screens.Show_Winners(game);
        return true;
    }
    End_Choice c = screens.Run_End_Of_Game(game, "YOU WIN!", score_text, "You made it into the winners circle!",
                                           "Please enter your name:", true);
    if (c == End_Choice::Quit) return false;
    if (game.Cheats_Enabled) game.Name_Text = "CHEATER!";
    Enter_Place(level, k, High_Score{game.Name_Text, Handicap_Text(game.Setup), Int(player), Int(computer), score});
    Save_Winners(game, screens);
    screens.Show_Winners(game);
    return true;
}

bool Computer_Wins(Game& game, Screens& screens) {
    Stop_Clock(game, screens);
    End_Choice c = screens.Run_End_Of_Game(game, "COMPUTER WINS!", "0", "Better luck next time.", "", false);
    return c != End_Choice::Quit;
}

}  // namespace

void Check_Game_End(Game& game, Random& rnd, Screens& screens) {
    double player = Locale_Number(game.Net_Worth);
    double computer = Locale_Number(game.C_Portfolio.Net_Worth);
    int goal = Goal_Digits(game.Setup);
    bool go_on;
    if (Goal_Reached(player, goal)) go_on = Player_Wins(game, screens, player, computer);
    else if (Goal_Reached(computer, goal)) go_on = Computer_Wins(game, screens);
    else return;
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
    for (auto& level : game.High_Scores)
        for (auto& record : level) record = High_Score{};
    Save_Winners(game, screens);
}
