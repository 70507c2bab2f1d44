#pragma once
// The only way the engine reaches windows. The desktop game implements it with Qt,
// the console driver by printing, the tests with a recorder. Every window only reads the game;
// what the player chose comes back as the answer.
#include <optional>
#include <string>
#include <vector>

#include "engine/model/challenge_code.h"

struct Game;
struct Settings;

enum class End_Choice { New_Game, Quit };

// What the end-of-game window shows.
struct End_Of_Game_View {
    std::string Ticker, Score, You_Made_It, Name_Prompt;
    bool Name_Enabled = false;
};

// How the player left it, and what the name box then held.
struct End_Answer {
    End_Choice Choice = End_Choice::New_Game;
    std::string Name;
};

class Screens {
public:
    virtual ~Screens() = default;
    // The alert window, modal: caption, heading text and its list lines.
    virtual void Show_Alert(const std::string& caption, const std::string& text,
                            const std::vector<std::string>& lines) = 0;
    // The tax window, modal, with the two value labels.
    virtual void Show_Tax(const std::string& you, const std::string& computer) = 0;
    // The Confirmation window with its caption; true for Yes.
    virtual bool Ask_Confirmation(const std::string& caption) = 0;
    // The new-game setup window, modal, showing game.Setup; returns the settings chosen when
    // the player presses Go. The engine then builds the market.
    virtual Settings Run_New_Game_Setup(const Game& game) = 0;
    // The code the setup window's "Challenge code" box held when Go was pressed (asked right
    // after Run_New_Game_Setup); nothing for an ordinary game. The window refuses a mistyped
    // code itself (Read_Code), so what comes back is a code.
    virtual std::optional<Challenge_Code> Setup_Challenge(const Game& game) {
        (void)game;
        return std::nullopt;
    }
    // The setup window's progress bar during the market build (0..100).
    virtual void Setup_Progress(int value) { (void)value; }
    virtual void Message_Box(const std::string& text) = 0;
    virtual void Beep() = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> Input_Box(const std::string& title, const std::string& prompt) = 0;
    // The end-of-game window, modal; its name box opens with game.Name_Text.
    virtual End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) = 0;
    virtual void Show_Winners(const Game& game) = 0;
    virtual void Show_Help(int context) = 0;
    // File dialogs with the "Bullquest Files (*.bqg)" filter starting in the data folder.
    virtual std::optional<std::string> Choose_Open_File(const std::string& start_dir) = 0;
    virtual std::optional<std::string> Choose_Save_File(const std::string& start_dir) = 0;
    // The one-second turn timer was switched on or off (game.Game_Timer_Enabled).
    virtual void Timer_Changed(bool enabled) { (void)enabled; }
    // A turn begins: the main window's quick quote is cleared.
    virtual void Turn_Begins() {}
    // A new game was dealt or a game loaded: the trade, research and options windows
    // select their first symbol and the chart starts again from nothing.
    virtual void Windows_Reset() {}
};
