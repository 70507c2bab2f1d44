#include "opponent/computer_portfolio_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "ui/resources/string_table.h"

constexpr int Grid_Rows = 8;  // title row included
constexpr int Twips_Per_Pixel = 15;

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
    Stock_Portfolio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Stock_Portfolio->setSelectionMode(QAbstractItemView::NoSelection);
    Stock_Portfolio->verticalHeader()->hide();
    int width = 0;
    for (int c = 0; c < 5; ++c) {
        Stock_Portfolio->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromStdString(String_Table(700 + c))));
        int pixels = static_cast<int>(Leading_Number(String_Table(800 + c))) / Twips_Per_Pixel;
        Stock_Portfolio->setColumnWidth(c, pixels);
        width += pixels;
    }
    Stock_Portfolio->setMinimumWidth(width + 2 * Stock_Portfolio->frameWidth() + 20);
    layout->addWidget(Stock_Portfolio, 1);

    auto* buttons = new QHBoxLayout;
    auto* C_Portfolio_Help = new QPushButton(this);
    C_Portfolio_Help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    C_Portfolio_Help->setAutoDefault(false);
    auto* OKButton = new QPushButton("&Done", this);
    OKButton->setDefault(true);
    buttons->addWidget(C_Portfolio_Help);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);
    resize(minimumSizeHint().width(), 330);
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
