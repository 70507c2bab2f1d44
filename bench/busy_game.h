#pragma once
// A game in full swing for the benchmarks: both players hold stock, shorts and options,
// with the options and short settings on and the busiest news settings.
#include "core/game.h"
#include "core/random.h"
#include "core/screens.h"

// Answers every window at once, as a player who never hesitates.
class Quiet_Screens : public Screens {
public:
    void Show_Alert(const std::string&, const std::string&, const std::vector<std::string>&) override {}
    void Show_Tax(const std::string&, const std::string&) override {}
    bool Ask_Confirmation(const std::string&) override { return true; }
    void Run_New_Game_Setup(Game& game) override;
    void Message_Box(const std::string&) override {}
    void Beep() override {}
    std::optional<std::string> Input_Box(const std::string&, const std::string&) override { return std::nullopt; }
    End_Choice Run_End_Of_Game(Game&, const std::string&, const std::string&, const std::string&,
                               const std::string&, bool) override { return End_Choice::New_Game; }
    void Show_Winners(Game&) override {}
    void Show_Help(int) override {}
    std::optional<std::string> Choose_Open_File(const std::string&) override { return open_answer; }
    std::optional<std::string> Choose_Save_File(const std::string&) override { return save_answer; }

    std::optional<std::string> open_answer, save_answer;
};

// Gives both players their busy holdings in a game already dealt.
// Every stock held and every third one short; `options_per_stock` (up to 3) positions on each.
void Fill_Portfolios(Game& game, int options_per_stock = 3);
Game Busy_Game(Random& rnd, Quiet_Screens& screens, int options_per_stock = 3);
