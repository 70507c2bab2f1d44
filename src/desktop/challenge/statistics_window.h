#pragma once
// Game > Statistics...: the player's record across games as Statistics.txt keeps it, the
// turns not yet written included, with a chart of the last challenges' scores and a Reset
// that asks first.
#include "desktop/parts/game_dialog.h"
#include "engine/storage/statistics_file.h"

class QChartView;
class QLabel;
class QTableWidget;

class Statistics_Window : public Game_Dialog {
    Q_OBJECT
public:
    Statistics_Window(Game_Session& session, QWidget* parent = nullptr);
    // Modal until Close.
    void Run();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Read();
    void Fill(const Statistics& statistics);
    void Draw_Scores();
    void Reset_Clicked();

    Statistics shown;
    bool damage_told = false;  // a damaged file is told once, not at every opening
    QTableWidget* Levels = nullptr;
    QLabel* Turns = nullptr;
    QLabel* Damaged = nullptr;
    QTableWidget* Results = nullptr;
    QChartView* Scores = nullptr;
};
