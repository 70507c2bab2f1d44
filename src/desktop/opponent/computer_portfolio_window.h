#pragma once
// The computer's holdings as the engine last computed them.
#include "desktop/parts/game_dialog.h"

class QLabel;
class QPushButton;
class QTableWidget;
class Screens;

class Computer_Portfolio_Window : public Game_Dialog {
    Q_OBJECT
public:
    Computer_Portfolio_Window(Game_Session& session, QWidget* parent = nullptr);
    // Shows the window over the main one; nothing is recomputed.
    void Open();
    // Repaints cash, net worth and the grid from the game.
    void Refresh();

private:
    QLabel* Cash_View;
    QLabel* Net_Worth;
    QTableWidget* Stock_Portfolio;
    QPushButton* OKButton;
};
