#pragma once
// The race in pictures: both players' net worth turn by turn beside what the market index would
// have made of the player's start, and the journal of every trade. Unlike the game's other
// windows it stays open beside the main window and follows the game turn by turn.
#include <cstddef>
#include <memory>
#include <vector>

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>

#include "engine/model/game.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTabWidget;
class QTableView;
class QValueAxis;
class Game_Session;
class Screens;
struct Game_History;

// The journal as a table: one row an entry, in the order they were made.
class Journal_Model : public QAbstractTableModel {
public:
    enum Column { Turn, Who, What, Symbol, Quantity, Price, Gain, Cash, Columns };
    explicit Journal_Model(const Game& game, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Brings the rows up to the game's journal: new entries are appended, the oldest dropped
    // beyond what a record keeps, a new record shown whole.
    void Follow();
    // The gain colours are chosen against this view's ground.
    void Paint_On(const QWidget* table);

private:
    const Game& game;
    // The record shown, held until the next Follow even if the game has started another.
    std::shared_ptr<const Game_History> shown;
    const QWidget* view = nullptr;
    int rows = 0;
    std::size_t dropped = 0;  // entries dropped from the record's front, as last followed
};

// The journal's filter: by who traded and by the stock.
class Journal_Filter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Set_Who(const QString& who);        // "" for both
    void Set_Symbol(const QString& symbol);  // "" for every stock

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString who, symbol;
};

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

private:
    void Build_Chart();
    void Append_Points();
    void Redraw();
    double Drawn(double value) const;
    void Show_Value_Under(const QLineSeries* series, const QPointF& point, bool hovered);
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
    QValueAxis* turns = nullptr;
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
    double lowest = 1, highest = 1;  // the value axis spans every point drawn
    bool placed = false;             // opened once: it keeps the size and place the player gave it
};
