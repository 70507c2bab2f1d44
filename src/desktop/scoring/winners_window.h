#pragma once
// The winners circle: the best games of each goal, with the way to clear them.
#include "engine/model/screens.h"
#include "desktop/parts/game_dialog.h"

class QTableWidget;

class Winners_Window : public Game_Dialog {
    Q_OBJECT
public:
    Winners_Window(Game_Session& session, QWidget* parent = nullptr);
    // Modal until WOW!.
    void Run();

private:
    void Fill_Grids();
    void Clear_Clicked();

    Screens& screens;
    QTableWidget* Winners_List[4];
};
