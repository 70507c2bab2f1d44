#include "trading/sell_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "core/numbers.h"
#include "core/screens.h"
#include "trading/stock_trades.h"
#include "ui/help_button.h"
#include "ui/list_keys.h"
#include "ui/number_keys.h"
#include "ui/refusal.h"
#include "ui/trade_look.h"

Sell_Window::Sell_Window(Game& game, Screens& screens, QWidget* parent)
    : Game_Dialog(game, parent), screens(screens) {
    setWindowTitle("Stock Sell Order");
    setMouseTracking(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Select Stock To Sell:", this), 0, 0);
    Symbol = new QComboBox(this);
    for (const std::string& s : game.Symbol) Symbol->addItem(QString::fromStdString(s));
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    new List_Keys(Symbol);
    grid->addWidget(Symbol, 0, 1);
    grid->addWidget(new QLabel("Sell How Many?", this), 1, 0);
    Sell_Number = new QLineEdit("0", this);
    new Number_Keys(Sell_Number, screens, [this] { Symbol_Click(); });
    grid->addWidget(Sell_Number, 1, 1);
    Cash_After = Make_Cash_After(this);
    grid->addWidget(Cash_After, 2, 1);
    You_Have = new QLabel("You have 0 Share(s) of - - -", this);
    You_Have->setMouseTracking(true);
    You_Have->setCursor(Qt::PointingHandCursor);
    You_Have->installEventFilter(this);
    Set_Hover(You_Have, false);
    grid->addWidget(You_Have, 3, 0, 1, 2);
    Sell = new QPushButton("&Sell", this);
    Done = new QPushButton("&Done", this);
    Sell_Stock_Help = Make_Help_Button(this);
    grid->addWidget(Trade_Buttons(this, Sell, Done, Sell_Stock_Help), 4, 0, 1, 2);
    Set_Escape_Button(Done);
    Keep_Fixed_Size();

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { Symbol_Click(); });
    connect(Sell_Number, &QLineEdit::textChanged, this, [this] { Show_Cash_After(); });
    connect(Sell, &QPushButton::clicked, this, [this] { Sell_Click(); });
    connect(Done, &QPushButton::clicked, this, &QDialog::hide);
    connect(Sell_Stock_Help, &QPushButton::clicked, this,
            [this, &game, &screens] { Run_Help(game, screens, this, Help_Owner::Sell); });
}

void Sell_Window::Open() {
    const int first = First_Stock_Held(game);
    if (first >= 0) Symbol->setCurrentIndex(first);
    Sell_Number->setText("0");
    Show_Modal();
}

void Sell_Window::Open_For(int stock, const std::string& quantity) {
    Symbol->setCurrentIndex(stock);
    Sell_Number->setText(QString::fromStdString(quantity));
    Show_Modal();
}

void Sell_Window::Open_On(int stock) {
    Symbol->setCurrentIndex(stock);
    Show_Modal();
}

void Sell_Window::Show_Modal() {
    if (Symbol->currentIndex() >= 0) Symbol_Click();
    Focus_Quantity(Sell_Number);
    exec();
}

void Sell_Window::Select_First() {
    Symbol->setCurrentIndex(0);
    Symbol_Click();
}

void Sell_Window::Symbol_Click() {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;
    You_Have->setText(QString::fromStdString(Sell_Symbol_Click(game, stock)));
    Show_Cash_After();
}

void Sell_Window::Show_Cash_After() {
    ::Show_Cash_After(Cash_After, Sell_Cash_After(game, Symbol->currentIndex(), Sell_Number->text().toStdString()));
}

void Sell_Window::Sell_Click() {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;  // nothing chosen yet: no trade, no beep
    std::string box = Sell_Number->text().toStdString();
    const Trade_Result result = ::Sell_Click(game, stock, box);
    Sell_Number->setText(QString::fromStdString(box));
    Select_Quantity(Sell_Number);
    if (result == Trade_Result::Refused) {
        Refuse(screens, Sell_Number);
        return;
    }
    Symbol_Click();
    emit Trade_Done();
}

bool Sell_Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == You_Have) {
        // A move over the label must not reach the window, whose own move turns it black.
        if (event->type() == QEvent::MouseMove) {
            Set_Hover(You_Have, true);
            return true;
        }
        const int stock = Symbol->currentIndex();
        if (event->type() == QEvent::MouseButtonRelease && stock >= 0)
            Sell_Number->setText(QString::fromStdString(Number_Text(game.Player_Stock[stock].Shares)));
    }
    return Game_Dialog::eventFilter(watched, event);
}

void Sell_Window::mouseMoveEvent(QMouseEvent* event) {
    Set_Hover(You_Have, false);
    Game_Dialog::mouseMoveEvent(event);
}
