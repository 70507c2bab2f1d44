#pragma once
// "Stock Sell Order": sells part or all of a holding at the current price.
#include <string>

#include "ui/game_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Screens;

class Sell_Window : public Game_Dialog {
    Q_OBJECT
public:
    Sell_Window(Game& game, Screens& screens, QWidget* parent = nullptr);

    // From the main window: the first stock held, quantity "0".
    void Open();
    // From the stock grid: that stock with the shares held in the box.
    void Open_For(int stock, const std::string& quantity);
    // From the chart and research windows: their stock, the box as it was.
    void Open_On(int stock);
    void Symbol_Click();
    // A new game or a load: the first symbol, recomputed.
    void Select_First();

    QComboBox* Symbol;
    QLineEdit* Sell_Number;
    QLabel* Cash_After;
    QLabel* You_Have;
    QPushButton* Sell;
    QPushButton* Done;
    QPushButton* Sell_Stock_Help;

signals:
    void Trade_Done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Show_Modal();
    void Sell_Click();
    void Show_Cash_After();
    Screens& screens;
};
