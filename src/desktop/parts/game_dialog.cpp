#include "desktop/parts/game_dialog.h"

#include <algorithm>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/window_place.h"

Game_Dialog::Game_Dialog(Game_Session& session, QWidget* parent)
    : QDialog(parent), session(session), game(session.State()) {}


void Game_Dialog::Set_Escape_Button(QAbstractButton* button) { escape = button; }

void Game_Dialog::Keep_Fixed_Size(int width) {
    fixed = true;
    fixed_width = width;
    // Without this hint a window manager may still offer to maximise a window it cannot resize.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void Game_Dialog::Let_Close_Box_Hide() { close_box_hides = true; }

void Game_Dialog::Add_Answer_Button(QBoxLayout* layout, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setDefault(true);
    Explain(button, tr("Close this message (Enter or Escape)."));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(button, QDialogButtonBox::AcceptRole);
    buttons->setCenterButtons(true);
    layout->addWidget(buttons);
    Set_Escape_Button(button);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
}

void Game_Dialog::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Enter_Presses_Default();
        // Sized before the dialog centres itself on its owner, which it does with this size.
        if (fixed)
            Fix_Size();
        else
            resize(Fitted(this, testAttribute(Qt::WA_Resized) ? size() : sizeHint()));
        // Placed here rather than by QDialog, whose guess of the frame leaves out its bottom.
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        Centre_On(this, owner && owner->isVisible() ? owner->geometry() : Available_Area(this));
    }
    QDialog::setVisible(visible);
}

void Game_Dialog::Enter_Presses_Default() {
    // Some desktops (GNOME) let Enter open a list or tick a box, as Space does; in the game's
    // windows Enter presses the default button from wherever the focus is but on a button.
    if (enter_watched) return;
    enter_watched = true;
    for (QWidget* w : findChildren<QWidget*>()) {
        auto* list = qobject_cast<QComboBox*>(w);
        if ((list && !list->isEditable()) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            w->installEventFilter(this);
    }
}

bool Game_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == 0) {
            for (QPushButton* button : findChildren<QPushButton*>())
                if (button->isDefault() && button->isVisible()) {
                    if (button->isEnabled()) button->click();
                    return true;
                }
        }
    }
    return QDialog::eventFilter(watched, event);
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
    if (session.Ending() || close_box_hides) {
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
    if (session.Ending() || close_box_hides) QDialog::reject();
}
