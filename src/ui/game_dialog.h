#pragma once
// Every secondary window of the game: created once, hidden by its own buttons, and deaf to
// the title bar's close box until the program itself is ending.
#include <QDialog>

#include "core/game.h"

class Game_Dialog : public QDialog {
    Q_OBJECT
public:
    Game_Dialog(Game& game, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape would close the dialog behind the player's back; it goes the same way.
    void reject() override;

    Game& game;
};
