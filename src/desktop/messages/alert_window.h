#pragma once
// A modal notice with a heading and a list beneath it.
#include <string>
#include <vector>

#include "desktop/parts/game_dialog.h"

class QLabel;
class QListWidget;

class Alert_Window : public Game_Dialog {
    Q_OBJECT
public:
    Alert_Window(Game_Session& session, QWidget* parent = nullptr);
    void Run(const std::string& caption, const std::string& text, const std::vector<std::string>& lines);

private:
    QLabel* Alert_Text;
    QListWidget* Alert_List;
};
