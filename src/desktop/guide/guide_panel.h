#pragma once
// The "Guide" panel beside the board: the guide's notes as they come, newest first, each with
// a link to the help topic that explains it. It is docked on the main window, open until the
// player closes it, and Help > Guide brings it back. It never takes the focus (its links
// answer the mouse alone), so the keys go on working where they were after every turn and
// trade, and it never waits for an answer.
#include <vector>

#include <QDockWidget>

#include "engine/guide/guide_notes.h"

class Game_Session;
class QAction;
class QLabel;
class QMenu;
class QVBoxLayout;

class Guide_Panel : public QDockWidget {
    Q_OBJECT
public:
    Guide_Panel(Game_Session& session, QWidget* parent);

    // Help > Guide, added to the Help menu: the panel, the guide off or on, all notes again and
    // the help topic of the guide.
    QMenu* Add_Menu(QMenu* help);
    // Once the data folder is read: open unless the player closed it before.
    void Start();
    // The notes listed, newest first: the texts as shown (tests and the gallery read them).
    QStringList Notes() const;
    // Notes shown at `turn`, on top of the list. The session's notes come here as they are shown.
    void Add_Notes(const std::vector<Guide_Note>& notes, const QString& turn);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Clear();
    void Reopen();
    void Show_State();
    void Keep_Focus_Away();

    Game_Session& session;
    QVBoxLayout* notes_layout;
    QLabel* state;  // what the panel says while it lists nothing, or while the guide is off
    std::vector<QLabel*> shown;  // newest first
    QAction* reopen = nullptr;
    QAction* turn = nullptr;
    QAction* reset = nullptr;
    QAction* about = nullptr;
};
