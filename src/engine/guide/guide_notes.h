#pragma once
// The guide: short notes that explain a first game as it goes. After each input of the player
// (and after a new game or a load) this rule says which notes the moment calls for, each with
// the figures of that moment. Which of them the player has already seen is the guide book's
// business (guide/guide_book.h); this rule reads the game and changes nothing.
#include <array>
#include <string>
#include <vector>

#include "engine/flows/player_input.h"
#include "engine/model/game.h"

struct Guide_Note {
    std::string Key;         // stable across versions: what the settings file records as seen
    std::string Text;        // one paragraph in plain words, with the figures of the moment
    std::string Help_Topic;  // the topic that explains it, a name of Help_Topic_Table()
    int Help_Context = 1;    // and its context number
};

// Every note's key, in the order the notes of one moment come in.
const std::vector<std::string>& Guide_Note_Keys();

// What an input changes that the notes compare with: taken just before it is played.
struct Guide_Before {
    double Cash = 0, Net_Worth = 0, Computer_Worth = 0, Index = 0;
    std::array<double, Stock_Count> Price{};
    std::array<double, Stock_Count> Short_Shares{};  // the player's
};
Guide_Before Before_Input(const Game& game);

// The notes `input`, played from `before` to `game` with `result`, calls for, seen or not. A
// refused input calls only for what the game's state does.
std::vector<Guide_Note> Notes_Due(const Game& game, const Guide_Before& before, const Player_Input& input,
                                  const Input_Result& result);
// The notes the state alone calls for: after a new game, a load, the start-up.
std::vector<Guide_Note> Notes_Due(const Game& game);
