#include "trading/buy_window.h"

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

Buy_Window::Buy_Window(Game& game, Screens& screens, QWidget* parent)
    : Game_Dialog(game, parent), screens(screens) {
    setWindowTitle("Stock Buy Order");
    setMouseTracking(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Select Stock To Buy:", this), 0, 0);
    Symbol = new QComboBox(this);
    for (const std::string& s : game.Symbol) Symbol->addItem(QString::fromStdString(s));
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    new List_Keys(Symbol);
    grid->addWidget(Symbol, 0, 1);
    grid->addWidget(new QLabel("Buy How Many?", this), 1, 0);
    Buy_Number = new QLineEdit("0", this);
    new Number_Keys(Buy_Number, screens, [this] { Symbol_Click(); });
    grid->addWidget(Buy_Number, 1, 1);
    Cash_After = Make_Cash_After(this);
    grid->addWidget(Cash_After, 2, 1);
    You_Have = new QLabel("You have 0 Share(s) of - - -", this);
    grid->addWidget(You_Have, 3, 0, 1, 2);
    Max = new QLabel("The Most You Can Buy Is", this);
    Max->setMouseTracking(true);
    Max->setCursor(Qt::PointingHandCursor);
    Max->installEventFilter(this);
    Set_Hover(Max, false);
    grid->addWidget(Max, 4, 0, 1, 2);
    Buy = new QPushButton("&Buy", this);
    Done = new QPushButton("&Done", this);
    Buy_Stock_Help = Make_Help_Button(this);
    grid->addWidget(Trade_Buttons(this, Buy, Done, Buy_Stock_Help), 5, 0, 1, 2);
    Set_Escape_Button(Done);
    Keep_Fixed_Size();

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { Symbol_Click(); });
    connect(Buy_Number, &QLineEdit::textChanged, this, [this] { Show_Cash_After(); });
    connect(Buy, &QPushButton::clicked, this, [this] { Buy_Click(); });
    connect(Done, &QPushButton::clicked, this, &QDialog::hide);
    connect(Buy_Stock_Help, &QPushButton::clicked, this,
            [this, &game, &screens] { Run_Help(game, screens, this, Help_Owner::Buy); });
}

void Buy_Window::Open() {
    if (Symbol->currentIndex() >= 0) Symbol_Click();
    Buy_Number->setText("0");
    Focus_Quantity(Buy_Number);
    exec();
}

void Buy_Window::Open_On(int stock) {
    Symbol->setCurrentIndex(stock);
    Open();
}

void Buy_Window::Select_First() {
    Symbol->setCurrentIndex(0);
    Symbol_Click();
}

void Buy_Window::Symbol_Click() {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;
    Buy_View view = Buy_Symbol_Click(game, stock);
    You_Have->setText(QString::fromStdString(view.You_Have));
    Max->setText(QString::fromStdString(view.Max));
    Show_Cash_After();
}

void Buy_Window::Show_Cash_After() {
    ::Show_Cash_After(Cash_After, Buy_Cash_After(game, Symbol->currentIndex(), Buy_Number->text().toStdString()));
}

void Buy_Window::Buy_Click() {
    if (Symbol->currentIndex() < 0) return;  // nothing chosen yet: no trade, no beep
    std::string box = Buy_Number->text().toStdString();
    const Trade_Result result = ::Buy_Click(game, Symbol->currentIndex(), box);
    Buy_Number->setText(QString::fromStdString(box));
    Select_Quantity(Buy_Number);
    if (result == Trade_Result::Refused) {
        Refuse(screens, Buy_Number);
        return;
    }
    Symbol_Click();
    emit Trade_Done();
}

bool Buy_Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Max) {
        // A move over the label must not reach the window, whose own move turns it black.
        if (event->type() == QEvent::MouseMove) {
            Set_Hover(Max, true);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) Buy_Number->setText(QString::fromStdString(Number_Text(game.Max_Number)));
    }
    return Game_Dialog::eventFilter(watched, event);
}

void Buy_Window::mouseMoveEvent(QMouseEvent* event) {
    Set_Hover(Max, false);
    Game_Dialog::mouseMoveEvent(event);
}
