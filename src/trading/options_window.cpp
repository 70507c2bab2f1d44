#include "trading/options_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/numbers.h"
#include "core/screens.h"
#include "ui/help_button.h"
#include "ui/list_keys.h"
#include "ui/number_keys.h"
#include "ui/refusal.h"
#include "ui/trade_look.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

Options_Window::Options_Window(Game& game, Random& rnd, Screens& screens, QWidget* parent)
    : Game_Dialog(game, parent), rnd(rnd), screens(screens) {
    setWindowTitle("Stock Options");
    setMouseTracking(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Select A Symbol:", this), 0, 0);
    Symbol = new QComboBox(this);
    for (const std::string& s : game.Symbol) Symbol->addItem(Q(s));
    new List_Keys(Symbol);
    grid->addWidget(Symbol, 0, 1);
    Stock_Price = new QLabel("Current Price Of MSFT: 100", this);
    grid->addWidget(Stock_Price, 1, 0, 1, 2);

    auto* kinds = new QHBoxLayout;
    auto* kind_group = new QWidget(this);
    kind_group->setLayout(kinds);
    Calls = new QRadioButton("&Calls", kind_group);
    Puts = new QRadioButton("&Puts", kind_group);
    Calls->setChecked(true);
    kinds->addWidget(Calls);
    kinds->addWidget(Puts);
    auto* sides = new QHBoxLayout;
    auto* side_group = new QWidget(this);
    side_group->setLayout(sides);
    Buy = new QRadioButton("&Buy", side_group);
    Sell = new QRadioButton("&Sell", side_group);
    Buy->setChecked(true);
    sides->addWidget(Buy);
    sides->addWidget(Sell);
    grid->addWidget(kind_group, 2, 0);
    grid->addWidget(side_group, 2, 1);

    // The boxes change only through their arrows, so a quote is never of a half-typed value.
    grid->addWidget(new QLabel("Strike Price:", this), 3, 0);
    Strike = new QSpinBox(this);
    Strike->setRange(Lowest_Strike, Highest_Strike);
    Strike->setSingleStep(Strike_Step);
    Strike->findChild<QLineEdit*>()->setReadOnly(true);
    Select_All_On_Focus(Strike);
    grid->addWidget(Strike, 3, 1);
    grid->addWidget(new QLabel("Expires Turn:", this), 4, 0);
    Exp = new QSpinBox(this);
    Exp->setSingleStep(Expiry_Step);
    Exp->setRange(0, 32767);
    Exp->findChild<QLineEdit*>()->setReadOnly(true);
    grid->addWidget(Exp, 4, 1);
    grid->addWidget(new QLabel("Option Premium:", this), 5, 0);
    Premium = new QLabel("0", this);
    grid->addWidget(Premium, 5, 1);
    grid->addWidget(new QLabel("Number To Buy/Sell:", this), 6, 0);
    Number = new QLineEdit("0", this);
    new Number_Keys(Number, screens);
    grid->addWidget(Number, 6, 1);
    Label6 = new QLabel("Most You Can Buy:", this);
    Max = new QLabel("0", this);
    for (QLabel* l : {Label6, Max}) {
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        Set_Hover(l, false);
    }
    grid->addWidget(Label6, 7, 0);
    grid->addWidget(Max, 7, 1);

    Transact = new QPushButton("&Transact", this);
    Done = new QPushButton("&Done", this);
    Options_Help = Make_Help_Button(this);
    grid->addWidget(Trade_Buttons(this, Transact, Done, Options_Help), 8, 0, 1, 2);
    Set_Escape_Button(Done);
    Keep_Fixed_Size();

    connect(Symbol, &QComboBox::currentIndexChanged, this, [this] { if (!showing) Symbol_Click(); });
    connect(Calls, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(Puts, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(Buy, &QRadioButton::clicked, this, [this] { Quote(); });
    connect(Sell, &QRadioButton::clicked, this, [this] { Quote(); });
    connect(Strike, &QSpinBox::valueChanged, this, [this] { if (!showing) Quote(); });
    connect(Exp, &QSpinBox::valueChanged, this, [this] { if (!showing) Quote(); });
    connect(Transact, &QPushButton::clicked, this, [this] { Transact_Click(); });
    connect(Done, &QPushButton::clicked, this, &QDialog::hide);
    connect(Options_Help, &QPushButton::clicked, this,
            [this, &game, &screens] { Run_Help(game, screens, this, Help_Owner::Options); });
}

Option_Form Options_Window::Form() const {
    Option_Form f;
    f.Stock = Symbol->currentIndex();
    f.Calls = Calls->isChecked();
    f.Buy = Buy->isChecked();
    f.Strike = std::to_string(Strike->value());
    f.Exp = std::to_string(Exp->value());
    f.Exp_Min = Exp->minimum();
    f.Exp_Max = Exp->maximum();
    f.Number = Number->text().toStdString();
    return f;
}

void Options_Window::Show_Form(const Option_Form& f) {
    showing = true;
    Symbol->setCurrentIndex(f.Stock);
    (f.Calls ? Calls : Puts)->setChecked(true);
    (f.Buy ? Buy : Sell)->setChecked(true);
    Exp->setRange(f.Exp_Min, f.Exp_Max);
    Exp->setValue(static_cast<int>(Leading_Number(f.Exp)));
    Strike->setValue(static_cast<int>(Leading_Number(f.Strike)));
    Number->setText(Q(f.Number));
    showing = false;
}

void Options_Window::Show_View(const Option_View& v) {
    Stock_Price->setText(Q(v.Stock_Price));
    Premium->setText(Q(v.Premium));
    Max->setText(Q(v.Max));
    Label6->setText(Q(v.Label6));
}

void Options_Window::Symbol_Click() {
    if (Symbol->currentIndex() < 0) return;
    Option_Form f = Form();
    Option_View v = Option_Symbol_Click(game, f);
    Show_Form(f);
    Show_View(v);
}

void Options_Window::Quote() {
    if (Symbol->currentIndex() < 0) return;
    Show_View(Update_Option_Quote(game, Form()));
}

void Options_Window::Open() {
    Symbol_Click();
    Focus_Quantity(Number);
    exec();
}

// Chooses the stock without the list's own recomputation; the caller recomputes once.
static void Choose_Quietly(QComboBox* symbol, int stock) {
    const QSignalBlocker blocker(symbol);
    symbol->setCurrentIndex(stock);
}

void Options_Window::Open_On(int stock, bool calls) {
    Choose_Quietly(Symbol, stock);
    (calls ? Calls : Puts)->setChecked(true);
    Open();
}

void Options_Window::Select_First() {
    Choose_Quietly(Symbol, 0);
    Symbol_Click();
}

void Options_Window::Open_From_Grid(int row) {
    Option_Form f = Form();
    if (!Prefill_From_Grid(game, f, row)) return;
    Show_Form(f);
    Symbol_Click();  // under the skip status: only the quote
    Focus_Quantity(Number);
    exec();
    game.Status = Game_Status::None;
}

void Options_Window::Transact_Click() {
    if (Symbol->currentIndex() < 0) return;
    const Trade_Result result = Transact_Option(game, Form(), screens);
    Select_Quantity(Number);
    if (result == Trade_Result::Refused) {
        Refuse(screens, Number);
        return;
    }
    Quote();
    emit Trade_Done();
}

bool Options_Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Max || watched == Label6) {
        // A move over a label must not reach the window, whose own move turns both black.
        if (event->type() == QEvent::MouseMove) {
            Set_Hover(Max, true);
            Set_Hover(Label6, true);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) Number->setText(Q(Number_Text(game.Max_Number)));
    }
    return Game_Dialog::eventFilter(watched, event);
}

void Options_Window::mouseMoveEvent(QMouseEvent* event) {
    Set_Hover(Max, false);
    Set_Hover(Label6, false);
    Game_Dialog::mouseMoveEvent(event);
}
