#pragma once
// The first window a player sees: new game, load game or help. It only reports the choice;
// the main window acts on it and hides this one.
#include "desktop/parts/game_dialog.h"

class QPushButton;

class Start_Window : public Game_Dialog {
    Q_OBJECT
public:
    Start_Window(Game_Session& session, QWidget* parent = nullptr);

signals:
    void New_Game_Chosen();
    void Load_Game_Chosen();
    void Help_Chosen();

private:
    QPushButton* New;
    QPushButton* Load;
    QPushButton* Startup_Help;
};
