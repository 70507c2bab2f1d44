#include "desktop/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine/flows/challenge.h"
#include "engine/flows/game_files.h"
#include "engine/storage/file_messages.h"
#include "desktop/challenge/challenge_window.h"
#include "desktop/challenge/statistics_window.h"
#include "engine/model/numbers.h"
#include "desktop/scoring/end_game_window.h"
#include "desktop/history/history_window.h"
#include "desktop/scoring/new_game_setup_window.h"
#include "desktop/scoring/winners_window.h"
#include "desktop/opponent/computer_portfolio_window.h"
#include "engine/trading/player_cash.h"
#include "desktop/messages/about_window.h"
#include "desktop/messages/alert_window.h"
#include "desktop/messages/commissions_window.h"
#include "desktop/messages/confirmation_window.h"
#include "desktop/messages/help_window.h"
#include "desktop/main/news_tab.h"
#include "desktop/main/portfolio_tab.h"
#include "desktop/main/qt_screens.h"
#include "desktop/main/quotes_board.h"
#include "desktop/main/settings_window.h"
#include "desktop/main/start_window.h"
#include "desktop/messages/tax_window.h"
#include "desktop/main/trade_windows.h"
#include "desktop/trading/buy_window.h"
#include "desktop/trading/options_window.h"
#include "engine/trading/portfolio.h"
#include "desktop/trading/sell_window.h"
#include "desktop/trading/short_window.h"
#include "desktop/market/chart_window.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/toolbar_icon.h"
#include "desktop/market/fundamentals_window.h"
#include "desktop/guide/guide_panel.h"
#include "desktop/parts/help_button.h"
#include "desktop/parts/scroll_box.h"
#include "desktop/parts/window_place.h"

static void Init_Resources() { Q_INIT_RESOURCE(bullquest); }

Main_Window::Main_Window(Game& game, Random& rnd, QWidget* parent)
    : QMainWindow(parent), session(game, rnd), game(session.State()), screens(new Qt_Screens(session, this)) {
    session.Use_Screens(*screens);
    Init_Resources();
    // Every window of the game, and the file dialogs and message boxes too.
    new Frame_Keeper(this);
    setWindowTitle("Bullquest");
    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    Build_Status_Area(central, top);
    layout->addLayout(top);

    SSTab1 = new QTabWidget(central);
    Quotes = new Quotes_Board(game, SSTab1);
    Portfolio = new Portfolio_Tab(game, SSTab1);
    News = new News_Tab(session, SSTab1);
    // On a small screen the board scrolls rather than the window growing past the screen.
    SSTab1->addTab(new Scroll_Box(Quotes, SSTab1), tr("Quotes"));
    SSTab1->addTab(Portfolio, tr("Portfolio"));
    SSTab1->addTab(News, tr("News"));
    SSTab1->setAccessibleName(tr("Quotes, Portfolio and News"));
    SSTab1->setTabToolTip(0, tr("Every stock's price and its change at the last turn, and the market index."));
    SSTab1->setTabToolTip(1, tr("Your shares, short sales and options, and what each is worth now."));
    SSTab1->setTabToolTip(2, tr("This turn's headlines and earnings reports, a quick quote and your news alerts."));
    // The code of a challenge in play, in the room beside the tabs: seen, never in the way.
    Challenge_Code = new QLabel(SSTab1);
    Challenge_Code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Challenge_Code->setContentsMargins(0, 0, 6, 0);
    Challenge_Code->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The tabs lay out their corner once: room for any code from the start, in the words shown.
    Challenge_Code->setText(tr("Challenge %1").arg("WWWW-WWWW-WWWW"));
    Challenge_Code->setMinimumSize(Challenge_Code->sizeHint());
    Challenge_Code->clear();
    Explain(Challenge_Code, tr("Challenge code"),
            tr("The code of the challenge in play: anyone who starts it gets the same market, news and computer."));
    SSTab1->setCornerWidget(Challenge_Code, Qt::TopRightCorner);
    layout->addWidget(SSTab1, 1);

    auto* buttons = new QHBoxLayout;
    Build_Buttons(buttons);
    layout->addLayout(buttons);

    Build_Toolbar();
    Build_Menus();
    Game_Timer = new QTimer(this);
    Game_Timer->setInterval(1000);
    trade = new Trade_Windows(session, this, [this] { Repaint(); });
    Computer_Portfolio = new Computer_Portfolio_Window(session, this);
    Connect_Commands();
    Name_Controls();
    Repaint();
}

void Main_Window::Name_Controls() {
    const std::pair<QObject*, const char*> names[] = {
        {Turn_Number, "turn_number"},
        {Cash_View, "cash_view"},
        {Net_Worth, "net_worth"},
        {Time_Label, "time_label"},
        {Time_Status, "time_status"},
        {Challenge_Code, "challenge_code"},
        {Buy_Button, "buy_button"},
        {Sell_Button, "sell_button"},
        {Short_Button, "short_button"},
        {Options_Button, "options_button"},
        {Earnings_Button, "earnings_button"},
        {End_Turn_Button, "end_turn_button"},
        {Main_Help, "main_help"},
        {Toolbar1, "toolbar"},
        {SSTab1, "tabs"},
        {Quotes, "quotes"},
        {Portfolio, "portfolio"},
        {News, "news"},
        {Game_Timer, "game_timer"},
        {Computer_Portfolio, "computer_portfolio"},
        {New_Game_Menu, "new_game_menu"},
        {Save_Menu, "save_menu"},
        {Save_As_Menu, "save_as_menu"},
        {Load_Menu, "load_menu"},
        {Winners_Menu, "winners_menu"},
        {Exit_Menu, "exit_menu"},
        {RecentBlank, "recent_blank"},
        {Recent[0], "recent_0"},
        {Recent[1], "recent_1"},
        {Recent[2], "recent_2"},
        {Recent[3], "recent_3"},
        {Commissions_Menu, "commissions_menu"},
        {Buy_Menu, "buy_menu"},
        {Sell_Menu, "sell_menu"},
        {Short_Menu, "short_menu"},
        {Options_Menu, "options_menu"},
        {Chart_Menu, "chart_menu"},
        {Fundamentals_Menu, "fundamentals_menu"},
        {Computer_Menu, "computer_menu"},
        {History_Menu, "history_menu"},
        {End_Turn_Menu, "end_turn_menu"},
        {Challenge_Menu, "challenge_menu"},
        {Export_Result_Menu, "export_result_menu"},
        {Statistics_Menu, "statistics_menu"},
        {Enable_Cheat_Menu, "enable_cheat_menu"},
        {Set_Cash_Menu, "set_cash_menu"},
        {Set_Computer_Cash, "set_computer_cash"},
        {Set_Market_Trend, "set_market_trend"},
        {Configure_Menu, "configure_menu"},
        {Instructions_Menu, "instructions_menu"},
        {About_Menu, "about_menu"},
    };
    for (const auto& [control, name] : names) control->setObjectName(name);
}

Main_Window::~Main_Window() { delete trade; }

void Main_Window::Build_Status_Area(QWidget* parent, QBoxLayout* layout) {
    auto* frame = new QGroupBox(parent);
    auto* grid = new QHBoxLayout(frame);
    QFont value_font = font();
    value_font.setBold(true);
    value_font.setPointSizeF(value_font.pointSizeF() * 1.15);
    auto value = [&](QLabel*& label, const QString& caption, const QString& widest) {
        grid->addWidget(new QLabel(caption, frame));
        label = new QLabel(frame);
        label->setFont(value_font);
        label->setMinimumWidth(QFontMetrics(value_font).horizontalAdvance(widest));
        grid->addWidget(label);
        grid->addSpacing(18);
    };
    value(Turn_Number, tr("Turn:"), "00000");
    value(Cash_View, tr("Cash: $"), "000,000,000,000");
    value(Net_Worth, tr("Net Worth: $"), "000,000,000,000");
    Time_Label = new QLabel(tr("Time:"), frame);
    Time_Status = new QProgressBar(frame);
    Time_Status->setRange(0, Turn_Seconds);
    Time_Status->setTextVisible(false);
    Time_Status->setFixedWidth(150);
    Explain(Time_Status, tr("Time left in this turn"),
            tr("The seconds left in this turn: when the bar runs out, the turn ends by itself."));
    // The bar's room is kept while it is hidden, so the window does not grow when it appears.
    for (QWidget* w : {static_cast<QWidget*>(Time_Label), static_cast<QWidget*>(Time_Status)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    Explain(Turn_Number, tr("The turn being played. END TURN moves the market on by one turn."));
    Explain(Cash_View, tr("Your cash: what you can spend on shares, short sale deposits and options."));
    Explain(Net_Worth, tr("Your cash plus what your shares, short sales and options are worth at this turn's "
                          "prices, worked out when a turn ends. Reach the goal to win."));
    grid->addWidget(Time_Label);
    grid->addWidget(Time_Status);
    grid->addStretch();
    layout->addWidget(frame);
}

void Main_Window::Build_Buttons(QBoxLayout* layout) {
    auto button = [&](QPushButton*& b, const QString& caption) {
        b = new QPushButton(caption, centralWidget());
        b->setMinimumWidth(90);
        layout->addWidget(b);
    };
    button(Buy_Button, tr("&Buy"));
    button(Sell_Button, tr("&Sell"));
    button(Short_Button, tr("Shor&t"));
    button(Options_Button, tr("&Options"));
    button(Earnings_Button, tr("&Earnings"));
    Explain(Buy_Button, tr("Buy shares of a stock with your cash."));
    Explain(Sell_Button, tr("Sell shares you own, at this turn's price."));
    Explain(Short_Button, tr("Sell short shares you do not own, or buy back a short sale."));
    Explain(Options_Button, tr("Buy or sell calls and puts on a stock: contracts of 100 shares each."));
    Explain(Earnings_Button, tr("Research a company's earnings, and see which companies report in the next 2 turns."));
    layout->addStretch();
    Main_Help = Make_Help_Button(centralWidget());
    Main_Help->setMinimumWidth(90);
    layout->addWidget(Main_Help);
    layout->addSpacing(12);
    button(End_Turn_Button, tr("END TURN"));
    End_Turn_Button->setMinimumWidth(130);
    QFont bold = End_Turn_Button->font();
    bold.setBold(true);
    End_Turn_Button->setFont(bold);
}

void Main_Window::Build_Toolbar() {
    Toolbar1 = addToolBar(tr("Toolbar"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    // Buttons 4 and 6 of the toolbar are the separators between the groups.
    Toolbar1->addAction(tr("New Game"), this, [this] { New_Game_Menu_Click(); });
    Toolbar1->addAction(tr("Load Game"), this, [this] { Load_Menu_Click(); });
    Toolbar1->addAction(tr("Save Game"), this, [this] {
        if (game.Has_Game) Save_Menu->trigger();
    });
    Toolbar1->addSeparator();
    Toolbar1->addAction(tr("View Charts"), this, [this] { Chart_Menu->trigger(); });
    Toolbar1->addSeparator();
    Toolbar1->addAction(tr("Computer's Portfolio"), this, [this] { Computer_Menu->trigger(); });
    Toolbar1->addAction(tr("History"), this, [this] { History_Menu->trigger(); });
    // The pictures stand out from the toolbar in any palette.
    auto pictures = [this] {
        const QStringList names = {"new_game", "load_game", "save_game", "", "chart", "", "computer", "history"};
        for (int i = 0; i < names.size(); ++i)
            if (!names[i].isEmpty()) Toolbar1->actions().at(i)->setIcon(Toolbar_Icon(names[i], Toolbar1->palette()));
    };
    pictures();
    On_Palette_Change(Toolbar1, pictures);
    const QStringList tips = {tr("Start a new game; asks first whether to save the one in play."),
                              tr("Load a saved game."),
                              tr("Save the game in play."),
                              "",
                              tr("The price chart of any stock or of the market index."),
                              "",
                              tr("The computer opponent's cash, net worth and holdings."),
                              tr("Your net worth against the computer's turn by turn, and the journal of every trade.")};
    for (int i = 0; i < tips.size(); ++i)
        if (!tips[i].isEmpty()) Explain(Toolbar1->actions().at(i), tips[i]);
}

void Main_Window::Build_Menus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    New_Game_Menu = file->addAction(tr("&New Game"));
    Save_Menu = file->addAction(tr("&Save Game"));
    Save_As_Menu = file->addAction(tr("Save Game &As"));
    Load_Menu = file->addAction(tr("&Load Game"));
    Winners_Menu = file->addAction(tr("&Winners Circle"));
    Exit_Menu = file->addAction(tr("&Exit"));
    RecentBlank = file->addSeparator();
    for (int i = 0; i < 4; ++i) Recent[i] = file->addAction(QString());

    QMenu* game_menu = menuBar()->addMenu(tr("&Game"));
    Commissions_Menu = game_menu->addAction(tr("&Commissions and Fees"));
    Buy_Menu = game_menu->addAction(tr("&Buy Stock"));
    Sell_Menu = game_menu->addAction(tr("&Sell Stock"));
    Short_Menu = game_menu->addAction(tr("Shor&t Stock"));
    Options_Menu = game_menu->addAction(tr("Stock &Options"));
    Chart_Menu = game_menu->addAction(tr("&View Charts"));
    Fundamentals_Menu = game_menu->addAction(tr("&Research Company Earnings"));
    Computer_Menu = game_menu->addAction(tr("&Computer's Portfolio"));
    History_Menu = game_menu->addAction(tr("&History"));
    End_Turn_Menu = game_menu->addAction(tr("&End Turn"));
    game_menu->addSeparator();
    Challenge_Menu = game_menu->addAction(tr("Ch&allenge..."));
    Export_Result_Menu = game_menu->addAction(tr("Export Res&ult..."));
    Statistics_Menu = game_menu->addAction(tr("Stat&istics..."));
    // The standard keys beside the mnemonics, and one key for the turn a player ends hundreds of
    // times a game.
    New_Game_Menu->setShortcut(QKeySequence::New);
    Load_Menu->setShortcut(QKeySequence::Open);
    Save_Menu->setShortcut(QKeySequence::Save);
    Exit_Menu->setShortcut(QKeySequence::Quit);
    End_Turn_Menu->setShortcut(End_Turn_Key);
    Explain(End_Turn_Button,
            tr("End the turn: the market moves one trading day (%1)").arg(End_Turn_Key.toString(QKeySequence::NativeText)));

    QMenu* cheat = menuBar()->addMenu(tr("&Cheat"));
    Enable_Cheat_Menu = cheat->addAction(tr("&Enable Cheat Mode"));
    Set_Cash_Menu = cheat->addAction(tr("Set &Your Cash"));
    Set_Computer_Cash = cheat->addAction(tr("Set &Computer Cash"));
    Set_Market_Trend = cheat->addAction(tr("Set &Market Trend"));

    QMenu* settings_menu = menuBar()->addMenu(tr("Sett&ings"));
    Configure_Menu = settings_menu->addAction(tr("&Configure Bullquest..."));
    Configure_Menu->setMenuRole(QAction::PreferencesRole);
    // The desktop's own key where it has one; Ctrl+Shift+, where it has none.
    Configure_Menu->setShortcut(QKeySequence(QKeySequence::Preferences).isEmpty()
                                    ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma)
                                    : QKeySequence(QKeySequence::Preferences));

    QMenu* help_menu = menuBar()->addMenu(tr("&Help"));
    Instructions_Menu = help_menu->addAction(tr("Bullquest &HELP"));
    Guide = new Guide_Panel(session, this);
    Guide->Add_Menu(help_menu);
    addDockWidget(Qt::RightDockWidgetArea, Guide);
    About_Menu = help_menu->addAction(tr("&About Bullquest"));
}

void Main_Window::Connect_Commands() {
    connect(New_Game_Menu, &QAction::triggered, this, [this] { New_Game_Menu_Click(); });
    connect(Save_Menu, &QAction::triggered, this, [this] {
        const bool named = !game.Game_File_Name.empty();
        File_Done(named, session.Save_Game());
    });
    connect(Save_As_Menu, &QAction::triggered, this, [this] {
        File_Done(false, session.Save_As());
    });
    connect(Load_Menu, &QAction::triggered, this, [this] { Load_Menu_Click(); });
    connect(Winners_Menu, &QAction::triggered, this, [this] { screens->Show_Winners(game); });
    connect(Exit_Menu, &QAction::triggered, this, [this] { Exit_Menu_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(Recent[i], &QAction::triggered, this, [this, i] {
            if (!Keep_Game_Safe()) return;
            // The title names the file while it loads, as the list has always done.
            loading = QString::fromStdString(game.Recent[i]) + " - Bullquest";
            const bool loaded = session.Load_Recent(i);
            loading.clear();
            File_Done(false, loaded);
        });

    connect(Commissions_Menu, &QAction::triggered, this, [this] {
        if (!commissions) commissions = new Commissions_Window(session, this);
        commissions->Run();
    });
    connect(Buy_Menu, &QAction::triggered, this, [this] { trade->Buy()->Open(); });
    connect(Sell_Menu, &QAction::triggered, this, [this] { trade->Sell()->Open(); });
    connect(Short_Menu, &QAction::triggered, this, [this] { trade->Short()->Open(); });
    connect(Options_Menu, &QAction::triggered, this, [this] { trade->Options()->Open(); });
    connect(Chart_Menu, &QAction::triggered, this, [this] { trade->Chart()->Open(); });
    connect(Fundamentals_Menu, &QAction::triggered, this, [this] { trade->Fundamentals()->Open(); });
    connect(Computer_Menu, &QAction::triggered, this, [this] { Computer_Portfolio->Open(); });
    connect(History_Menu, &QAction::triggered, this, [this] {
        if (!game.Has_Game) return;
        if (!history) history = new History_Window(session, this);
        history->Open();
    });
    connect(End_Turn_Menu, &QAction::triggered, this, [this] { End_Turn_Menu_Click(); });
    connect(Challenge_Menu, &QAction::triggered, this, [this] {
        if (!challenge) challenge = new Challenge_Window(session, this, [this] { return Keep_Game_Safe(); });
        const bool had_game = game.Has_Game;
        challenge->Run();
        if (game.Has_Game && !had_game && Startup) Startup->hide();
        if (game.Game_File_Name.empty()) caption = "Bullquest";
        Repaint();
    });
    connect(Export_Result_Menu, &QAction::triggered, this, [this] { Export_Result_Click(); });
    connect(Statistics_Menu, &QAction::triggered, this, [this] {
        if (!statistics) statistics = new Statistics_Window(session, this);
        statistics->Run();
    });
    connect(Buy_Button, &QPushButton::clicked, Buy_Menu, &QAction::trigger);
    connect(Sell_Button, &QPushButton::clicked, Sell_Menu, &QAction::trigger);
    connect(Short_Button, &QPushButton::clicked, Short_Menu, &QAction::trigger);
    connect(Options_Button, &QPushButton::clicked, Options_Menu, &QAction::trigger);
    connect(Earnings_Button, &QPushButton::clicked, Fundamentals_Menu, &QAction::trigger);
    connect(End_Turn_Button, &QPushButton::clicked, End_Turn_Menu, &QAction::trigger);

    connect(Enable_Cheat_Menu, &QAction::triggered, this, [this] { Cheat_Done(session.Enable_Cheat_Mode()); });
    connect(Set_Cash_Menu, &QAction::triggered, this, [this] { Cheat_Done(session.Set_Cheat(Cheat::Your_Cash)); });
    connect(Set_Computer_Cash, &QAction::triggered, this, [this] { Cheat_Done(session.Set_Cheat(Cheat::Computer_Cash)); });
    connect(Set_Market_Trend, &QAction::triggered, this, [this] { Cheat_Done(session.Set_Cheat(Cheat::Market_Trend)); });

    connect(Configure_Menu, &QAction::triggered, this, [this] {
        if (settings) settings->Run();
    });
    connect(Instructions_Menu, &QAction::triggered, this, [this] { screens->Show_Help(1); });
    connect(About_Menu, &QAction::triggered, this, [this] {
        if (!about) about = new About_Window(session, this);
        about->Run();
    });
    connect(Main_Help, &QPushButton::clicked, this, [this] { Run_Help(this->session, this, Help_Owner::Main); });

    connect(Quotes, &Quotes_Board::Symbol_Clicked, this, [this](int s) { trade->Chart()->Open_For(s); });
    connect(Portfolio, &Portfolio_Tab::Stock_Row_Double_Clicked, this,
            [this](int row) { Stock_Grid_Double_Click(row); });
    connect(Portfolio, &Portfolio_Tab::Option_Row_Double_Clicked, this,
            [this](int row) { trade->Options()->Open_From_Grid(row - 1); });

    connect(Game_Timer, &QTimer::timeout, this, [this] { Game_Timer_Timer(); });
    connect(screens, &Qt_Screens::Before_Modal, this, [this] { Repaint(); });
    connect(screens, &Qt_Screens::Timer_Switched, this, [this](bool on) { Start_Timer(on); });
    connect(screens, &Qt_Screens::Game_Reset, this, [this] { After_Game_Reset(); });
    connect(screens, &Qt_Screens::Turn_Began, this, [this] { News->Clear_Quick_Quote(); });
}

bool Main_Window::Start_Up(const std::string& data_dir) {
    if (!session.Start_Up(data_dir)) return false;
    Guide->Start();
    settings = new Settings_Window(session, *screens, this);
    settings->Start_Up(data_dir);
    Portfolio->Lay_Out_Grids();
    Repaint();
    Startup = new Start_Window(session, this);
    Startup->setObjectName("start");
    connect(Startup, &Start_Window::New_Game_Chosen, this, [this] {
        Startup->hide();
        caption = "Bullquest";
        session.Deal_New_Game();
        Repaint();
    });
    connect(Startup, &Start_Window::Load_Game_Chosen, this, [this] {
        const bool loaded = session.Load_Game();
        File_Done(false, loaded);
        if (loaded) Startup->hide();
    });
    connect(Startup, &Start_Window::Help_Chosen, this, [this] { screens->Show_Help(1); });
    // Shown once the main window is on screen, so that it stays in front of it.
    QTimer::singleShot(0, Startup, [this] {
        Startup->show();
        Startup->raise();
        Startup->activateWindow();
        Keep_Menus_In_Sight(Startup);
    });
    return true;
}

void Main_Window::Keep_Menus_In_Sight(QWidget* window) {
    // Below the menu bar and the toolbar, which the player may want before choosing.
    const int top = Toolbar1->mapToGlobal(QPoint(0, Toolbar1->height())).y();
    const QRect frame = window->frameGeometry();
    if (frame.top() < top && frame.bottom() > menuBar()->mapToGlobal(QPoint(0, 0)).y()) window->move(frame.left(), top);
    Keep_On_Screen(window);
}

void Main_Window::Repaint() {
    // A new game has no file: the title is the game's name alone.
    setWindowTitle(!loading.isEmpty() ? loading : game.Game_File_Name.empty() ? QString("Bullquest") : caption);
    Show_Figure(Turn_Number, tr("Turn"), QString::fromStdString(game.Turn_Number.Text()));
    Show_Figure(Cash_View, tr("Cash"), QString::fromStdString(::Cash_View(game)), tr("dollars"));
    Show_Figure(Net_Worth, tr("Net Worth"), QString::fromStdString(game.Net_Worth.Text()), tr("dollars"));
    Time_Label->setVisible(game.Game_Timer_Enabled);
    Time_Status->setVisible(game.Game_Timer_Enabled);
    Time_Status->setValue(game.Time_Status);
    Quotes->Repaint();
    Portfolio->Repaint();
    News->Repaint();

    bool any_recent = false;
    for (int i = 0; i < 4; ++i) {
        Recent[i]->setText(QString::fromStdString(game.Recent[i]));
        Recent[i]->setVisible(!game.Recent[i].empty());
        any_recent = any_recent || !game.Recent[i].empty();
    }
    RecentBlank->setVisible(any_recent);

    // Commands that need a game wait for one to be started or loaded.
    const bool playing = game.Has_Game;
    for (QAction* a : {Buy_Menu, Sell_Menu, Short_Menu, Options_Menu, End_Turn_Menu, Save_Menu, Save_As_Menu})
        a->setEnabled(playing);
    for (QPushButton* b : {Buy_Button, Sell_Button, Short_Button, Options_Button, End_Turn_Button})
        b->setEnabled(playing);
    Toolbar1->actions().at(2)->setEnabled(playing);
    History_Menu->setEnabled(playing);
    Toolbar1->actions().at(7)->setEnabled(playing);
    if (history && history->isVisible()) history->Follow();
    Enable_Cheat_Menu->setEnabled(playing && !game.Cheats_Enabled);
    for (QAction* a : {Set_Cash_Menu, Set_Computer_Cash, Set_Market_Trend}) a->setEnabled(playing && game.Cheats_Enabled);
    if (Computer_Portfolio) Computer_Portfolio->Refresh();
    Export_Result_Menu->setEnabled(Challenge_To_Export(game) != nullptr);
    const QString code = game.Challenge ? QString::fromStdString(Code_Text(game.Challenge->Code)) : QString();
    Challenge_Code->setText(game.Challenge ? tr("Challenge %1").arg(code) : QString());
    Challenge_Code->setAccessibleName(Challenge_Code->text().isEmpty() ? tr("No challenge in play") : Challenge_Code->text());
}

bool Main_Window::Keep_Game_Safe() {
    if (!session.Changed()) return true;
    QMessageBox box(QMessageBox::Question, "Bullquest", tr("Save the game in play?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Discard)->setText(tr("Do&n't Save"));
    switch (box.exec()) {
        case QMessageBox::Save: {
            const bool named = !game.Game_File_Name.empty();
            const bool saved = session.Save_Game();
            File_Done(named, saved);
            return saved;  // a save that was cancelled or failed keeps the game in play
        }
        case QMessageBox::Discard: return true;
        default: return false;
    }
}

void Main_Window::New_Game_Menu_Click() {
    if (!Keep_Game_Safe()) return;
    caption = "Bullquest";
    Repaint();
    session.Start_New_Game();
    Repaint();
}

void Main_Window::End_Turn_Menu_Click() {
    if (!game.Has_Game) return;
    Turn_Done(session.Play_Turn());
}

void Main_Window::Game_Timer_Timer() {
    const Turn_Result result = session.Tick_Clock();
    if (result == Turn_Result::Not_Played) {
        Time_Status->setValue(game.Time_Status);
        return;
    }
    // A timed turn: the windows that may be open show the new market.
    if (result == Turn_Result::Played) {
        trade->Follow_Market();
        Computer_Portfolio->Refresh();
    }
    Turn_Done(result);
}

// Quit in the end-of-game window ends the program as the main window's close does.
void Main_Window::Turn_Done(Turn_Result result) {
    Repaint();
    // The game is over: there is nothing left in play to save.
    if (result == Turn_Result::Quit) {
        kept_safe = true;
        close();
    }
}

void Main_Window::Exit_Menu_Click() {
    if (!Keep_Game_Safe()) return;
    if (!screens->Ask_Confirmation("Exit Program...")) return;
    kept_safe = true;
    close();
}

void Main_Window::Export_Result_Click() {
    if (!Challenge_To_Export(game)) return;
    const std::optional<std::string> path = screens->Choose_Result_File(game.Data_Dir);
    if (path && !Export_Result(game, *path)) Report_File_Failure(*screens, File_Task::Write);
}

void Main_Window::Load_Menu_Click() {
    if (!Keep_Game_Safe()) return;
    File_Done(false, session.Load_Game());
}

// A save that asked for a name, and every load, give the title the game's file.
void Main_Window::File_Done(bool named_before, bool done) {
    if (done && !named_before) caption = QString::fromStdString(Caption_For(game.Game_File_Name));
    Repaint();
}

void Main_Window::Cheat_Done(bool) { Repaint(); }

void Main_Window::Start_Timer(bool enabled) {
    if (enabled)
        Game_Timer->start();
    else
        Game_Timer->stop();
    Time_Label->setVisible(enabled);
    Time_Status->setVisible(enabled);
}

void Main_Window::After_Game_Reset() {
    session.Mark_Kept();
    News->Restart();
    // The windows start on the first stock, in the game's order.
    trade->Restart();
    Repaint();
}

void Main_Window::Stock_Grid_Double_Click(int row) {
    const std::optional<Stock_Grid_Close> close = Close_From_Stock_Grid(game, row - 1);
    if (!close) return;
    if (close->Buy_Back)
        trade->Short()->Open_Buy_Back(close->Stock, close->Quantity);
    else
        trade->Sell()->Open_For(close->Stock, close->Quantity);
}

bool Main_Window::eventFilter(QObject* watched, QEvent* event) {
    // A move over the window itself takes the yellow off the board's symbol.
    if (watched == centralWidget() && event->type() == QEvent::MouseMove) Quotes->Unhover();
    return QMainWindow::eventFilter(watched, event);
}

void Main_Window::closeEvent(QCloseEvent* event) {
    // The title bar's close box leaves the game as Exit does, after the same question.
    if (!unloaded && !kept_safe && !Keep_Game_Safe()) {
        event->ignore();
        return;
    }
    if (!unloaded) {
        unloaded = true;
        Game_Timer->stop();
        session.Count_Turns_Played();
        session.Begin_Ending();
        // Every window may close now; they go in the game's order, the main window last.
        auto close = [](QWidget* w) {
            if (w) w->close();
        };
        trade->Close_All();
        close(screens->Alert());
        close(about);
        close(screens->Confirmation());
        close(commissions);
        close(Computer_Portfolio);
        close(screens->End_Game());
        close(screens->Setup());
        close(screens->Uncle_Sam());
        close(screens->Winners());
        close(challenge);
        close(statistics);
        close(Startup);
        close(settings);
        close(findChild<Help_Window*>());
    }
    event->accept();
}
