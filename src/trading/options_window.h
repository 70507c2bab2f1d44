#pragma once
// "Stock Options": buying and closing calls and puts; the quantity stays in the box.
#include "core/random.h"
#include "trading/option_trades.h"
#include "ui/game_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Screens;

class Options_Window : public Game_Dialog {
    Q_OBJECT
public:
    Options_Window(Game& game, Random& rnd, Screens& screens, QWidget* parent = nullptr);

    // From the main window: the stock selection, then modal.
    void Open();
    // From the option grid (0 = first position): prefilled for closing it, modal.
    void Open_From_Grid(int row);
    // From the chart or research screen: that stock, calls or puts, then modal.
    void Open_On(int stock, bool calls);
    // A new game or a load: the first stock.
    void Select_First();
    // The stock selection, also after a timed turn.
    void Symbol_Click();

    QComboBox* Symbol;
    QRadioButton* Calls;
    QRadioButton* Puts;
    QRadioButton* Buy;
    QRadioButton* Sell;
    QSpinBox* Strike;
    QSpinBox* Exp;
    QLineEdit* Number;
    QLabel* Premium;
    QLabel* Max;
    QLabel* Label6;
    QLabel* Stock_Price;
    QPushButton* Transact;
    QPushButton* Done;
    QPushButton* Options_Help;

signals:
    void Trade_Done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Option_Form Form() const;
    void Show_Form(const Option_Form& form);
    void Show_View(const Option_View& view);
    void Quote();
    void Transact_Click();
    Random& rnd;
    Screens& screens;
    bool showing = false;  // controls being set from a form: their signals are not clicks
};
