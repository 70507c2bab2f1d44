#pragma once
// Inputs that reach a game being played, shared by the fuzz targets and their corpus test:
// a saved game that loads and is then played with trades of every kind, and a script of
// console commands. A refused input is fine; a broken invariant, and whatever the sanitizers
// catch, is a bug and throws Fuzz_Failure.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/driver.h"
#include "cli/invariants.h"
#include "engine/flows/challenge.h"
#include "engine/flows/cheats.h"
#include "engine/flows/player_input.h"
#include "engine/flows/verify_result.h"
#include "engine/model/random.h"
#include "engine/model/silent_screens.h"
#include "engine/flows/turn.h"
#include "fuzz_readers.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

namespace fuzz {

// Windows that answer every question the same way and show nothing.
using Quiet_Screens = Silent_Screens;

inline void Check(const std::vector<std::string>& broken, const std::string& when) {
    if (!broken.empty()) throw Fuzz_Failure(when + ": " + broken.front());
}

// Trades of every kind on stock s with quantity q, as a player would make them between turns:
// through the one function every input goes through, so that a challenge records them.
inline void Trade_Everything(Game& game, Random& rnd, Screens& screens, int s, const std::string& q) {
    const Typed_Quantity typed = Read_Quantity(q);
    using Kind = Player_Input::Kind;
    Play_Input(game, rnd, screens, Player_Input::Trade(Kind::Buy, s, typed));
    if (int held = First_Stock_Held(game); held >= 0) Play_Input(game, rnd, screens, Player_Input::Trade(Kind::Sell, held, typed));
    for (Kind kind : {Kind::Sell_Short, Kind::Buy_Back}) Play_Input(game, rnd, screens, Player_Input::Trade(kind, s, typed));
    Option_Form form;
    form.Stock = s;
    for (bool buy : {true, false}) {
        form.Buy = buy;
        form.Calls = s % 2 == 0;
        Choose_Strike_And_Expiry(game, form);
        form.Number = typed;
        Play_Input(game, rnd, screens, Player_Input::Option_Trade(form));
    }
    if (game.Player_Option_Count > 0 && Prefill_From_Grid(game, form, 0) == Grid_Close::Ready)
        Play_Input(game, rnd, screens, Player_Input::Option_Trade(form));
}

// A saved game loaded over a fresh program, played for a few turns and saved again; false
// when the load refuses the file.
inline bool Saved_Game_Played(const std::string& input) {
    std::optional<Game> loaded = Loaded_Game(Base_Game(), input);
    if (!loaded) return false;
    Game game = std::move(*loaded);
    Check(Turn_Invariants(game), "after the load");
    Quiet_Screens screens;
    Random rnd(static_cast<std::uint32_t>(input.size()));
    static const char* const quantities[] = {"7", "1", "100000000", "0.5", "5000"};
    for (int turn = 0; turn < 4; ++turn) {
        Trade_Everything(game, rnd, screens, (turn * 11 + static_cast<int>(input.size())) % Stock_Count,
                         quantities[turn]);
        if (game.Cheats_Enabled)
            Play_Input(game, rnd, screens, Player_Input::Set_Cheat(Cheat::Market_Trend, turn % 2 ? "6" : "-6"));
        Check(Turn_Invariants(game), "after the trades");
        Play_Input(game, rnd, screens, Player_Input::End_Turn());
        Check(Turn_Invariants(game), "after a turn");
    }
    // What was played saves into a file that loads as the same game, a challenge's record and all;
    // and a challenge's result verifies.
    if (game.Has_Game && !Saved_Game(Saved_Game_Text(game))) throw Fuzz_Failure("a played game's save does not load");
    if (Challenge_To_Export(game) && !Verify_Result(Result_Text(game)).Verified)
        throw Fuzz_Failure("a challenge played from a saved game does not verify: " + Verify_Result(Result_Text(game)).Text);
    return true;
}

// The data folder and working files of console scripts, emptied before each script.
inline const std::string& Console_Dir() {
    static const std::string dir = Data_Dir() + "/console";
    return dir;
}

// A script of console commands played against the invariants. Lines that would only make a
// script slow (more than a few turns at once) or reach files outside the scratch folder are
// changed first: `end N` is capped, and a file name keeps only its plain characters.
inline bool Console_Script(const std::string& input) {
    std::istringstream lines(input);
    std::string line, script;
    long long turns_left = 200;
    while (std::getline(lines, line)) {
        const std::string verb = line.substr(0, line.find(' '));
        if (verb == "end") {
            if (turns_left <= 0) continue;
            const std::string rest = line.size() > 4 ? line.substr(4) : "";
            if (!rest.empty() && rest.find_first_not_of("0123456789") == std::string::npos && rest.size() < 12) {
                const long long n = std::min(std::stoll(rest), turns_left);
                turns_left -= n;
                line = "end " + std::to_string(n);
            }
        } else if (verb == "save" || verb == "load") {
            std::string name;
            for (char ch : line.substr(verb.size()))
                if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '.' || ch == '_') name += ch;
            if (name.empty() || name.find("..") != std::string::npos) continue;
            line = verb + " " + Console_Dir() + "/" + name;
        }
        script += line + "\n";
    }
    std::error_code ignored;
    std::filesystem::remove_all(Console_Dir(), ignored);
    std::filesystem::create_directories(Console_Dir());
    std::istringstream in(script);
    std::ostringstream out;
    Invariant_Watch watch;
    Run_Console(in, out, 1, Console_Dir(), &watch);
    if (!watch.broken.empty()) throw Fuzz_Failure(watch.broken.front());
    return true;
}

}  // namespace fuzz
