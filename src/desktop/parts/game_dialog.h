#pragma once
// Every secondary window of the game: created once, hidden by its own buttons, and deaf to
// the title bar's close box until the program itself is ending. Escape presses the window's
// Done or Cancel (where it has one); Enter presses its default button. Each opening centres
// it on the main window, inside the screen.
#include <QDialog>

#include "engine/model/game.h"
#include "desktop/main/game_session.h"

class QAbstractButton;
class QBoxLayout;

class Game_Dialog : public QDialog {
    Q_OBJECT
public:
    Game_Dialog(Game_Session& session, QWidget* parent = nullptr);
    void setVisible(bool visible) override;

protected:
    // The button Escape presses; without one Escape does nothing.
    void Set_Escape_Button(QAbstractButton* button);
    // The window keeps the size its contents ask for (at least `width`, when given), wide enough
    // for its whole title: no resize grip, no maximise button.
    void Keep_Fixed_Size(int width = 0);
    // The close box hides the window (the chart and research screens).
    void Let_Close_Box_Hide();
    // A message window's one button, centred under its contents: Enter and Escape press it,
    // and it closes the window.
    void Add_Answer_Button(QBoxLayout* layout, const QString& caption);

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape, and a close the window allows, go the way of its Escape button.
    void reject() override;

    // Every window reads the game and changes it only through the session.
    Game_Session& session;
    const Game& game;

private:
    void Fix_Size();
    void Enter_Presses_Default();

    QAbstractButton* escape = nullptr;
    bool fixed = false;
    int fixed_width = 0;
    bool close_box_hides = false;
    bool enter_watched = false;
};
