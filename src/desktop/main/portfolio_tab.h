#pragma once
// The "Portfolio" tab: the player's stock grid and option grid.
#include <string>
#include <vector>

#include <QWidget>

#include "engine/model/game.h"
#include "desktop/parts/grid_look.h"

class QTableWidget;

// A grid whose title row is fixed only while it has data rows below it.
class Portfolio_Grid : public QWidget {
    Q_OBJECT
public:
    explicit Portfolio_Grid(QWidget* parent = nullptr);

    // Titles and widths (twips) from the string table ids, one column per kind.
    void Lay_Out(String_Id titles_id, String_Id widths_id, const Column_Kinds& kinds);
    // What the grid is and what each column holds, for the tool tips and a screen reader.
    void Explain(const QString& name, const QStringList& column_tips);
    void Set_Rows(const std::vector<Grid_Row>& rows);
    // Rows as the grid shows them, the title row 0 included.
    int Row_Count() const;
    bool Title_Row_Fixed() const;
    std::string Text(int row, int column) const;

signals:
    // A data row, counted from 1 like the grid's rows: double-clicked, or Enter pressed on it.
    void Row_Double_Clicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* Table = nullptr;
    std::vector<std::string> titles;
    Column_Kinds kinds;
    bool fixed = false;
};

class Portfolio_Tab : public QWidget {
    Q_OBJECT
public:
    explicit Portfolio_Tab(const Game& game, QWidget* parent = nullptr);

    void Lay_Out_Grids();
    void Repaint();

signals:
    // A double click on a position, to close it (row 1 is the first position).
    void Stock_Row_Double_Clicked(int row);
    void Option_Row_Double_Clicked(int row);

private:
    // Tests find the grids by name: stock_grid and option_grid.
    Portfolio_Grid* Stock_Portfolio = nullptr;
    Portfolio_Grid* Options_Portfolio = nullptr;
    const Game& game;
};
