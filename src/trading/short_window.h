#pragma once
// "Short Sell Stock": short sales and buy-backs; the quantity stays in the box.
#include <string>

#include "trading/short_trades.h"
#include "ui/game_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Screens;

class Short_Window : public Game_Dialog {
    Q_OBJECT
public:
    Short_Window(Game& game, Screens& screens, QWidget* parent = nullptr);

    // From the main window: as it was left.
    void Open();
    // From the stock grid's short rows: buy-back mode, the position in the box.
    void Open_Buy_Back(int stock, const std::string& quantity);
    // From the chart and research windows: their stock, sell-short mode.
    void Open_On(int stock);
    void Symbol_Click();
    // A new game or a load: the first symbol, recomputed.
    void Select_First();
    Short_Mode Mode() const;

    QComboBox* Symbol;
    QRadioButton* Sell;
    QRadioButton* Buy;
    QLineEdit* Short_Number;
    QLabel* Cash_After;
    QLabel* You_Have;
    QLabel* Max;
    QPushButton* Transact;
    QPushButton* OKButton;
    QPushButton* Short_Stock_Help;

signals:
    void Trade_Done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Show_Modal();
    void Transact_Click();
    void Show_Cash_After();
    Screens& screens;
};
