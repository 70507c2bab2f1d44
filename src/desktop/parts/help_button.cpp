#include "desktop/parts/help_button.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QWidget>

#include "desktop/messages/help_window.h"

void Run_Help(Game_Session& session, QWidget* from, Help_Owner owner) {
    // The Help window belongs to the main window; a window opened on its own makes one there.
    QWidget* top = from;
    while (top->parentWidget()) top = top->parentWidget();
    auto* help = top->findChild<Help_Window*>();
    if (!help) help = new Help_Window(session, top);
    help->Run(owner);
}

QPushButton* Make_Help_Button(QWidget* parent) {
    auto* button = new QPushButton(QCoreApplication::translate("Help_Button", "Help"), parent);
    button->setShortcut(QKeySequence::HelpContents);
    button->setToolTip(QCoreApplication::translate("Help_Button", "Choose a help topic about this window (F1)."));
    return button;
}
