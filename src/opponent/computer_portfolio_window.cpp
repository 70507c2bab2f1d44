#include "opponent/computer_portfolio_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "ui/grid_look.h"
#include "ui/help_button.h"

constexpr int Grid_Rows = 8;  // title row included

Computer_Portfolio_Window::Computer_Portfolio_Window(Game& game, QWidget* parent) : Game_Dialog(game, parent) {
    setWindowTitle("The Computer's Portfolio");
    auto* layout = new QVBoxLayout(this);
    auto* figures = new QFormLayout;
    Cash_View = new QLabel(this);
    Net_Worth = new QLabel(this);
    figures->addRow("Cash:  $", Cash_View);
    figures->addRow("Net Worth: $", Net_Worth);
    layout->addLayout(figures);

    Stock_Portfolio = new QTableWidget(Grid_Rows - 1, 5, this);
    const int width = Lay_Out_Grid(Stock_Portfolio, 700, 800, 5, 1, "000,000,000");
    // Every padded row in sight; a larger holding scrolls.
    const int height = Stock_Portfolio->horizontalHeader()->sizeHint().height() +
                       (Grid_Rows - 1) * Stock_Portfolio->verticalHeader()->defaultSectionSize();
    Stock_Portfolio->setMinimumSize(width + 2 * Stock_Portfolio->frameWidth() + 20,
                                    height + 2 * Stock_Portfolio->frameWidth());
    layout->addWidget(Stock_Portfolio, 1);

    auto* buttons = new QHBoxLayout;
    auto* C_Portfolio_Help = Make_Help_Button(this);
    auto* OKButton = new QPushButton("&Done", this);
    OKButton->setDefault(true);
    buttons->addWidget(C_Portfolio_Help);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);
    connect(C_Portfolio_Help, &QPushButton::clicked, this, &Computer_Portfolio_Window::Help_Clicked);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    Refresh();
}

void Computer_Portfolio_Window::Open() {
    Refresh();
    exec();
}

void Computer_Portfolio_Window::Refresh() {
    const auto& c = game.C_Portfolio;
    Cash_View->setText(QString::fromStdString(c.Cash_View));
    Net_Worth->setText(QString::fromStdString(c.Net_Worth));
    int rows = std::max<int>(Grid_Rows - 1, static_cast<int>(c.Grid.size()));
    Stock_Portfolio->clearContents();
    Stock_Portfolio->setRowCount(rows);
    for (int r = 0; r < static_cast<int>(c.Grid.size()); ++r)
        for (int col = 0; col < 5 && col < static_cast<int>(c.Grid[r].size()); ++col)
            Stock_Portfolio->setItem(r, col, new QTableWidgetItem(QString::fromStdString(c.Grid[r][col])));
}
