#include "desktop/trading/buy_window.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QLabel>

#include "engine/trading/stock_trades.h"
#include "desktop/parts/clickable_label.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/engine_text.h"

Buy_Window::Buy_Window(Game_Session& session, QWidget* parent)
    : Trade_Window(session, tr("Stock Buy Order"), tr("Select Stock To Buy:"), parent) {
    Add_Price();
    Add_Quantity(1, tr("Buy How Many?"), "0", true);
    Add_Cash_After(2);
    you_have = new QLabel(tr("You have 0 Share(s) of - - -"), this);
    you_have->setObjectName("you_have");
    grid->addWidget(you_have, 4, 0, 1, 2);
    most = new Clickable_Label(tr("The Most You Can Buy Is"), this);
    most->setObjectName("most");
    Copies_Into_Box(most, [this]() -> std::optional<double> { return shown_most; });
    grid->addWidget(most, 5, 0, 1, 2);
    Add_Buttons(6, tr("&Buy"), Help_Owner::Buy);
}

void Buy_Window::Open() {
    if (Stock() >= 0) Symbol_Click();
    Set_Quantity("0");
    Run_Modal();
}

void Buy_Window::Open_On(int stock) {
    Choose(stock);
    Open();
}

void Buy_Window::Symbol_Click() {
    if (Stock() < 0) return;
    const Buy_View view = Buy_Texts(game, Stock());
    you_have->setText(Engine_Text(view.You_Have));
    most->setText(Engine_Text(view.Max));
    shown_most = view.Most;
    Explain(quantity, Engine_Text(Buy_Most_Tip(game, Stock())));
    Show_Price(tr("Price: %1").arg(QString::fromStdString(Money_Text(Stock_Price(game, Stock())))));
    Show_Cash_After();
}

std::string Buy_Window::Cash_After() const { return Buy_Cash_After(game, Stock(), Typed()); }

void Buy_Window::Trade() {
    if (Stock() < 0) return;  // nothing chosen yet: no trade, no beep
    const Trade_Result result = session.Buy_Shares(Stock(), Typed());
    Set_Quantity("0");  // the box always shows "0" afterwards
    Settle(result, [this] { Symbol_Click(); });
}
