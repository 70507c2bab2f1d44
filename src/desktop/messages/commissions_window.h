#pragma once
// The table of what each kind of trade costs.
#include "desktop/parts/game_dialog.h"

class QPushButton;

class Commissions_Window : public Game_Dialog {
    Q_OBJECT
public:
    Commissions_Window(Game_Session& session, QWidget* parent = nullptr);
    void Run();

private:
    QPushButton* Done_Button;
};
