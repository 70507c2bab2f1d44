#pragma once
// The program's name, version and picture.
#include <QPixmap>

#include "desktop/parts/game_dialog.h"


// The game's own picture, drawn at the size asked for; the start window shows it too.
QPixmap Bullquest_Picture(int width, int height);

class About_Window : public Game_Dialog {
    Q_OBJECT
public:
    About_Window(Game_Session& session, QWidget* parent = nullptr);
    void Run();
};
