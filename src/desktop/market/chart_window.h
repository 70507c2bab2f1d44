#pragma once
// "Chart Stocks": the last 100 turns of a stock or the index, with a moving average.
#include "desktop/parts/game_dialog.h"

class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Screens;

class Chart_Window : public Game_Dialog {
    Q_OBJECT
public:
    Chart_Window(Game_Session& session, QWidget* parent = nullptr);

    // Modal until Done or the frame's close, which hide it.
    void Open();
    // Entry 0..41 a stock, 42 the index.
    void Open_For(int entry);
    void Symbol_Click();
    // A new game or a load: nothing is drawn until the next Symbol_Click.
    void Reset();
    // The buttons to other windows: the trades wait for a game, research does not.
    void Enable_Trades();

signals:
    void Open_Buy(int stock);
    void Open_Sell(int stock);
    void Open_Short(int stock);
    void Open_Calls(int stock);
    void Open_Puts(int stock);
    void Open_Fundamentals(int stock);

private:
    QComboBox* Symbol;
    QSpinBox* Days;
    QCheckBox* Show_Average;
    QChartView* MSChart;
    QPushButton* Buy_Stock_Button;
    QPushButton* Sell_Stock_Button;
    QPushButton* Short_Stock_Button;
    QPushButton* Calls_Button;
    QPushButton* Puts_Button;
    QPushButton* Fundamentals_Button;
    QPushButton* Done;

    // The index has no trade: a beep; a stock hides the chart and hands over.
    void Hand_Over(void (Chart_Window::*open)(int));
    Screens& screens;
};
