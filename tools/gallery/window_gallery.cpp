#include "window_gallery.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "engine/flows/new_game.h"
#include "engine/model/challenge_code.h"
#include "engine/storage/statistics_file.h"
#include "engine/model/numbers.h"
#include "engine/model/silent_screens.h"
#include "engine/flows/turn.h"
#include "engine/guide/guide_notes.h"
#include "desktop/guide/guide_panel.h"
#include "desktop/history/history_window.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"
#include "desktop/messages/help_viewer_window.h"
#include "desktop/main/main_window.h"
#include "engine/trading/portfolio.h"
#include "desktop/main/portfolio_tab.h"
#include "desktop/main/qt_screens.h"
#include "desktop/main/start_window.h"
#include "desktop/parts/theme.h"
#include "desktop/parts/window_place.h"

namespace {

constexpr std::uint32_t Seed = 123;
constexpr int Turn = 150;

// The engine's side of the windows while the game is played up to its turn: nothing is shown.
class Unseen_Screens : public Silent_Screens {
public:
    // The player's choices: the farthest goal, so that the game runs on, the largest head start,
    // short sales for the computer too (whose portfolio then holds a little of everything).
    Settings Run_New_Game_Setup(const Game& game) override {
        Settings setup = game.Setup;
        setup.Play_To = 3;
        setup.Short = 1;
        setup.Handicap = 3;
        setup.Frequency_Slider = 8;
        return setup;
    }
};

// The guide's notes as the game below calls for them, each kind once, with the turn it came at.
struct Guide_Pages {
    std::vector<std::pair<QString, Guide_Note>> Notes;
    void Add(const Game& game, const std::vector<Guide_Note>& due) {
        for (const Guide_Note& note : due) {
            bool seen = false;
            for (const auto& [turn, other] : Notes) seen = seen || other.Key == note.Key;
            if (!seen) Notes.push_back({QString::fromStdString(game.Turn_Number.Text()), note});
        }
    }
};

// A game played to turn 150: shares of three companies, two short sales and calls and puts on
// three more, bought along the way.
void Play_To_The_Turn(Game& game, Random& rnd, Guide_Pages& guide) {
    Unseen_Screens unseen;
    Deal_New_Game(game, rnd, unseen);
    guide.Add(game, Notes_Due(game));
    game.Setup.News_Alert = 0;
    game.Setup.World_Alert = 0;
    using Kind = Player_Input::Kind;
    // Each trade and turn as the player's input, for the notes it calls for.
    auto noted = [&](const Player_Input& input, const std::function<Input_Result()> play) {
        const Guide_Before before = Before_Input(game);
        const Input_Result result = play();
        guide.Add(game, Notes_Due(game, before, input, result));
    };
    auto end_turns_to = [&](int turn) {
        while (game.Turn_Number.Value() < turn)
            noted(Player_Input::End_Turn(), [&] { return Input_Result{Trade_Result::Done, Play_Turn(game, rnd, unseen)}; });
    };
    end_turns_to(Turn - 12);
    for (int s : {2, 9, 30}) {
        noted(Player_Input::Trade(Kind::Buy, s, Read_Quantity("150")),
              [&] { return Input_Result{Buy_Shares(game, s, Read_Quantity("150"))}; });
    }
    for (int s : {5, 21}) {
        noted(Player_Input::Trade(Kind::Sell_Short, s, Read_Quantity("80")),
              [&] { return Input_Result{Trade_Short(game, s, Short_Mode::Sell_Short, Read_Quantity("80"))}; });
    }
    for (int s : {12, 14, 33}) {
        Option_Form form;
        form.Stock = s;
        form.Calls = s != 14;
        Choose_Strike_And_Expiry(game, form);
        form.Number = Read_Quantity("4");
        noted(Player_Input::Option_Trade(form), [&] { return Input_Result{Trade_Option(game, form, unseen)}; });
    }
    end_turns_to(Turn);
    // Someone reached the winners circle at every level before.
    const char* names[4] = {"Ada", "Grace", "Edsger", "Barbara"};
    for (int level = 0; level < 4; ++level)
        game.High_Scores[level][0] = {names[level], "$45,000", 2.5e8 * (level + 1), 9.0e7, 200.0 + 100 * level};
}

// A record of games before this one: a few at each level, and a run of challenges.
void Write_Earlier_Games(const Game& game) {
    Statistics s;
    s.Turns_Played = 48213;
    s.Levels[0] = {1, 6, 200, 1.42, 1710};
    s.Levels[1] = {3, 4, 300, 3.62, 941};
    s.Levels[2] = {7, 2, 500, 5.18, 655};
    s.Levels[3] = {12, 1, 900, 9.47, 388};
    const char* outcomes[] = {"won", "lost", "won", "won", "left", "won", "lost", "won", "won", "won", "lost", "won"};
    const double scores[] = {200, 0, 300, 400, 0, 300, 0, 500, 600, 400, 0, 700};
    for (int k = 0; k < 12; ++k) {
        Settings setup = game.Setup;
        setup.Play_To = k % 3;
        const std::string date = "2026-11-" + std::to_string(k + 10);
        s.Results.push_back({Code_Text(Make_Code(2654435761u * static_cast<std::uint32_t>(k + 1), setup)), date, outcomes[k], scores[k],
                             400.0 + 37 * k, false});
    }
    (void)Write_Statistics(game, s);
}

// Opens a modal window with `open`; once it is up `seen` gets it, and it is closed if still open.
bool Modal(const std::function<void()>& open, const std::function<void(QWidget*)>& seen) {
    bool came = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible()) {
            poll.stop();
            came = true;
            seen(w);
            if (w->isVisible()) w->hide();
        } else if (clock.elapsed() > 2000) {
            poll.stop();
        }
    });
    poll.start();
    open();
    return came;
}

// A control of the main window, by its object name.
template <typename T>
T* Child(QObject* window, const char* name) {
    return window->findChild<T*>(name);
}

}  // namespace

QPalette Light_Palette() { return Light_Theme_Palette(); }

QPalette Dark_Palette() { return Dark_Theme_Palette(); }

QStringList Gallery_Names() {
    return {"start",  "main",     "portfolio", "news",     "setup",       "buy",          "sell",
            "short",  "options",  "chart",     "research", "computer",    "commissions",  "tax",
            "alert",  "confirmation", "game_over", "winners", "about",     "help",         "settings",     "help_viewer",
            "history", "journal", "challenge", "statistics", "guide"};
}

bool Show_Every_Window(const QString& data_dir, const std::function<void(const QString& name, QWidget* window)>& look) {
    Game game;
    Random rnd(Seed);
    Main_Window window(game, rnd);
    if (!window.Start_Up(data_dir.toStdString())) return false;
    // The panel of the guide has a turn of its own, at the end: the other pictures show the
    // board alone.
    auto* guide_panel = Child<Guide_Panel>(&window, "guide");
    guide_panel->hide();
    Centre_On_Screen(&window);
    window.show();
    QApplication::processEvents();
    // The first start opens the help beside the start window; it has its own turn below.
    for (auto* viewer : window.findChildren<Help_Viewer_Window*>()) viewer->hide();
    look("start", Child<Start_Window>(&window, "start"));
    Child<Start_Window>(&window, "start")->hide();

    Guide_Pages guide;
    Play_To_The_Turn(game, rnd, guide);
    window.Game_Screens().Windows_Reset();
    // The first earnings report clicked: its company's quick quote shows.
    if (QListWidget* reports = Child<QListWidget>(&window, "earnings_news"); reports->count() > 0) emit reports->itemClicked(reports->item(0));
    for (int tab = 0; tab < 3; ++tab) {
        Child<QTabWidget>(&window, "tabs")->setCurrentIndex(tab);
        QApplication::processEvents();
        look(QStringList{"main", "portfolio", "news"}[tab], &window);
    }
    Child<QTabWidget>(&window, "tabs")->setCurrentIndex(0);

    Qt_Screens& screens = window.Game_Screens();
    bool all = true;
    auto modal = [&](const QString& name, const std::function<void()>& open,
                     const std::function<void(QWidget*)>& prepare = {},
                     const std::function<void(QWidget*)>& after = {}) {
        all = Modal(open, [&](QWidget* w) {
                  if (prepare) prepare(w);
                  // What the player's actions left, the chart's old axes gone, as after a return to
                  // the event loop.
                  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                  QApplication::processEvents();
                  look(name, w);
                  if (after) after(w);
              }) && all;
    };

    modal("setup", [&] {
        screens.Run_New_Game_Setup(game);
        screens.Setup_Progress(100);
    }, [](QWidget* w) {
        // The level follows a click on a difficulty box, as the player's own would.
        if (auto* box = w->findChild<QCheckBox*>("computer_short")) {
            box->click();
            box->click();
        }
    }, [](QWidget* w) {
        // Go ends the window's wait; the window itself goes when the build is done.
        if (auto* go = w->findChild<QAbstractButton*>("go")) go->click();
    });
    modal("buy", [&] { Child<QAction>(&window, "buy_menu")->trigger(); }, [](QWidget* w) {
        w->findChild<QComboBox*>("symbol")->setCurrentIndex(9);
        w->findChild<QLineEdit*>("quantity")->setText("25");
    });
    modal("sell", [&] { Child<QAction>(&window, "sell_menu")->trigger(); }, [](QWidget* w) {
        w->findChild<QLineEdit*>("quantity")->setText("40");
    });
    modal("short", [&] {
        // A short row of the stock grid, double-clicked: the buy-back of that position.
        int row = 0;
        const std::vector<Stock_Row> rows = Stock_Grid_Rows(game);
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].Short) row = static_cast<int>(r) + 1;
        emit Child<Portfolio_Grid>(&window, "stock_grid")->Row_Double_Clicked(row);
    });
    modal("options", [&] { Child<QAction>(&window, "options_menu")->trigger(); }, [](QWidget* w) {
        w->findChild<QComboBox*>("symbol")->setCurrentIndex(12);
        w->findChild<QLineEdit*>("quantity")->setText("2");
    });
    modal("chart", [&] { Child<QAction>(&window, "chart_menu")->trigger(); }, [](QWidget* w) {
        w->findChild<QComboBox*>("symbol")->setCurrentIndex(9);
        w->findChild<QCheckBox*>("show_average")->click();
    });
    modal("research", [&] { Child<QAction>(&window, "fundamentals_menu")->trigger(); });
    modal("computer", [&] { Child<QAction>(&window, "computer_menu")->trigger(); });
    modal("commissions", [&] { Child<QAction>(&window, "commissions_menu")->trigger(); });
    modal("tax", [&] { screens.Show_Tax("$1,234,567", "$89,012"); });
    modal("alert", [&] {
        screens.Show_Alert("Option Expiration Warning!", "ALERT! The following option(s) are due to expire next turn.",
                           {"Call  " + game.Symbol[12] + ",   Strike: 40,   Quantity: 4",
                            "Put  " + game.Symbol[14] + ",   Strike: 30,   Quantity: 4"});
    });
    modal("confirmation", [&] { screens.Ask_Confirmation("Start New Game..."); });
    modal("game_over", [&] {
        screens.Run_End_Of_Game(game, {"YOU WIN!", "300", "You made it into the winners circle!",
                                       "Please enter your name:", true});
    });
    modal("winners", [&] { Child<QAction>(&window, "winners_menu")->trigger(); });
    modal("about", [&] { Child<QAction>(&window, "about_menu")->trigger(); });
    modal("help", [&] { Child<QPushButton>(&window, "main_help")->click(); });
    modal("settings", [&] { Child<QAction>(&window, "configure_menu")->trigger(); });

    Child<QAction>(&window, "instructions_menu")->trigger();
    QApplication::processEvents();
    auto* viewer = window.findChild<Help_Viewer_Window*>();
    all = all && viewer && viewer->isVisible();
    if (viewer) {
        look("help_viewer", viewer);
        viewer->hide();
    }

    // The History window stays open beside the main window: both its tabs.
    window.findChild<QAction*>("history_menu")->trigger();
    QApplication::processEvents();
    auto* history = window.findChild<History_Window*>();
    all = all && history && history->isVisible();
    if (history) {
        look("history", history);
        history->Tabs()->setCurrentIndex(1);
        QApplication::processEvents();
        look("journal", history);
        history->hide();
    }

    // A new code made from the game's settings, ready to be passed on.
    modal("challenge", [&] { Child<QAction>(&window, "challenge_menu")->trigger(); }, [](QWidget* w) {
        if (auto* make = w->findChild<QAbstractButton*>("new_code")) make->click();
    });
    Write_Earlier_Games(game);
    modal("statistics", [&] { Child<QAction>(&window, "statistics_menu")->trigger(); });
    // The guide beside the board, with the notes the game called for, the last on top.
    for (const auto& [turn, note] : guide.Notes) guide_panel->Add_Notes({note}, turn);
    guide_panel->show();
    // As the game opens with the panel: fitted and centred on the screen.
    Centre_On_Screen(&window);
    QApplication::processEvents();
    look("guide", &window);
    window.close();
    return all;
}
