#pragma once
// The Help window: the short list of topics a window's help button offers.
#include <string>
#include <vector>

#include "engine/model/help_topics.h"
#include "desktop/parts/game_dialog.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;
class Screens;

class Help_Window : public Game_Dialog {
    Q_OBJECT
public:
    Help_Window(Game_Session& session, QWidget* parent = nullptr);

    // Fill the list, show the window modally and clear the list again when it returns.
    void Run(const std::vector<std::string>& topics);
    void Run(Help_Owner owner) { Run(Help_Topics_For(owner)); }


private:
    QListWidget* Help_List;
    QPushButton* Display_Button;
    QPushButton* CancelButton;

    void Display_Click();

    Screens& screens;
};
