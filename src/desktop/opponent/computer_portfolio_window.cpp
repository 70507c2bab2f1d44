#include "desktop/opponent/computer_portfolio_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/model/numbers.h"
#include "engine/opponent/computer_portfolio.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/grid_look.h"
#include "desktop/parts/help_button.h"

constexpr int Grid_Rows = 8;  // title row included

Computer_Portfolio_Window::Computer_Portfolio_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent) {
    setWindowTitle(tr("The Computer's Portfolio"));
    auto* layout = new QVBoxLayout(this);
    auto* figures = new QFormLayout;
    Cash_View = new QLabel(this);
    Net_Worth = new QLabel(this);
    figures->addRow(tr("Cash:  $"), Cash_View);
    figures->addRow(tr("Net Worth: $"), Net_Worth);
    Explain(Cash_View, tr("The computer's cash."));
    Explain(Net_Worth, tr("The computer's cash plus what its holdings are worth at this turn's prices. Beat it to the goal."));
    layout->addLayout(figures);

    Stock_Portfolio = new QTableWidget(Grid_Rows - 1, 5, this);
    const int width = Lay_Out_Grid(Stock_Portfolio, String_Id::Computer_Grid_Titles, String_Id::Computer_Grid_Widths, 5, 1, "000,000,000");
    // Every padded row in sight where the screen has room (the grid asks for all of them); a
    // larger holding, or a smaller screen, scrolls.
    Stock_Portfolio->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContentsOnFirstShow);
    Stock_Portfolio->setMinimumWidth(width + 2 * Stock_Portfolio->frameWidth() + 20);
    Stock_Portfolio->setMinimumHeight(Stock_Portfolio->horizontalHeader()->sizeHint().height() +
                                      3 * Stock_Portfolio->verticalHeader()->defaultSectionSize());
    Keep_Cells_Painted(Stock_Portfolio);
    Explain(Stock_Portfolio, tr("The computer's holdings"), tr("What the computer holds: shares, short sales (below zero) and options."));
    Explain_Columns(Stock_Portfolio, {
        tr("The stock's symbol, with Call or Put for options."),
        tr("Shares held, below zero for a short sale; for options, the contracts."),
        tr("What the computer paid a share, on average (for options, the premium paid)."),
        tr("The price this turn (for options, the premium now)."),
        tr("The computer's gain or loss on the position, in percent."),
    });
    // Taken by Tab, so that the arrows scroll a long portfolio.
    Stock_Portfolio->setFocusPolicy(Qt::StrongFocus);
    Stock_Portfolio->setTabKeyNavigation(false);
    layout->addWidget(Stock_Portfolio, 1);

    QPushButton* C_Portfolio_Help = Make_Help_Button(this);
    OKButton = new QPushButton(tr("&Done"), this);
    OKButton->setDefault(true);
    Explain(OKButton, tr("Close this window (Enter or Escape)."));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OKButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(C_Portfolio_Help, QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    Set_Escape_Button(OKButton);
    connect(C_Portfolio_Help, &QPushButton::clicked, this,
            [this] { Run_Help(this->session, this, Help_Owner::Computer_Portfolio); });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    Refresh();
}

void Computer_Portfolio_Window::Open() {
    Refresh();
    OKButton->setFocus();  // Enter and Escape close it; Tab reaches the grid
    exec();
}

void Computer_Portfolio_Window::Refresh() {
    const auto& c = game.C_Portfolio;
    Show_Figure(Cash_View, tr("Computer's cash"), QString::fromStdString(c.Cash_View.Text()), tr("dollars"));
    Show_Figure(Net_Worth, tr("Computer's net worth"), QString::fromStdString(c.Net_Worth.Text()), tr("dollars"));
    const std::vector<Grid_Row> grid = Computer_Grid_Rows(game);
    int rows = std::max<int>(Grid_Rows - 1, static_cast<int>(grid.size()));
    Stock_Portfolio->clearContents();
    Stock_Portfolio->setRowCount(rows);
    using enum Cell;
    static const Column_Kinds kinds = {Text, Number, Number, Number, Change};
    for (int r = 0; r < static_cast<int>(grid.size()); ++r)
        for (int col = 0; col < 5 && col < static_cast<int>(grid[r].size()); ++col)
            Put_Cell(Stock_Portfolio, r, col, grid[r][col], kinds[col]);
}

