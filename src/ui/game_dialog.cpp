#include "ui/game_dialog.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLayout>

#include "ui/window_place.h"

Game_Dialog::Game_Dialog(Game& game, QWidget* parent) : QDialog(parent), game(game) {}

static bool Program_Ending(const Game& game) { return game.Status == "TERMINATE_PROGRAM"; }

void Game_Dialog::Set_Escape_Button(QAbstractButton* button) { escape = button; }

void Game_Dialog::Keep_Fixed_Size(int width) {
    fixed = true;
    fixed_width = width;
    // Without this hint a window manager may still offer to maximise a window it cannot resize.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void Game_Dialog::Let_Close_Box_Hide() { close_box_hides = true; }

void Game_Dialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Sized before the dialog centres itself on its owner, which it does with this size.
        if (fixed)
            Fix_Size();
        else
            resize(Fitted(this, testAttribute(Qt::WA_Resized) ? size() : sizeHint()));
    }
    QDialog::setVisible(visible);
}

void Game_Dialog::Fix_Size() {
    QLayout* contents = layout();
    if (!contents) return;
    contents->activate();
    int width = std::max({contents->totalSizeHint().width(), fixed_width, Title_Width(this)});
    width = std::max(width, contents->totalMinimumSize().width());
    const int height = contents->hasHeightForWidth() ? contents->totalHeightForWidth(width)
                                                     : contents->totalSizeHint().height();
    setFixedSize(width, height);
}

void Game_Dialog::closeEvent(QCloseEvent* event) {
    if (Program_Ending(game) || close_box_hides) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
}

void Game_Dialog::reject() {
    if (escape && escape->isVisible() && escape->isEnabled()) {
        escape->click();
        if (!isVisible()) return;
    }
    if (Program_Ending(game) || close_box_hides) QDialog::reject();
}
