#pragma once
// The race in pictures: both players' net worth turn by turn beside what the market index would
// have made of the player's start, and the journal of every trade. Unlike the game's other
// windows it stays open beside the main window and follows the game turn by turn.
#include <cstddef>
#include <memory>
#include <vector>

#include <QDialog>

#include "engine/model/game.h"

class QCategoryAxis;
class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTabWidget;
class QTableView;
class Game_Session;
class Journal_Filter;
class Journal_Model;
class Screens;
struct Game_History;

class History_Window : public QDialog {
    Q_OBJECT
public:
    History_Window(Game_Session& session, QWidget* parent = nullptr);
    // Opens beside the main window, or brings it to the front.
    void Open();
    // Opens over the game-over window, modal, with the game's account above the chart.
    void Open_With_Summary();
    // Brings the chart and the journal up to the game: after a turn it appends, it does not
    // draw again; a new game or a load starts both over.
    void Follow();
    // The game-over account above the chart (best and worst trade, turns, the index), or none.
    void Show_Summary(bool shown);

    // What a player reads off the window (for tests and the screenshots).
    QTabWidget* Tabs() const { return tabs; }
    QChartView* Chart() const { return view; }
    QTableView* Journal() const { return table; }
    QCheckBox* Logarithmic() const { return log_box; }
    QLabel* Summary() const { return summary; }
    Journal_Filter* Filter() const { return filter; }
    QComboBox* Who_Box() const { return who_box; }
    QComboBox* Symbol_Box() const { return symbol_box; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build_Chart();
    void Append_Points();
    void Redraw();
    double Drawn(double value) const;
    void Set_Ranges(double first_turn, double last_turn, double top);
    void Show_Value_Near(const QPointF& mouse);
    void Follow_Journal();
    void Export();
    void Place();

    const Game& game;
    Screens& screens;
    QTabWidget* tabs;
    QLabel* summary;
    QChartView* view;
    QLineSeries* you = nullptr;
    QLineSeries* computer = nullptr;
    QLineSeries* index = nullptr;
    QLineSeries* goal = nullptr;
    QScatterSeries* crashes = nullptr;
    QScatterSeries* taxes = nullptr;
    QCategoryAxis* turns = nullptr;  // labelled at round turns
    QCategoryAxis* money = nullptr;  // the linear value axis, labelled as the game writes money
    QCheckBox* log_box;
    Journal_Model* model;
    Journal_Filter* filter;
    QTableView* table;
    QComboBox* who_box;
    QComboBox* symbol_box;
    // The record the chart shows (held, so that a new record is never taken for it), and how
    // many of its turns have been followed, the dropped ones included.
    std::shared_ptr<const Game_History> shown;
    std::size_t seen = 0;
    std::size_t stride = 1;       // a turn in every `stride` is drawn
    bool newest_between = false;  // the last point drawn is the newest turn, off the stride
    double lowest = 1, highest = 1;  // the value axis spans every point drawn (and the goal)
    bool placed = false;             // opened once: it keeps the size and place the player gave it
    bool journal_at_end = true;      // the journal's last row is in view, as the player left it
};
