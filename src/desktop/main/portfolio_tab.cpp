#include "desktop/main/portfolio_tab.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "engine/trading/portfolio.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/grid_look.h"
#include "engine/model/string_table.h"

Portfolio_Grid::Portfolio_Grid(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Table = new QTableWidget(this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->horizontalHeader()->setHighlightSections(false);
    Table->horizontalHeader()->setStretchLastSection(false);
    // Tab moves on to the next control; the arrows move between the rows.
    Table->setTabKeyNavigation(false);
    layout->addWidget(Table);
    Keep_Cells_Painted(Table);
    Table->installEventFilter(this);
    connect(Table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        int grid_row = fixed ? row + 1 : row;
        if (grid_row > 0) emit Row_Double_Clicked(grid_row);
    });
}

bool Portfolio_Grid::eventFilter(QObject* watched, QEvent* event) {
    // From the keyboard, Enter on the current row closes it out as a double-click does.
    if (watched == Table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Table->currentRow() >= 0) {
            emit Table->cellDoubleClicked(Table->currentRow(), 0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Portfolio_Grid::Lay_Out(String_Id titles_id, String_Id widths_id, const Column_Kinds& column_kinds) {
    titles.clear();
    kinds = column_kinds;
    const int columns = static_cast<int>(kinds.size());
    Table->setColumnCount(columns);
    QStringList labels;
    for (int i = 0; i < columns; ++i) {
        titles.push_back(String_Table(titles_id, i));
        labels << Engine_Text(titles.back());
        const int twips = static_cast<int>(Locale_Value(String_Table(widths_id, i)));
        Table->setColumnWidth(i, Column_Width(Table, labels.back(), twips));
    }
    Table->setHorizontalHeaderLabels(labels);
    Set_Rows({});
}

void Portfolio_Grid::Explain(const QString& name, const QStringList& column_tips) {
    ::Explain(Table, name, tr("Double-click a row, or press Enter on it, to close out that position."));
    Explain_Columns(Table, column_tips);
}

void Portfolio_Grid::Set_Rows(const std::vector<Grid_Row>& rows) {
    // The fixed title row is the grid's header; without data the titles are an ordinary row.
    fixed = !rows.empty();
    Table->horizontalHeader()->setVisible(fixed);
    Table->clearContents();
    Table->setRowCount(static_cast<int>(rows.size()) + (fixed ? 0 : 1));
    auto put = [this](int row, int column, const std::string& text) { Put_Cell(Table, row, column, text, kinds[column]); };
    if (!fixed) {
        // The titles as an ordinary row, each where its column's values sit, none coloured.
        for (int c = 0; c < static_cast<int>(titles.size()); ++c)
            Put_Cell(Table, 0, c, Engine_Text(titles[c]).toStdString(), kinds[c] == Cell::Text ? Cell::Text : Cell::Number);
        return;
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()) && c < Table->columnCount(); ++c) put(r, c, rows[r][c]);
}

int Portfolio_Grid::Row_Count() const { return Table->rowCount() + (fixed ? 1 : 0); }

bool Portfolio_Grid::Title_Row_Fixed() const { return fixed; }

std::string Portfolio_Grid::Text(int row, int column) const {
    if (row == 0) return column < static_cast<int>(titles.size()) ? titles[column] : "";
    const QTableWidgetItem* item = Table->item(fixed ? row - 1 : row, column);
    return item ? item->text().toStdString() : "";
}

Portfolio_Tab::Portfolio_Tab(const Game& game, QWidget* parent) : QWidget(parent), game(game) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Stocks:"), this));
    Stock_Portfolio = new Portfolio_Grid(this);
    layout->addWidget(Stock_Portfolio, 1);
    layout->addWidget(new QLabel(tr("Options:"), this));
    Options_Portfolio = new Portfolio_Grid(this);
    layout->addWidget(Options_Portfolio, 1);
    auto* hint = new QLabel(
        tr("**Double click on either a stock position or option position to go to the appropriate screen for "
           "closing out that position."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    Stock_Portfolio->setObjectName("stock_grid");
    Options_Portfolio->setObjectName("option_grid");
    connect(Stock_Portfolio, &Portfolio_Grid::Row_Double_Clicked, this, &Portfolio_Tab::Stock_Row_Double_Clicked);
    connect(Options_Portfolio, &Portfolio_Grid::Row_Double_Clicked, this, &Portfolio_Tab::Option_Row_Double_Clicked);
}

void Portfolio_Tab::Lay_Out_Grids() {
    using enum Cell;
    Stock_Portfolio->Lay_Out(String_Id::Stock_Grid_Titles, String_Id::Stock_Grid_Widths, {Text, Number, Number, Number, Change});
    Options_Portfolio->Lay_Out(String_Id::Option_Grid_Titles, String_Id::Option_Grid_Widths, {Text, Text, Number, Number, Number, Number, Number, Change});
    Stock_Portfolio->Explain(tr("Your stocks"), {
        tr("The stock's symbol."),
        tr("The shares you own; a short sale shows its shares below zero."),
        tr("What you paid a share, on average over your purchases (for a short sale, what you sold at)."),
        tr("The stock's price this turn."),
        tr("Your gain or loss on the position in percent: above zero is a gain."),
    });
    Options_Portfolio->Explain(tr("Your options"), {
        tr("The stock the contracts are on."),
        tr("Call: gains when the stock rises. Put: gains when it falls."),
        tr("The price the contract is written at."),
        tr("The contracts you hold, each for 100 shares."),
        tr("The premium you paid a share."),
        tr("The premium a share this turn: what the contracts are worth now."),
        tr("The turn the contracts lapse, worthless, if you have not sold them by then."),
        tr("Your gain or loss in percent, from the premium paid to the premium now."),
    });
}

void Portfolio_Tab::Repaint() {
    std::vector<Grid_Row> stocks, options;
    for (Stock_Row& row : Stock_Grid_Rows(game)) stocks.push_back(std::move(row.Cells));
    for (Option_Row& row : Option_Grid_Rows(game)) {
        // The option's kind ("Call", "Put") is the engine's word; the other cells are figures and symbols.
        row.Cells[1] = Engine_Text(row.Cells[1]).toStdString();
        options.push_back(std::move(row.Cells));
    }
    Stock_Portfolio->Set_Rows(stocks);
    Options_Portfolio->Set_Rows(options);
}
