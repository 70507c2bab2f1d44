#pragma once
// "Stock Sell Order": sells part or all of a holding at the current price.
#include "desktop/trading/trade_window.h"

class Clickable_Label;

class Sell_Window : public Trade_Window {
    Q_OBJECT
public:
    Sell_Window(Game_Session& session, QWidget* parent = nullptr);

    // From the main window: the first stock held, quantity "0".
    void Open();
    // From the stock grid: that stock with the shares held in the box.
    void Open_For(int stock, const std::string& quantity);
    // From the chart and research windows: their stock, the box as it was.
    void Open_On(int stock);
    void Symbol_Click() override;

private:
    std::string Cash_After() const override;
    void Trade() override;

    Clickable_Label* you_have;
};
