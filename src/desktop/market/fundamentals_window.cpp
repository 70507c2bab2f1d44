#include "desktop/market/fundamentals_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "engine/model/screens.h"
#include "engine/market/earnings.h"
#include "engine/market/research.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/change_look.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/list_keys.h"
#include "desktop/parts/symbol_picker.h"

Fundamentals_Window::Fundamentals_Window(Game_Session& session, QWidget* parent)
    : Game_Dialog(session, parent), screens(session.Windows()) {
    setWindowTitle(tr("Research Company Earnings"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    auto* company_prompt = new QLabel(tr("Select A Company:"), this);
    top->addWidget(company_prompt, 0, 0);
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    Symbol_Picker picker = Make_Symbol_Picker(this, game, false);
    Symbol = picker.list;
    top->addLayout(picker.row, 1, 0);
    auto* reporting_prompt = new QLabel(tr("Reporting In Next 2 Turns:"), this);
    top->addWidget(reporting_prompt, 0, 1);
    Reporting_Next_List = new QComboBox(this);
    // A screen reader says each prompt with its list.
    company_prompt->setBuddy(Symbol);
    reporting_prompt->setBuddy(Reporting_Next_List);
    Reporting_Next_List->setMinimumContentsLength(10);
    new List_Keys(Reporting_Next_List);
    top->addWidget(Reporting_Next_List, 1, 1);
    top->addWidget(new QLabel(tr("Next Earnings Report Due Turn:"), this), 2, 0);
    Earnings_Due = new QLabel(this);
    QFont bold = Earnings_Due->font();
    bold.setBold(true);
    Earnings_Due->setFont(bold);
    top->addWidget(Earnings_Due, 2, 1);
    layout->addLayout(top);

    auto* frame = new QGroupBox(tr("Earnings"), this);
    auto* history = new QGridLayout(frame);
    history->addWidget(new QLabel(tr("Earnings Per Share History ($):"), frame), 0, 0, 1, 4);
    history->addWidget(new QLabel(tr("Most Recnet:"), frame), 1, 0, 1, 4);
    for (int q = 0; q < 4; ++q) {
        Earnings_History_Label[q] = new QLabel(frame);
        Earnings_History_Label[q]->setFont(bold);
        Earnings_History_Label[q]->setMinimumWidth(60);
        history->addWidget(Earnings_History_Label[q], 2, q);
    }
    layout->addWidget(frame);

    auto* buttons = new QGridLayout;
    auto button = [&](QPushButton*& b, const QString& text, int row, int column) {
        b = new QPushButton(text, this);
        buttons->addWidget(b, row, column);
    };
    button(View_Chart, tr("&View Chart"), 0, 0);
    button(Buy_Stock_Button, tr("&Buy Stock"), 0, 1);
    button(Sell_Stock_Button, tr("&Sell Stock"), 0, 2);
    button(Short_Stock_Button, tr("S&hort Sell"), 1, 0);
    button(Calls_Button, tr("&Calls"), 1, 1);
    button(Puts_Button, tr("&Puts"), 1, 2);
    layout->addLayout(buttons);
    QPushButton* Fundamentals_Help = Make_Help_Button(this);
    OKButton = new QPushButton(tr("&Done"), this);
    auto* bottom = new QDialogButtonBox(this);
    bottom->addButton(OKButton, QDialogButtonBox::RejectRole);
    bottom->addButton(Fundamentals_Help, QDialogButtonBox::HelpRole);
    layout->addWidget(bottom);
    Set_Escape_Button(OKButton);
    Let_Close_Box_Hide();
    Keep_Fixed_Size();

    // The names by which tests find the controls.
    const std::pair<QObject*, const char*> names[] = {
        {Reporting_Next_List, "reporting_next"}, {Earnings_Due, "earnings_due"}, {Earnings_History_Label[0], "eps_0"},
        {Earnings_History_Label[1], "eps_1"}, {Earnings_History_Label[2], "eps_2"}, {Earnings_History_Label[3], "eps_3"},
        {View_Chart, "view_chart"}, {Buy_Stock_Button, "buy"}, {Sell_Stock_Button, "sell"},
        {Short_Stock_Button, "short"}, {Calls_Button, "calls"}, {Puts_Button, "puts"}, {OKButton, "done"},
    };
    for (const auto& [control, name] : names) control->setObjectName(name);
    Explain(Reporting_Next_List, tr("Reporting in next 2 turns"),
            tr("The companies whose earnings report comes in the next 2 turns; choose one to research it."));
    Explain(Earnings_Due, tr("The turn this company's next earnings report comes."));
    for (QLabel* eps : Earnings_History_Label)
        Explain(eps, tr("Earnings a share, in dollars, of one of the company's last four reports, the most recent first."));
    const std::pair<QPushButton*, const char*> tips[] = {
        {View_Chart, QT_TR_NOOP("This stock's price chart.")}, {Buy_Stock_Button, QT_TR_NOOP("Buy shares of this stock.")},
        {Sell_Stock_Button, QT_TR_NOOP("Sell shares of this stock you own.")},
        {Short_Stock_Button, QT_TR_NOOP("Sell short this stock, or buy back a short sale of it.")},
        {Calls_Button, QT_TR_NOOP("Trade calls on this stock.")}, {Puts_Button, QT_TR_NOOP("Trade puts on this stock.")},
        {OKButton, QT_TR_NOOP("Close this window (Escape).")},
    };
    for (const auto& [button, tip] : tips) Explain(button, tr(tip));

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { Symbol_Click(); });
    connect(Reporting_Next_List, &QComboBox::activated, this, [this] { Reporting_Next_List_Click(); });
    connect(View_Chart, &QPushButton::clicked, this, [this] { Hand_Over(&Fundamentals_Window::Open_Chart); });
    connect(Buy_Stock_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Fundamentals_Window::Open_Buy); });
    connect(Sell_Stock_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Fundamentals_Window::Open_Sell); });
    connect(Short_Stock_Button, &QPushButton::clicked, this,
            [this] { Hand_Over(&Fundamentals_Window::Open_Short); });
    connect(Calls_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Fundamentals_Window::Open_Calls); });
    connect(Puts_Button, &QPushButton::clicked, this, [this] { Hand_Over(&Fundamentals_Window::Open_Puts); });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(Fundamentals_Help, &QPushButton::clicked, this,
            [this] { Run_Help(this->session, this, Help_Owner::Fundamentals); });
}

void Fundamentals_Window::Open() {
    Symbol_Click();
    Enable_Trades();
    exec();
}

void Fundamentals_Window::Enable_Trades() {
    for (QPushButton* b : {Buy_Stock_Button, Sell_Stock_Button, Short_Stock_Button, Calls_Button, Puts_Button})
        b->setEnabled(game.Has_Game);
}

void Fundamentals_Window::Open_For(int stock) {
    Symbol->setCurrentIndex(stock);
    Open();
}

void Fundamentals_Window::Select_First() {
    Symbol->setCurrentIndex(0);
    Symbol_Click();
}

void Fundamentals_Window::Symbol_Click() {
    // The reporting list follows the market whether or not a company is chosen.
    {
        const QSignalBlocker blocker(Reporting_Next_List);
        Reporting_Next_List->clear();
        for (const List_Line& line : Reporting_Next(game))
            Reporting_Next_List->addItem(QString::fromStdString(line.Text), line.Item_Data);
        Reporting_Next_List->setCurrentIndex(-1);
    }
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;
    const Research_View view = Research_Company(game, stock);
    Show_Figure(Earnings_Due, tr("Next earnings report due turn"), QString::fromStdString(view.Earnings_Due));
    for (int q = 0; q < 4; ++q) {
        QLabel* label = Earnings_History_Label[q];
        Show_Change(label, QString::fromStdString(view.EPS[q]), view.EPS_Colour[q]);
        const QString eps = QString::fromStdString(view.EPS[q]);
        label->setAccessibleName(q == 0 ? tr("Most recent earnings a share: %1 dollars").arg(eps)
                                        : tr("Earnings a share, %1 reports back: %2 dollars").arg(QString::number(q), eps));
    }
}

void Fundamentals_Window::Reporting_Next_List_Click() {
    const int line = Reporting_Next_List->currentIndex();
    if (line < 0) return;
    Symbol->setCurrentIndex(Reporting_Next_List->itemData(line).toInt());
}

void Fundamentals_Window::Hand_Over(void (Fundamentals_Window::*open)(int)) {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;
    hide();
    emit(this->*open)(stock);
}
