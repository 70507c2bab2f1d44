#pragma once
// "Stock Options": buying and closing calls and puts; the quantity stays in the box.
#include "engine/trading/option_trades.h"
#include "desktop/trading/trade_window.h"

class Clickable_Label;
class QRadioButton;
class QSpinBox;

class Options_Window : public Trade_Window {
    Q_OBJECT
public:
    Options_Window(Game_Session& session, QWidget* parent = nullptr);

    // From the main window: the stock selection, then modal.
    void Open();
    // From the option grid (0 = first position): prefilled for closing it, modal.
    void Open_From_Grid(int row);
    // From the chart or research screen: that stock, calls or puts, then modal.
    void Open_On(int stock, bool calls);
    // The stock selection, also after a timed turn.
    void Symbol_Click() override;

private:
    Option_Form Form() const;
    void Show_Form(const Option_Form& form);
    void Show_View(const Option_View& view);
    void Quote();
    // The line under the premium and the box's tool tip, for the form as it stands.
    void Show_Outlook();
    void Trade() override;

    QLabel* stock_price;
    QRadioButton* calls;
    QRadioButton* puts;
    QRadioButton* buy;
    QRadioButton* sell;
    QSpinBox* strike;
    QSpinBox* expiry;
    QLabel* premium;
    QLabel* outlook;
    Clickable_Label* most_caption;
    Clickable_Label* most;
    double shown_most = 0;  // the most the window last computed for its own stock
    bool showing = false;    // the boxes being set from a form: their changes are not clicks
    bool prefilled = false;  // open for closing a grid row
};
