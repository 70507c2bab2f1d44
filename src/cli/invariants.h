#pragma once
// What must hold in any game, whatever was played: the soak test checks these after every
// turn and every command.
#include <string>
#include <vector>

#include "cli/driver.h"
#include "engine/model/game.h"

// The broken invariants of a game between turns, one line each; empty when all hold.
std::vector<std::string> Turn_Invariants(const Game& game);
// Right after a turn the market trend has just drifted, which keeps it within -3..3; only the
// cheat moves it farther, up to the -6..6 of Turn_Invariants.
std::vector<std::string> Drift_Invariants(const Game& game);
// A command may not take the two players together past an exchange limit (a split may;
// that is not a command).
std::vector<std::string> Command_Invariants(const Game& before, const Game& after);

// Checks the invariants after every turn and every command of a console game, and that a game
// saved by a command loads again as the same game. Stops noting after the first break.
class Invariant_Watch : public Console_Observer {
public:
    long long turns = 0;
    long long highest_turn = 0;       // the highest turn number a game reached
    std::vector<std::string> broken;  // "turn T after `command`: what"

    void After_Turn(const Game& game) override;
    void After_Command(const std::string& line, const Game& before, const Game& after) override;
    // The save command `line` and a load of its file right after it: `loaded` is what Load_Game
    // made of the file, checked as After_Command checks a save, without loading the file again.
    void After_Save_And_Load(const std::string& line, const Game& saved, const Game& loaded);

private:
    void Note(const std::vector<std::string>& found, const std::string& command);
};
