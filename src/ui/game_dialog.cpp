#include "ui/game_dialog.h"

#include <QCloseEvent>

Game_Dialog::Game_Dialog(Game& game, QWidget* parent) : QDialog(parent), game(game) {}

static bool Program_Ending(const Game& game) { return game.Status == "TERMINATE_PROGRAM"; }

void Game_Dialog::closeEvent(QCloseEvent* event) {
    if (Program_Ending(game)) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
}

void Game_Dialog::reject() {
    if (Program_Ending(game)) QDialog::reject();
}
