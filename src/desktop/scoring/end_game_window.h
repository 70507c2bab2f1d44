#pragma once
// The end of a game: the result in large shadowed type, the score, the name box and the
// choice between another game and quitting.
#include <string>

#include "engine/model/screens.h"
#include "desktop/parts/game_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class History_Window;

class End_Game_Window : public Game_Dialog {
    Q_OBJECT
public:
    End_Game_Window(Game_Session& session, QWidget* parent = nullptr);
    // Modal; the name box opens with the game's and comes back with what it holds then.
    End_Answer Run(const End_Of_Game_View& view);

private:
    void Recolour();
    void Quit_Clicked();

    QLabel* Ticker;
    QLabel* Score;
    QLabel* You_Made_It;
    QLabel* Name_Prompt;
    QLineEdit* Name_Text;
    QPushButton* New_Game;
    QPushButton* Exit;
    QTimer* Timer;
    Screens& screens;
    History_Window* history = nullptr;
    End_Choice choice = End_Choice::New_Game;
};
