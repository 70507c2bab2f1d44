#pragma once
// "Stock Buy Order": a quantity for the chosen stock, the most the cash and the exchange allow.
#include "ui/game_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Screens;

class Buy_Window : public Game_Dialog {
    Q_OBJECT
public:
    Buy_Window(Game& game, Screens& screens, QWidget* parent = nullptr);

    // Modal until Done.
    void Open();
    // From the chart and research windows: the stock is theirs.
    void Open_On(int stock);
    void Symbol_Click();
    // A new game or a load: the first symbol, recomputed.
    void Select_First();

    QComboBox* Symbol;
    QLineEdit* Buy_Number;
    QLabel* Cash_After;
    QLabel* You_Have;
    QLabel* Max;
    QPushButton* Buy;
    QPushButton* Done;
    QPushButton* Buy_Stock_Help;

signals:
    void Trade_Done();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Buy_Click();
    void Show_Cash_After();
    Screens& screens;
};
