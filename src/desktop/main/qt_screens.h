#pragma once
// The desktop game's Screens: every request of the engine shown in a Qt window. The windows
// are made on first use, parented to the main window, and kept until the program ends.
#include <QObject>
#include <QWidget>

#include "engine/model/game.h"
#include "engine/model/screens.h"
#include "desktop/main/game_session.h"

class Alert_Window;
class Confirmation_Window;
class End_Game_Window;
class New_Game_Setup_Window;
class Tax_Window;
class Winners_Window;

class Qt_Screens : public QObject, public Screens {
    Q_OBJECT
public:
    Qt_Screens(Game_Session& session, QWidget* owner);

    void Show_Alert(const std::string& caption, const std::string& text,
                    const std::vector<std::string>& lines) override;
    void Show_Tax(const std::string& you, const std::string& computer) override;
    bool Ask_Confirmation(const std::string& caption) override;
    Settings Run_New_Game_Setup(const Game& game) override;
    std::optional<Challenge_Code> Setup_Challenge(const Game& game) override;
    void Setup_Progress(int value) override;
    void Message_Box(const std::string& text) override;
    void Beep() override;
    // The player's choice: a refusal beeps, or only flashes.
    void Sound_Refusals(bool on) { beep_on = on; }
    bool Refusals_Sound() const { return beep_on; }
    std::optional<std::string> Input_Box(const std::string& title, const std::string& prompt) override;
    End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) override;
    void Show_Winners(const Game& game) override;
    void Show_Help(int context) override;
    std::optional<std::string> Choose_Open_File(const std::string& start_dir) override;
    std::optional<std::string> Choose_Save_File(const std::string& start_dir) override;
    void Timer_Changed(bool enabled) override;
    void Turn_Begins() override;
    void Windows_Reset() override;
    // Game > Export Result...'s file dialog, "Bullquest Results (*.bqr)", starting in `start_dir`.
    std::optional<std::string> Choose_Result_File(const std::string& start_dir);

    // The windows made so far (null until first use), for the main window's close.
    Alert_Window* Alert() const { return alert; }
    Confirmation_Window* Confirmation() const { return confirmation; }
    End_Game_Window* End_Game() const { return end_game; }
    New_Game_Setup_Window* Setup() const { return setup; }
    Tax_Window* Uncle_Sam() const { return tax; }
    Winners_Window* Winners() const { return winners; }

signals:
    // A modal window of the engine is about to open: the main window shows the state first.
    void Before_Modal();
    void Timer_Switched(bool enabled);
    void Game_Reset();
    void Turn_Began();

private:
    Game_Session& session;
    QWidget* owner;
    class Help_Viewer_Window* help_viewer = nullptr;  // made at the first request, then reused
    Alert_Window* alert = nullptr;
    Confirmation_Window* confirmation = nullptr;
    End_Game_Window* end_game = nullptr;
    New_Game_Setup_Window* setup = nullptr;
    Tax_Window* tax = nullptr;
    Winners_Window* winners = nullptr;
    bool beep_on = true;
};
