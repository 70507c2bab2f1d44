#pragma once
// "Research Company Earnings": a company's next report and last four EPS figures.
#include "desktop/parts/game_dialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class Screens;

class Fundamentals_Window : public Game_Dialog {
    Q_OBJECT
public:
    Fundamentals_Window(Game_Session& session, QWidget* parent = nullptr);

    // Modal until Done or the frame's close, which hide it.
    void Open();
    // From the chart: that company.
    void Open_For(int stock);
    void Symbol_Click();
    // A new game or a load: the first symbol, recomputed.
    void Select_First();
    // The trade buttons wait for a game; the chart does not.
    void Enable_Trades();

signals:
    void Open_Chart(int stock);
    void Open_Buy(int stock);
    void Open_Sell(int stock);
    void Open_Short(int stock);
    void Open_Calls(int stock);
    void Open_Puts(int stock);

private:
    QComboBox* Symbol;
    QLabel* Earnings_Due;
    QLabel* Earnings_History_Label[4];
    QComboBox* Reporting_Next_List;
    QPushButton* View_Chart;
    QPushButton* Buy_Stock_Button;
    QPushButton* Sell_Stock_Button;
    QPushButton* Short_Stock_Button;
    QPushButton* Calls_Button;
    QPushButton* Puts_Button;
    QPushButton* OKButton;

    void Reporting_Next_List_Click();
    void Hand_Over(void (Fundamentals_Window::*open)(int));
    Screens& screens;
};
