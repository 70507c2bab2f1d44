#pragma once
// The game's home: status area, buttons, toolbar, the three tabs and the four menus.
// Every value it shows comes from the game; every command is the engine's.
#include <array>
#include <string>

#include <QKeySequence>
#include <QMainWindow>

#include "engine/model/game.h"
#include "engine/model/random.h"
#include "desktop/main/game_session.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolBar;
class About_Window;
class Commissions_Window;
class Computer_Portfolio_Window;
class History_Window;
class News_Tab;
class Portfolio_Tab;
class Qt_Screens;
class Quotes_Board;
class Start_Window;
class Trade_Windows;

// The key that ends a turn, from anywhere in the main window.
inline const QKeySequence End_Turn_Key(Qt::Key_F5);

class Main_Window : public QMainWindow {
    Q_OBJECT
public:
    Main_Window(Game& game, Random& rnd, QWidget* parent = nullptr);
    ~Main_Window() override;

    // Start-up: the data folder's files, the grids, the start window. False after the
    // start-up error was shown; the caller then ends the program.
    bool Start_Up(const std::string& data_dir);
    // Shows what the game holds: labels, board, grids, lists, menus and caption.
    void Repaint();

    Qt_Screens& Game_Screens() { return *screens; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls: tests and the gallery find them by object name, as a player by caption.
    // Status area
    QLabel* Turn_Number = nullptr;
    QLabel* Cash_View = nullptr;
    QLabel* Net_Worth = nullptr;
    QLabel* Time_Label = nullptr;
    QProgressBar* Time_Status = nullptr;
    // Buttons
    QPushButton* Buy_Button = nullptr;
    QPushButton* Sell_Button = nullptr;
    QPushButton* Short_Button = nullptr;
    QPushButton* Options_Button = nullptr;
    QPushButton* Earnings_Button = nullptr;
    QPushButton* End_Turn_Button = nullptr;
    QPushButton* Main_Help = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    Quotes_Board* Quotes = nullptr;
    Portfolio_Tab* Portfolio = nullptr;
    News_Tab* News = nullptr;
    QTimer* Game_Timer = nullptr;
    Start_Window* Startup = nullptr;
    Computer_Portfolio_Window* Computer_Portfolio = nullptr;

    // Menus
    QAction* New_Game_Menu = nullptr;
    QAction* Save_Menu = nullptr;
    QAction* Save_As_Menu = nullptr;
    QAction* Load_Menu = nullptr;
    QAction* Winners_Menu = nullptr;
    QAction* Exit_Menu = nullptr;
    QAction* RecentBlank = nullptr;
    std::array<QAction*, 4> Recent{};
    QAction* Commissions_Menu = nullptr;
    QAction* Buy_Menu = nullptr;
    QAction* Sell_Menu = nullptr;
    QAction* Short_Menu = nullptr;
    QAction* Options_Menu = nullptr;
    QAction* Chart_Menu = nullptr;
    QAction* Fundamentals_Menu = nullptr;
    QAction* Computer_Menu = nullptr;
    QAction* History_Menu = nullptr;
    QAction* End_Turn_Menu = nullptr;
    QAction* Enable_Cheat_Menu = nullptr;
    QAction* Set_Cash_Menu = nullptr;
    QAction* Set_Computer_Cash = nullptr;
    QAction* Set_Market_Trend = nullptr;
    QAction* Instructions_Menu = nullptr;
    QAction* About_Menu = nullptr;

    void Name_Controls();
    void Build_Status_Area(QWidget* parent, class QBoxLayout* layout);
    void Build_Buttons(class QBoxLayout* layout);
    void Build_Toolbar();
    void Build_Menus();
    void Connect_Commands();

    void New_Game_Menu_Click();
    void End_Turn_Menu_Click();
    void Game_Timer_Timer();
    void Exit_Menu_Click();
    void Load_Menu_Click();
    void Cheat_Done(bool accepted);
    void File_Done(bool named_before, bool done);
    // Before the game in play is left: "Save the game in play?" when it changed since it was
    // dealt, saved or loaded. False when the player cancelled, or a save did not go through.
    bool Keep_Game_Safe();
    void Turn_Done(Turn_Result result);
    void Start_Timer(bool enabled);
    void After_Game_Reset();
    void Stock_Grid_Double_Click(int row);
    void Keep_Menus_In_Sight(QWidget* window);

    Game_Session session;
    const Game& game;
    Qt_Screens* screens;
    // The title with the game's file: it follows a save or load, and becomes "Bullquest" at New
    // Game even when the player then keeps the game in play.
    QString caption = "Bullquest";
    QString loading;  // the title while a recent game loads
    Trade_Windows* trade = nullptr;
    About_Window* about = nullptr;
    Commissions_Window* commissions = nullptr;
    History_Window* history = nullptr;  // modeless: it follows the game beside this window
    bool unloaded = false;
    bool kept_safe = false;  // the player was asked, or the game is over: close without asking
};
