#pragma once
// The yearly tax notice with what each side paid.
#include <string>

#include "desktop/parts/game_dialog.h"

class QLabel;

class Tax_Window : public Game_Dialog {
    Q_OBJECT
public:
    Tax_Window(Game_Session& session, QWidget* parent = nullptr);
    void Run(const std::string& you, const std::string& computer);

private:
    QLabel* You;
    QLabel* Computer;
};
