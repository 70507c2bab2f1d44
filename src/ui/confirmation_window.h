#pragma once
// Yes or No, asked modally; the answer is also left in game.Confirmed.
#include <string>

#include "ui/game_dialog.h"

class QPushButton;

class Confirmation_Window : public Game_Dialog {
    Q_OBJECT
public:
    Confirmation_Window(Game& game, QWidget* parent = nullptr);
    bool Run(const std::string& caption);

private:
    QPushButton* Yes;
    QPushButton* No;
};
