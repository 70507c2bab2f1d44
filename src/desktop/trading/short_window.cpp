#include "desktop/trading/short_window.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/clickable_label.h"
#include "desktop/parts/engine_text.h"

Short_Window::Short_Window(Game_Session& session, QWidget* parent)
    : Trade_Window(session, tr("Short Sell Stock"), tr("Select Stock To Short:"), parent) {
    auto* modes = new QHBoxLayout;
    sell_short = new QRadioButton(tr("&Sell Short"), this);
    sell_short->setObjectName("sell_short");
    buy_back = new QRadioButton(tr("&Buy Back"), this);
    buy_back->setObjectName("buy_back");
    sell_short->setChecked(true);
    Explain(sell_short, tr("Sell shares you do not own, putting up half their price as a deposit; you gain if the price falls."));
    Explain(buy_back, tr("Buy back shares you sold short, which ends that much of the short sale."));
    modes->addWidget(sell_short);
    modes->addWidget(buy_back);
    modes->addStretch();
    grid->addLayout(modes, 1, 0, 1, 2);
    Add_Price();
    Add_Quantity(2, tr("Sell Short How Many?"), QString(), true);
    Add_Cash_After(3);
    // What the window shows until a stock is first chosen.
    you_have = new QLabel(tr("You've Shorted 50000000 Shares of MSFT"), this);
    you_have->setObjectName("you_have");
    grid->addWidget(you_have, 5, 0, 1, 2);
    most = new Clickable_Label(tr("You Can Short 50000000 Shafes of MSFT"), this);
    most->setObjectName("most");
    Copies_Into_Box(most, [this]() -> std::optional<double> { return shown_most; });
    grid->addWidget(most, 6, 0, 1, 2);
    Add_Buttons(7, tr("&Transact"), Help_Owner::Short);

    connect(sell_short, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
    connect(buy_back, &QRadioButton::clicked, this, [this] { Symbol_Click(); });
}

Short_Mode Short_Window::Mode() const { return buy_back->isChecked() ? Short_Mode::Buy_Back : Short_Mode::Sell_Short; }

void Short_Window::Open() { Show_Modal(); }

void Short_Window::Open_Buy_Back(int stock, const std::string& quantity) {
    buy_back->setChecked(true);
    Choose(stock);
    Set_Quantity(quantity);
    Show_Modal();
}

void Short_Window::Open_On(int stock) {
    Choose(stock);
    sell_short->setChecked(true);
    Show_Modal();
}

void Short_Window::Symbol_Click() {
    if (Stock() < 0) return;
    const Buy_View view = Short_Texts(game, Stock(), Mode());
    you_have->setText(Engine_Text(view.You_Have));
    most->setText(Engine_Text(view.Max));
    shown_most = view.Most;
    Explain(quantity, Engine_Text(Short_Most_Tip(game, Stock(), Mode())));
    // The captions say what the mode does; the price and the deposit a share, in either mode.
    const bool back = Mode() == Short_Mode::Buy_Back;
    list_prompt->setText(back ? tr("Select Stock To Buy Back:") : tr("Select Stock To Short:"));
    quantity_prompt->setText(back ? tr("Buy Back How Many?") : tr("Sell Short How Many?"));
    const double price = Stock_Price(game, Stock());
    Show_Price(tr("Price: %1, deposit %2 a share")
                   .arg(QString::fromStdString(Money_Text(price)), QString::fromStdString(Money_Text(price / 2))));
    Show_Cash_After();
}

std::string Short_Window::Cash_After() const {
    return Stock() < 0 ? std::string() : Short_Cash_After(game, Stock(), Mode(), Typed());
}

void Short_Window::Trade() {
    if (Stock() < 0) return;  // nothing chosen yet: no trade, no beep
    Settle(session.Trade_Short(Stock(), Mode(), Typed()), [this] { Symbol_Click(); });
}
