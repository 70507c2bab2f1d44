#include "cli/console_screens.h"

void Console_Screens::Show_Alert(const std::string& caption, const std::string& text,
                                 const std::vector<std::string>& lines) {
    out_ << "window " << caption << ": " << text;
    for (const auto& l : lines) out_ << " | " << l;
    out_ << "\n";
}

void Console_Screens::Show_Tax(const std::string& you, const std::string& computer) {
    out_ << "window Uncle Sam!: You: " << you << " | Computer: " << computer << "\n";
}

Settings Console_Screens::Run_New_Game_Setup(const Game& game) {
    Settings s = With_Keys(game.Setup, pending_setup);
    pending_setup.clear();
    return s;
}

Settings Console_Screens::With_Keys(Settings s, const std::map<std::string, int>& keys) {
    for (const auto& [key, v] : keys) {
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
    return s;
}

void Console_Screens::Message_Box(const std::string& text) { out_ << "window Bullquest: " << text << "\n"; }

End_Answer Console_Screens::Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) {
    out_ << "window Game over!: " << view.Ticker << " | Score: " << view.Score << " | " << view.You_Made_It << "\n";
    // The box holds what was last typed into it, or what the game last put there.
    End_Answer answer{End_Choice::New_Game, typed_name.value_or(game.Name_Text)};
    typed_name.reset();
    return answer;
}
