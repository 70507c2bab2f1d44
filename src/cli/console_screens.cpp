#include "cli/console_screens.h"

#include "game/new_game_setup.h"

void Console_Screens::Show_Alert(const std::string& caption, const std::string& text,
                                 const std::vector<std::string>& lines) {
    out_ << "window " << caption << ": " << text;
    for (const auto& l : lines) out_ << " | " << l;
    out_ << "\n";
}

void Console_Screens::Show_Tax(const std::string& you, const std::string& computer) {
    out_ << "window Uncle Sam!: You: " << you << " | Computer: " << computer << "\n";
}

void Console_Screens::Run_New_Game_Setup(Game& game) {
    auto& s = game.Setup;
    for (const auto& [key, v] : pending_setup) {
        if (key == "goal") s.Play_To = v;
        else if (key == "handicap") s.Handicap = v;
        else if (key == "short") s.Short = v;
        else if (key == "options") s.Options = v;
        else if (key == "timelimit") s.Time_Limit = v;
        else if (key == "surprise") s.Suprise = v;
        else if (key == "frequency") s.Frequency_Slider = v;
        else if (key == "power") s.Power_Slider = v;
        else if (key == "earnings") s.Earnings_Slider = v;
    }
    pending_setup.clear();
    Difficulty_Click(game);
}

void Console_Screens::Message_Box(const std::string& text) { out_ << "window Bullquest: " << text << "\n"; }

End_Choice Console_Screens::Run_End_Of_Game(Game&, const std::string& ticker, const std::string& score,
                                            const std::string& you_made_it, const std::string&, bool) {
    out_ << "window Game over!: " << ticker << " | Score: " << score << " | " << you_made_it << "\n";
    return End_Choice::New_Game;
}
