#include "ui/help_button.h"

#include <QFont>
#include <QPushButton>
#include <QWidget>

#include "ui/help_window.h"

void Run_Help(Game& game, Screens& screens, QWidget* from, Help_Owner owner) {
    // The Help window belongs to the main window; a window opened on its own makes one there.
    QWidget* top = from;
    while (top->parentWidget()) top = top->parentWidget();
    auto* help = top->findChild<Help_Window*>();
    if (!help) help = new Help_Window(game, screens, top);
    help->Run(owner);
}

QPushButton* Make_Help_Button(QWidget* parent) {
    auto* button = new QPushButton("?", parent);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setToolTip("Help");
    button->setFixedWidth(button->sizeHint().height() + 6);
    button->setAutoDefault(false);
    return button;
}
