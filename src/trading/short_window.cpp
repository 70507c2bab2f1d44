#include "trading/short_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/numbers.h"
#include "core/screens.h"
#include "ui/help_button.h"
#include "ui/list_keys.h"
#include "ui/number_keys.h"
#include "ui/refusal.h"
#include "ui/trade_look.h"

Short_Window::Short_Window(Game& game, Screens& screens, QWidget* parent)
    : Game_Dialog(game, parent), screens(screens) {
    setWindowTitle("Short Sell Stock");
    setMouseTracking(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Select Stock To Short:", this), 0, 0);
    Symbol = new QComboBox(this);
    for (const std::string& s : game.Symbol) Symbol->addItem(QString::fromStdString(s));
    // The first symbol stays chosen, as after every new game; it is computed on opening.
    new List_Keys(Symbol);
    grid->addWidget(Symbol, 0, 1);
    auto* modes = new QHBoxLayout;
    Sell = new QRadioButton("&Sell Short", this);
    Buy = new QRadioButton("&Buy Back", this);
    Sell->setChecked(true);
    modes->addWidget(Sell);
    modes->addWidget(Buy);
    modes->addStretch();
    grid->addLayout(modes, 1, 0, 1, 2);
    grid->addWidget(new QLabel("Sell Short How Many?", this), 2, 0);
    Short_Number = new QLineEdit(this);
    new Number_Keys(Short_Number, screens, [this] { Symbol_Click(); });
    grid->addWidget(Short_Number, 2, 1);
    Cash_After = Make_Cash_After(this);
    grid->addWidget(Cash_After, 3, 1);
    You_Have = new QLabel("You've Shorted 50000000 Shares of MSFT", this);
    grid->addWidget(You_Have, 4, 0, 1, 2);
    Max = new QLabel("You Can Short 50000000 Shafes of MSFT", this);
    Max->setMouseTracking(true);
    Max->setCursor(Qt::PointingHandCursor);
    Max->installEventFilter(this);
    Set_Hover(Max, false);
    grid->addWidget(Max, 5, 0, 1, 2);
    Transact = new QPushButton("&Transact", this);
    OKButton = new QPushButton("&Done", this);
    Short_Stock_Help = Make_Help_Button(this);
    grid->addWidget(Trade_Buttons(this, Transact, OKButton, Short_Stock_Help), 6, 0, 1, 2);
    Set_Escape_Button(OKButton);
    Keep_Fixed_Size();

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { Symbol_Click(); });
    connect(Short_Number, &QLineEdit::textChanged, this, [this] { Show_Cash_After(); });
    connect(Sell, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(Buy, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(Transact, &QPushButton::clicked, this, [this] { Transact_Click(); });
    connect(OKButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(Short_Stock_Help, &QPushButton::clicked, this,
            [this, &game, &screens] { Run_Help(game, screens, this, Help_Owner::Short); });
}

Short_Mode Short_Window::Mode() const { return Buy->isChecked() ? Short_Mode::Buy_Back : Short_Mode::Sell_Short; }

void Short_Window::Open() { Show_Modal(); }

void Short_Window::Open_Buy_Back(int stock, const std::string& quantity) {
    Buy->setChecked(true);
    Symbol->setCurrentIndex(stock);
    Short_Number->setText(QString::fromStdString(quantity));
    Show_Modal();
}

void Short_Window::Open_On(int stock) {
    Symbol->setCurrentIndex(stock);
    Sell->setChecked(true);
    Show_Modal();
}

void Short_Window::Show_Modal() {
    if (Symbol->currentIndex() >= 0) Symbol_Click();
    Focus_Quantity(Short_Number);
    exec();
}

void Short_Window::Select_First() {
    Symbol->setCurrentIndex(0);
    Symbol_Click();
}

void Short_Window::Symbol_Click() {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;
    Buy_View view = Short_Symbol_Click(game, stock, Mode());
    You_Have->setText(QString::fromStdString(view.You_Have));
    Max->setText(QString::fromStdString(view.Max));
    Show_Cash_After();
}

void Short_Window::Show_Cash_After() {
    ::Show_Cash_After(Cash_After,
                      Short_Cash_After(game, Symbol->currentIndex(), Mode(), Short_Number->text().toStdString()));
}

void Short_Window::Transact_Click() {
    const int stock = Symbol->currentIndex();
    if (stock < 0) return;  // nothing chosen yet: no trade, no beep
    const Trade_Result result = ::Transact_Click(game, stock, Mode(), Short_Number->text().toStdString());
    Select_Quantity(Short_Number);
    if (result == Trade_Result::Refused) {
        Refuse(screens, Short_Number);
        return;
    }
    Symbol_Click();
    emit Trade_Done();
}

bool Short_Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Max) {
        // A move over the label must not reach the window, whose own move turns it black.
        if (event->type() == QEvent::MouseMove) {
            Set_Hover(Max, true);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            Short_Number->setText(QString::fromStdString(Number_Text(game.Max_Number)));
    }
    return Game_Dialog::eventFilter(watched, event);
}

void Short_Window::mouseMoveEvent(QMouseEvent* event) {
    Set_Hover(Max, false);
    Game_Dialog::mouseMoveEvent(event);
}
