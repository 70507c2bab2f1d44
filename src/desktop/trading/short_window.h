#pragma once
// "Short Sell Stock": short sales and buy-backs; the quantity stays in the box.
#include "engine/trading/short_trades.h"
#include "desktop/trading/trade_window.h"

class Clickable_Label;
class QRadioButton;

class Short_Window : public Trade_Window {
    Q_OBJECT
public:
    Short_Window(Game_Session& session, QWidget* parent = nullptr);

    // From the main window: as it was left.
    void Open();
    // From the stock grid's short rows: buy-back mode, the position in the box.
    void Open_Buy_Back(int stock, const std::string& quantity);
    // From the chart and research windows: their stock, sell-short mode.
    void Open_On(int stock);
    void Symbol_Click() override;

private:
    Short_Mode Mode() const;
    std::string Cash_After() const override;
    void Trade() override;

    QRadioButton* sell_short;
    QRadioButton* buy_back;
    QLabel* you_have;
    Clickable_Label* most;
    double shown_most = 0;  // the most the window last computed for its own stock
};
