#pragma once
#include <cstddef>
#include <memory>

#include <QAbstractTableModel>

#include "engine/model/game.h"

class QWidget;
struct Game_History;

// The journal as a table: one row an entry, in the order they were made.
class Journal_Model : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Turn, Who, What, Symbol, Quantity, Price, Gain, Cash, Columns };
    // Beside the shown text: what a column sorts by (the figures, or the words as shown), and
    // the entry's own value (the trader and the symbol as the record keeps them, in English),
    // which the filter matches whatever the language.
    enum Role { Sort_Role = Qt::UserRole, Value_Role };
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
