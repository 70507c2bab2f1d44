// The main window as a player meets it: start-up, a new game, turns by button and by the
// clock, the tax notice, the confirmation and saving and loading through the File menu. What
// the board and the grids show after a turn, the desktop and console test compares.

#include "engine/model/numbers.h"
#include "engine/opponent/computer_portfolio.h"
#include "window_checks.h"
#include "desktop/main/main_window.h"
#include "desktop/main/news_tab.h"
#include "desktop/main/portfolio_tab.h"
#include "desktop/main/quotes_board.h"
#include "desktop/main/start_window.h"

namespace {

bool Grids_Show(QWidget* window, const QString& text) {
    for (QTableWidget* grid : window->findChildren<QTableWidget*>())
        if (!grid->findItems(text, Qt::MatchExactly).isEmpty()) return true;
    return false;
}

bool Shows_Text(QWidget* window, const QString& text) {
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

std::function<void(QWidget*)> Choose_File(const QString& path) {
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // public through the base
    };
}

QString Text(QLabel* label) { return label->text(); }

}  // namespace

class Main_Window_Test : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Game game;
    Random rnd{7};
    std::unique_ptr<Main_Window> window;

    QString Data() const { return dir.path() + "/data"; }

    void Start() {
        window = std::make_unique<Main_Window>(game, rnd);
        QVERIFY(window->Start_Up(Data().toStdString()));
        window->show();
        QTRY_VERIFY(Child<Start_Window>(window.get(), "start")->isVisible());
    }

    // A new game from the start window, with the setup window answered by Go!.
    void New_Game(std::function<void(QWidget*)> setup = {}) {
        Modal_Answers answers;
        answers.Then([setup](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("New Game Setup"));
            if (setup) setup(w);
            Nothing_Clipped(w);
            Click("&Go!")(w);
        });
        QAbstractButton* start = Button(Child<Start_Window>(window.get(), "start"), "Start &New Game");
        QVERIFY(start);
        start->click();
        QVERIFY(answers.Done());
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("1"));
    }

    void End_Turn_Quietly() {
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        Child<QPushButton>(window.get(), "end_turn_button")->click();
    }

    void Board_Shows_Game() {
        for (int s = 0; s < Stock_Count; ++s) {
            QCOMPARE(Board_Label(window.get(), "price", s)->text().toStdString(), game.Price[s].Text());
            QCOMPARE(Board_Label(window.get(), "change", s)->text().toStdString(), game.Change[s].Text());
        }
        QCOMPARE(Board_Label(window.get(), "price", Index_Entry)->text().toStdString(), game.Price[Index_Entry].Text());
    }

private slots:
    void init() {
        game = Game{};
        rnd = Random(7);
        QDir(Data()).removeRecursively();
        Start();
    }
    void cleanup() {
        // A game left in play asks to be saved on the way out; the test's games are not kept.
        Modal_Answers answers([](QWidget* w) {
            if (!Button(w, "Do&n't Save")) return false;
            Click("Do&n't Save")(w);
            return true;
        });
        if (window) window->close();
        window.reset();
    }

    // Before a game nothing plays or saves; a second new game asks first.
    void start_up_waits_for_a_game_and_a_new_game_asks_before_it_replaces_one() {
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
        auto enabled = [&](const char* name) { return Child<QObject>(window.get(), name)->property("enabled").toBool(); };
        for (const char* name : {"end_turn_menu", "save_menu", "enable_cheat_menu", "end_turn_button", "buy_button"})
            QVERIFY2(!enabled(name), name);
        QVERIFY(!Child<QAction>(window.get(), "recent_blank")->isVisible());
        // No holdings: the title row is an ordinary row.
        QCOMPARE(Child<Portfolio_Grid>(window.get(), "stock_grid")->Row_Count(), 1);
        QVERIFY(!Child<Portfolio_Grid>(window.get(), "stock_grid")->Title_Row_Fixed());
        QVERIFY(!Child<QProgressBar>(window.get(), "time_status")->isVisible());
        New_Game();
        QVERIFY(!Child<Start_Window>(window.get(), "start")->isVisible());
        QVERIFY(enabled("end_turn_button") && enabled("enable_cheat_menu") && !enabled("set_cash_menu"));
        Board_Shows_Game();
        const auto prices = game.Price;
        Modal_Answers answers;
        const QString somewhere = dir.path() + "/somewhere.bqg";
        answers.Then(Choose_File(somewhere));
        Child<QAction>(window.get(), "save_as_menu")->trigger();
        QCOMPARE(window->windowTitle(), somewhere + "  -  Bullquest");
        // Cancelled, the new game leaves the game and its file, the title already plain.
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            Close_Box_Refused(w);
            Click("&Cancel")(w);
        });
        Child<QAction>(window.get(), "new_game_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(game.Price, prices);
        QCOMPARE(game.Game_File_Name, somewhere.toStdString());
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
    }

    void a_news_line_gives_a_quick_quote() {
        New_Game();
        for (int turn = 0; turn < 60 && game.Earnings_News.empty(); ++turn) End_Turn_Quietly();
        QVERIFY(Child<QListWidget>(window.get(), "earnings_news")->count() > 0);
        QListWidgetItem* line = Child<QListWidget>(window.get(), "earnings_news")->item(0);
        emit Child<QListWidget>(window.get(), "earnings_news")->itemClicked(line);
        const int s = game.Earnings_News[0].Item_Data;
        QCOMPARE(Child<QLabel>(window.get(), "news_symbol")->text().toStdString(), game.Symbol[s]);
        QCOMPARE(Child<QLabel>(window.get(), "news_price")->text().toStdString(), game.Price[s].Text());
    }

    void the_time_limit_ends_a_turn() {
        New_Game([](QWidget* w) {
            for (QCheckBox* box : w->findChildren<QCheckBox*>())
                if (box->text() == "30 second per turn time limit") box->setChecked(true);
        });
        QVERIFY(Child<QProgressBar>(window.get(), "time_status")->isVisible());
        QVERIFY(Child<QTimer>(window.get(), "game_timer")->isActive());
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        // How many ticks a turn takes is the engine's test; here the clock drives the window.
        int bar_after_turn = -1;
        connect(Child<QTimer>(window.get(), "game_timer"), &QTimer::timeout, this, [&] {
            if (bar_after_turn < 0 && Text(Child<QLabel>(window.get(), "turn_number")) == "2") {
                bar_after_turn = Child<QProgressBar>(window.get(), "time_status")->value();
                Child<QTimer>(window.get(), "game_timer")->stop();  // the bar is read before the next tick moves it
            }
        });
        Child<QTimer>(window.get(), "game_timer")->setInterval(1);
        QTRY_COMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("2"));
        QCOMPARE(bar_after_turn, 30);
    }

    // The clock brings every trade window up to date, the Short window last; an open Buy window
    // still checks a purchase against its own maximum, not the Short window's (cash over half
    // the price).
    void a_timed_turn_leaves_the_open_buy_window_its_own_maximum() {
        New_Game([](QWidget* w) {
            for (QCheckBox* box : w->findChildren<QCheckBox*>())
                if (box->text() == "30 second per turn time limit") box->setChecked(true);
        });
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        auto* clock = Child<QTimer>(window.get(), "game_timer");
        connect(clock, &QTimer::timeout, this, [&] {
            if (game.Turn_Number.Value() == 2) clock->stop();
        });
        QString ground, flash;
        double typed = 0;
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            const Trade_Controls buy(w);
            QCOMPARE(buy.Symbol->currentIndex(), 0);
            clock->setInterval(1);
            QTRY_COMPARE_WITH_TIMEOUT(game.Turn_Number.Value(), 2.0, 1000);
            // Typed before the clock ran out: no key of it is released after the turn.
            const double cash = game.Cash_On_Hand.Value(), price = Stock_Price(game, 0);
            typed = Int(cash / price) + 1;
            QVERIFY(typed <= Int(cash / (price / 2)));
            buy.Quantity->setText(QString::number(typed));
            ground = buy.Quantity->palette().color(QPalette::Base).name();
            buy.Trade->click();
            flash = buy.Quantity->palette().color(QPalette::Base).name();
            Click("&Done")(w);
        });
        Child<QPushButton>(window.get(), "buy_button")->click();
        QVERIFY(answers.Done());
        QVERIFY(typed > 0);
        QCOMPARE(game.Player_Stock[0].Shares, 0.0);
        QVERIFY2(flash != ground, "the refusal flashes the box");
    }

    void the_hundredth_turn_brings_the_tax_notice() {
        New_Game();
        game.Turn_Number.Set(99);
        game.Player_Capital_Gains = 1000;
        const double cash = game.Cash_On_Hand.Value();
        bool shown = false;
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Uncle Sam!"));
            shown = Shows_Text(w, "$280") && Shows_Text(w, "0");
            Click("Oh My &God!")(w);
        });
        End_Turn_Quietly();
        QVERIFY(answers.Done());
        QVERIFY(shown);
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("100"));
        QCOMPARE(Locale_Value(Text(Child<QLabel>(window.get(), "cash_view")).toStdString()), cash - 280);
    }

    void save_as_and_load_from_the_menu() {
        New_Game();
        const QString path = dir.path() + "/first.bqg";
        Modal_Answers answers;
        answers.Then(Choose_File(path));
        Child<QAction>(window.get(), "save_as_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(window->windowTitle(), path + "  -  Bullquest");
        QVERIFY(Child<QAction>(window.get(), "recent_0")->isVisible());
        QCOMPARE(Child<QAction>(window.get(), "recent_0")->text(), path);
        const auto saved = game.Price;

        End_Turn_Quietly();
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("2"));
        answers.Then(Click("Do&n't Save"));
        answers.Then(Choose_File(path));
        Child<QAction>(window.get(), "load_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("1"));
        QCOMPARE(game.Price, saved);
        Board_Shows_Game();

        // The recent entry loads it again without a file dialog.
        End_Turn_Quietly();
        answers.Then(Click("Do&n't Save"));
        Child<QAction>(window.get(), "recent_0")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("1"));
    }

    // The game in play is never lost without a word: every way out of it asks first, and only
    // when something changed since it was last saved or loaded.
    void a_changed_game_asks_to_be_saved_before_it_is_left() {
        New_Game();
        const QString path = dir.path() + "/kept.bqg";
        Modal_Answers answers;
        auto asked = [](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("Save the game in play?"));
            QVERIFY(Button(w, "&Save") || Button(w, "Save"));
            QVERIFY(Button(w, "Do&n't Save"));
            QVERIFY(Button(w, "&Cancel") || Button(w, "Cancel"));
        };
        // A game just dealt has nothing to lose: New Game goes straight to its confirmation.
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            Click("&Cancel")(w);
        });
        Child<QAction>(window.get(), "new_game_menu")->trigger();
        QVERIFY(answers.Done());

        // After a turn, Cancel keeps the game as it is and asks nothing more.
        End_Turn_Quietly();
        const auto prices = game.Price;
        for (const char* menu : {"new_game_menu", "load_menu", "exit_menu"}) {
            answers.Then([asked](QWidget* w) {
                asked(w);
                auto* box = qobject_cast<QMessageBox*>(w);
                box->button(QMessageBox::Cancel)->click();
            });
            Child<QAction>(window.get(), menu)->trigger();
            QVERIFY2(answers.Done(), menu);
            QCOMPARE(game.Price, prices);
            QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("2"));
            QVERIFY(window->isVisible());
        }
        // The close box asks too, and Cancel leaves the window open.
        answers.Then([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Cancel)->click(); });
        window->close();
        QVERIFY(answers.Done());
        QVERIFY(window->isVisible());

        // Save asks for a name, saves, and then the specified confirmation follows.
        answers.Then([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Save)->click(); });
        answers.Then(Choose_File(path));
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            Click("&Cancel")(w);
        });
        Child<QAction>(window.get(), "new_game_menu")->trigger();
        QVERIFY(answers.Done());
        QVERIFY(QFile::exists(path));
        // Saved, nothing is asked until the game changes again.
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            Click("&Cancel")(w);
        });
        Child<QAction>(window.get(), "new_game_menu")->trigger();
        QVERIFY(answers.Done());
    }

    // The keys a player expects: the standard ones on the File commands and one for END TURN,
    // named in the menu and on the button.
    void the_standard_keys_and_one_for_the_turn() {
        QCOMPARE(Child<QAction>(window.get(), "new_game_menu")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(Child<QAction>(window.get(), "load_menu")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(Child<QAction>(window.get(), "save_menu")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(Child<QAction>(window.get(), "exit_menu")->shortcut(), QKeySequence(QKeySequence::Quit));
        New_Game();
        const QKeySequence key = Child<QAction>(window.get(), "end_turn_menu")->shortcut();
        QVERIFY(!key.isEmpty());
        QVERIFY(Child<QPushButton>(window.get(), "end_turn_button")->toolTip().contains(key.toString(QKeySequence::NativeText)));
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->windowHandle(), key[0].key(), key[0].keyboardModifiers());
        QTRY_COMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("2"));
    }

    void save_as_starts_in_the_data_folder_and_keeps_off_its_files() {
        New_Game();
        const QString winners = Data() + "/Winners.txt";
        QFile file(winners);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        Modal_Answers answers;
        QString folder, message;
        answers.Then([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            folder = dialog->directory().absolutePath();
            dialog->selectFile(winners);
            // Later: the dialog's own question (replace the file?) must find the answers free.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        });
        answers.Then([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); });
        answers.Then([&](QWidget* w) {
            message = qobject_cast<QMessageBox*>(w)->text();
            static_cast<QDialog*>(w)->accept();
        });
        Child<QAction>(window.get(), "save_as_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(folder, QDir(Data()).absolutePath());
        QCOMPARE(message, QString("Error: Cannot write to file."));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
        QVERIFY(!Child<QAction>(window.get(), "recent_0")->isVisible());
    }

    void the_chart_hands_its_stock_to_research_and_to_the_buy_window() {
        New_Game();
        Modal_Answers answers;
        QString researched, bought;
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Chart Stocks"));
            auto* symbol = w->findChild<QComboBox*>();
            QCOMPARE(symbol->currentIndex(), 0);  // a new game starts every window on the first stock
            symbol->setCurrentIndex(9);
            Click("&Earnings")(w);
        });
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Research Company Earnings"));
            researched = w->findChild<QComboBox*>()->currentText();
            Click("&View Chart")(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Chart Stocks"));
            Click("&Buy Stock")(w);
        });
        answers.Then([&](QWidget* w) {
            bought = w->findChild<QComboBox*>()->currentText();
            Click("&Done")(w);
        });
        Child<QAction>(window.get(), "chart_menu")->trigger();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(researched.toStdString(), game.Symbol[9]);
        QCOMPARE(bought.toStdString(), game.Symbol[9]);
    }

    void a_winning_game_enters_the_winners_circle_and_the_circle_clears() {
        New_Game();
        game.Cash_On_Hand.Set(150000000);  // past the first goal at the next turn's count
        Modal_Answers answers;
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Game over!"));
            QVERIFY(Shows_Text(w, "YOU WIN!"));
            QVERIFY(Shows_Text(w, "You made it into the winners circle!"));
            Nothing_Clipped(w);
            Close_Box_Refused(w);
            QTest::keyClick(w, Qt::Key_Escape);  // neither button is a Done
            QVERIFY(w->isVisible());
            auto* name = w->findChild<QLineEdit*>();
            name->selectAll();
            QTest::keyClicks(name, "Ada");
            Click("&New Game")(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("The Winners Circle"));
            Close_Box_Refused(w);
            QVERIFY(Grids_Show(w, "Ada"));
            Nothing_Clipped(w);
            Click("&Clear High Scores", true)(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Clear High Scores..."));
            Click("&Yes")(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("The Winners Circle"));
            QVERIFY(!Grids_Show(w, "Ada"));
            Click("&WOW!")(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("New Game Setup"));
            Close_Box_Refused(w);
            Click("&Go!")(w);
        });
        End_Turn_Quietly();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(Text(Child<QLabel>(window.get(), "turn_number")), QString("1"));
        QCOMPARE(Text(Child<QLabel>(window.get(), "cash_view")), QString("5,000"));
        QFile winners(Data() + "/Winners.txt");
        QVERIFY(winners.open(QIODevice::ReadOnly));
        QVERIFY(!winners.readAll().contains("Ada"));
    }

    void the_computers_portfolio_shows_what_the_last_turn_left() {
        New_Game();
        for (int t = 0; t < 30; ++t) End_Turn_Quietly();
        const Computer_Portfolio before = game.C_Portfolio;
        const std::vector<Grid_Row> rows = Computer_Grid_Rows(game);
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("The Computer's Portfolio"));
            QVERIFY(Shows_Text(w, QString::fromStdString(before.Cash_View.Text())));
            QVERIFY(Shows_Text(w, QString::fromStdString(before.Net_Worth.Text())));
            auto* grid = w->findChild<QTableWidget*>();
            QVERIFY(grid->rowCount() >= 7);  // padded to 8 rows with its title row
            for (int r = 0; r < static_cast<int>(rows.size()); ++r)
                QCOMPARE(grid->item(r, 0)->text().toStdString(), rows[r][0]);
            Nothing_Clipped(w);
            Close_Box_Refused(w);
            Click("&Done")(w);
        });
        Child<QAction>(window.get(), "computer_menu")->trigger();
        QTRY_VERIFY(answers.Done());
        // Opening it recomputes nothing.
        QCOMPARE(game.C_Portfolio.Net_Worth.Text(), before.Net_Worth.Text());
        QCOMPARE(game.C_Portfolio.Cash_View.Text(), before.Cash_View.Text());
    }

    void the_setup_window_takes_the_keyboard() {
        New_Game([](QWidget* w) {
            // The goal and the handicap lists take the arrows; Escape leaves nothing; Enter is Go!.
            const auto lists = w->findChildren<QComboBox*>();
            QCOMPARE(lists.size(), 2);
            for (QComboBox* list : lists) QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w->isVisible());
            QTest::keyClick(lists[1], Qt::Key_Return);
            QVERIFY(!Button(w, "&Go!")->isEnabled());  // pressed: the market is being built
        });
        QCOMPARE(game.Setup.Play_To, 1);
        QCOMPARE(Text(Child<QLabel>(window.get(), "cash_view")), QString("20,000"));  // the $15,000 head start
    }

    void before_a_game_the_chart_and_research_offer_no_trade() {
        const QStringList trades = {"&Buy Stock", "&Sell Stock", "S&hort Sell", "&Calls", "&Puts"};
        auto trades_enabled = [&](bool enabled) {
            return [=](QWidget* w) {
                for (const QString& text : trades) QCOMPARE(Button(w, text)->isEnabled(), enabled);
                Click("&Done")(w);
            };
        };
        Modal_Answers answers;
        for (bool playing : {false, true}) {
            if (playing) New_Game();
            answers.Then(trades_enabled(playing));
            Child<QAction>(window.get(), "chart_menu")->trigger();
            answers.Then(trades_enabled(playing));
            Child<QAction>(window.get(), "fundamentals_menu")->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(answers.Done(), 1000);
        }
    }
};

QTEST_MAIN(Main_Window_Test)
#include "main_window_test.moc"
