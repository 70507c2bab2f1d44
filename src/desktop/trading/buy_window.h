#pragma once
// "Stock Buy Order": a quantity for the chosen stock, the most the cash and the exchange allow.
#include "desktop/trading/trade_window.h"

class Clickable_Label;

class Buy_Window : public Trade_Window {
    Q_OBJECT
public:
    Buy_Window(Game_Session& session, QWidget* parent = nullptr);

    // Modal until Done.
    void Open();
    // From the chart and research windows: the stock is theirs.
    void Open_On(int stock);
    void Symbol_Click() override;

private:
    std::string Cash_After() const override;
    void Trade() override;

    QLabel* you_have;
    Clickable_Label* most;
    double shown_most = 0;  // the most the window last computed for its own stock
};
