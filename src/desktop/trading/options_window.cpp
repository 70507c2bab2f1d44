#include "desktop/trading/options_window.h"

#include <limits>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "engine/model/numbers.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/clickable_label.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/number_keys.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

// Two option buttons side by side, a group of their own.
QWidget* Pair(QWidget* window, QRadioButton*& first, const QString& first_caption, const char* first_name,
              QRadioButton*& second, const QString& second_caption, const char* second_name) {
    auto* row = new QHBoxLayout;
    auto* group = new QWidget(window);
    group->setLayout(row);
    first = new QRadioButton(first_caption, group);
    first->setObjectName(first_name);
    second = new QRadioButton(second_caption, group);
    second->setObjectName(second_name);
    first->setChecked(true);
    row->addWidget(first);
    row->addWidget(second);
    return group;
}
}  // namespace

Options_Window::Options_Window(Game_Session& session, QWidget* parent)
    : Trade_Window(session, tr("Stock Options"), tr("Select A Symbol:"), parent) {
    stock_price = new QLabel(Engine_Text("Current Price Of MSFT: 100"), this);
    stock_price->setObjectName("stock_price");
    grid->addWidget(stock_price, 1, 0, 1, 2);
    grid->addWidget(Pair(this, calls, tr("&Calls"), "calls", puts, tr("&Puts"), "puts"), 2, 0);
    grid->addWidget(Pair(this, buy, tr("&Buy"), "buy", sell, tr("&Sell"), "sell"), 2, 1);
    Explain(calls, tr("A call gains in value when the stock's price rises above its strike."));
    Explain(puts, tr("A put gains in value when the stock's price falls below its strike."));
    Explain(buy, tr("Buy contracts at the premium shown."));
    Explain(sell, tr("Sell contracts you hold, with this strike and expiry, at the premium shown."));

    // The boxes change only through their arrows, so a quote is never of a half-typed value.
    grid->addWidget(new QLabel(tr("Strike Price:"), this), 3, 0);
    strike = new QSpinBox(this);
    strike->setObjectName("strike");
    strike->setRange(Lowest_Strike, Highest_Strike);
    strike->setSingleStep(Strike_Step);
    strike->findChild<QLineEdit*>()->setReadOnly(true);
    Select_All_On_Focus(strike);
    Explain(strike, tr("Strike price"), tr("The price the contract is written at; the arrows step it by 10 dollars."));
    grid->addWidget(strike, 3, 1);
    grid->addWidget(new QLabel(tr("Expires Turn:"), this), 4, 0);
    expiry = new QSpinBox(this);
    expiry->setObjectName("expiry");
    expiry->setSingleStep(Expiry_Step);
    // Until a stock is chosen; the box is as wide as this range asks.
    expiry->setRange(0, std::numeric_limits<Integer>::max());
    expiry->findChild<QLineEdit*>()->setReadOnly(true);
    Explain(expiry, tr("Expires turn"), tr("The turn the contract lapses, worthless, unless sold before; the arrows step it by 10 turns."));
    grid->addWidget(expiry, 4, 1);
    grid->addWidget(new QLabel(tr("Option Premium:"), this), 5, 0);
    premium = new QLabel("0", this);
    premium->setObjectName("premium");
    Explain(premium, tr("What one share of the contract costs now, in dollars; a contract is 100 shares."));
    grid->addWidget(premium, 5, 1);
    // What the contracts come to, in plain words, under the premium; room kept for the longest.
    outlook = new QLabel(this);
    outlook->setObjectName("outlook");
    outlook->setWordWrap(true);
    outlook->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    outlook->setMinimumHeight(3 * outlook->fontMetrics().lineSpacing());
    grid->addWidget(outlook, 6, 0, 1, 2);
    Add_Quantity(7, tr("Number To Buy/Sell:"), "0", false);
    // No cash line here; the line under it tells a refusal's reason.
    Add_Cash_After(8);
    // The caption and the number act as one label.
    most_caption = new Clickable_Label(Engine_Text("Most You Can Buy:"), this);
    most_caption->setObjectName("most_caption");
    most = new Clickable_Label("0", this);
    most->setObjectName("most");
    for (Clickable_Label* l : {most_caption, most})
        Copies_Into_Box(l, [this]() -> std::optional<double> { return shown_most; });
    grid->addWidget(most_caption, 10, 0);
    grid->addWidget(most, 10, 1);
    Add_Buttons(11, tr("&Transact"), Help_Owner::Options);

    connect(calls, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(puts, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(buy, &QRadioButton::clicked, this, [this] { Quote(); });
    connect(sell, &QRadioButton::clicked, this, [this] { Quote(); });
    connect(strike, &QSpinBox::valueChanged, this, [this] { if (!showing) Quote(); });
    connect(expiry, &QSpinBox::valueChanged, this, [this] { if (!showing) Quote(); });
    connect(quantity, &QLineEdit::textChanged, this, [this] { if (Stock() >= 0) Show_Outlook(); });
}

Option_Form Options_Window::Form() const {
    Option_Form f;
    f.Stock = Stock();
    f.Calls = calls->isChecked();
    f.Buy = buy->isChecked();
    f.Strike = strike->value();
    f.Expires = expiry->value();
    f.Exp_Min = expiry->minimum();
    f.Exp_Max = expiry->maximum();
    f.Number = Typed();
    return f;
}

void Options_Window::Show_Form(const Option_Form& f) {
    showing = true;
    Choose(f.Stock);
    (f.Calls ? calls : puts)->setChecked(true);
    (f.Buy ? buy : sell)->setChecked(true);
    expiry->setRange(f.Exp_Min, f.Exp_Max);
    expiry->setValue(f.Expires);
    strike->setValue(f.Strike);
    showing = false;
}

void Options_Window::Show_View(const Option_View& v) {
    stock_price->setText(Engine_Text(v.Stock_Price));
    Show_Figure(premium, tr("Option premium"), Q(v.Premium), tr("dollars a share"));
    Show_Figure(most, Engine_Text(v.Label6).remove(':'), Q(v.Max), tr("contracts"));
    most_caption->setText(Engine_Text(v.Label6));
    shown_most = v.Most;
    Show_Outlook();
}

void Options_Window::Show_Outlook() {
    const Option_Form form = Form();
    outlook->setText(Engine_Text(Outlook_Of(game, form).Line));
    Explain(quantity, Engine_Text(Option_Most_Tip(game, form)));
}

void Options_Window::Symbol_Click() {
    if (Stock() < 0) return;
    Option_Form f = Form();
    // Filled from a grid row, the strike and expiry stay those of the position.
    if (!prefilled) Choose_Strike_And_Expiry(game, f);
    Show_Form(f);
    Show_View(Option_Quote(game, f));
}

void Options_Window::Quote() {
    if (Stock() < 0) return;
    Show_View(Option_Quote(game, Form()));
}

void Options_Window::Open() {
    Symbol_Click();
    Run_Modal();
}

void Options_Window::Open_On(int stock, bool calls_wanted) {
    Choose(stock);
    (calls_wanted ? calls : puts)->setChecked(true);
    Open();
}

void Options_Window::Open_From_Grid(int row) {
    Option_Form f = Form();
    const Grid_Close close = Prefill_From_Grid(game, f, row);
    if (close == Grid_Close::Refused) screens.Beep();
    if (close != Grid_Close::Ready) return;
    prefilled = true;
    Show_Form(f);
    Set_Quantity(Number_Text(f.Number.Value));
    Symbol_Click();  // only the quote: the boxes hold the position
    Run_Modal();
    prefilled = false;
}

void Options_Window::Trade() {
    if (Stock() < 0) return;
    Settle(session.Trade_Option(Form()), [this] { Quote(); });
}
