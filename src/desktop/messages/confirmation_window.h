#pragma once
// Yes or No, asked modally.
#include <string>

#include "desktop/parts/game_dialog.h"

class QPushButton;

class Confirmation_Window : public Game_Dialog {
    Q_OBJECT
public:
    Confirmation_Window(Game_Session& session, QWidget* parent = nullptr);
    bool Run(const std::string& caption);

private:
    QPushButton* Yes;
    QPushButton* No;
    bool confirmed = false;
};
