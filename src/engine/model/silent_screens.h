#pragma once
// Windows that show nothing and answer every question the same way: yes to a confirmation,
// `answer` to an input box, a new game when a game ends, no file chosen, the setup as it
// stands. The benchmarks, the fuzz targets and the window gallery play the engine through it.
#include "engine/model/game.h"
#include "engine/model/screens.h"

class Silent_Screens : public Screens {
public:
    std::optional<std::string> answer;  // what every input box is answered with

    void Show_Alert(const std::string&, const std::string&, const std::vector<std::string>&) override {}
    void Show_Tax(const std::string&, const std::string&) override {}
    bool Ask_Confirmation(const std::string&) override { return true; }
    Settings Run_New_Game_Setup(const Game& game) override;
    void Message_Box(const std::string&) override {}
    void Beep() override {}
    std::optional<std::string> Input_Box(const std::string&, const std::string&) override { return answer; }
    End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View&) override;
    void Show_Winners(const Game&) override {}
    void Show_Help(int) override {}
    std::optional<std::string> Choose_Open_File(const std::string&) override { return std::nullopt; }
    std::optional<std::string> Choose_Save_File(const std::string&) override { return std::nullopt; }
};

inline Settings Silent_Screens::Run_New_Game_Setup(const Game& game) { return game.Setup; }
inline End_Answer Silent_Screens::Run_End_Of_Game(const Game& game, const End_Of_Game_View&) {
    return {End_Choice::New_Game, game.Name_Text};
}
