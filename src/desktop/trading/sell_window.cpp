#include "desktop/trading/sell_window.h"

#include <QGridLayout>
#include <QLineEdit>

#include "engine/trading/stock_trades.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/clickable_label.h"
#include "desktop/parts/engine_text.h"

Sell_Window::Sell_Window(Game_Session& session, QWidget* parent)
    : Trade_Window(session, tr("Stock Sell Order"), tr("Select Stock To Sell:"), parent) {
    Add_Price();
    Add_Quantity(1, tr("Sell How Many?"), "0", true);
    Add_Cash_After(2);
    // A click on the holding sells all of it.
    you_have = new Clickable_Label(tr("You have 0 Share(s) of - - -"), this);
    you_have->setObjectName("you_have");
    Copies_Into_Box(you_have, [this]() -> std::optional<double> {
        if (Stock() < 0) return std::nullopt;
        return game.Player_Stock[Stock()].Shares;
    });
    Explain(you_have, tr("Click to put all the shares you own of this stock in the box."));
    grid->addWidget(you_have, 4, 0, 1, 2);
    Add_Buttons(5, tr("&Sell"), Help_Owner::Sell);
}

void Sell_Window::Open() {
    const int first = First_Stock_Held(game);
    if (first >= 0) Choose(first);
    Set_Quantity("0");
    Show_Modal();
}

void Sell_Window::Open_For(int stock, const std::string& quantity) {
    Choose(stock);
    Set_Quantity(quantity);
    Show_Modal();
}

void Sell_Window::Open_On(int stock) {
    Choose(stock);
    Show_Modal();
}

void Sell_Window::Symbol_Click() {
    if (Stock() < 0) return;
    you_have->setText(Engine_Text(Sell_Texts(game, Stock()).You_Have));
    Explain(quantity, Engine_Text(Sell_Most_Tip(game, Stock())));
    Show_Price(tr("Price: %1").arg(QString::fromStdString(Money_Text(Stock_Price(game, Stock())))));
    Show_Cash_After();
}

std::string Sell_Window::Cash_After() const { return Sell_Cash_After(game, Stock(), Typed()); }

void Sell_Window::Trade() {
    if (Stock() < 0) return;  // nothing chosen yet: no trade, no beep
    const Trade_Result result = session.Sell_Shares(Stock(), Typed());
    Set_Quantity("0");  // the box always shows "0" afterwards
    Settle(result, [this] { Symbol_Click(); });
}
