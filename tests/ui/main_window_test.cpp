// The main window as a player meets it: start-up, a new game, turns by button and by the
// clock, the tax notice, the confirmation and saving and loading through the File menu. What
// the board and the grids show after a turn, the desktop and console test compares.
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/numbers.h"
#include "window_checks.h"
#include "ui/main_window.h"
#include "ui/news_tab.h"
#include "ui/portfolio_tab.h"
#include "ui/quotes_board.h"
#include "ui/start_window.h"

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
        QVERIFY(window->Form_Load(Data().toStdString()));
        window->show();
        QTRY_VERIFY(window->Startup->isVisible());
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
        QAbstractButton* start = Button(window->Startup, "Start &New Game");
        QVERIFY(start);
        start->click();
        QVERIFY(answers.Done());
        QCOMPARE(Text(window->Turn_Number), QString("1"));
    }

    void End_Turn_Quietly() {
        window->News->News_Alert->setChecked(false);
        window->News->World_Alert->setChecked(false);
        window->End_Turn_Button->click();
    }

    void Board_Shows_Game() {
        for (int s = 0; s < Stock_Count; ++s) {
            QCOMPARE(window->Quotes->Price[s]->text().toStdString(), game.Price[s]);
            QCOMPARE(window->Quotes->Change[s]->text().toStdString(), game.Change[s]);
        }
        QCOMPARE(window->Quotes->Price[Index_Entry]->text().toStdString(), game.Price[Index_Entry]);
    }

private slots:
    void init() {
        game = Game{};
        rnd = Random(7);
        QDir(Data()).removeRecursively();
    }
    void cleanup() {
        if (window) window->close();
        window.reset();
    }

    // Before a game nothing plays or saves; a second new game asks first.
    void start_up_waits_for_a_game_and_a_new_game_asks_before_it_replaces_one() {
        Start();
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
        for (QAction* menu : {window->End_Turn_Menu, window->Save_Menu, window->Enable_Cheat_Menu})
            QVERIFY2(!menu->isEnabled(), qPrintable(menu->text()));
        QVERIFY(!window->End_Turn_Button->isEnabled());
        QVERIFY(!window->Buy_Button->isEnabled());
        QVERIFY(!window->RecentBlank->isVisible());
        // No holdings: the title row is an ordinary row.
        QCOMPARE(window->Portfolio->Stock_Portfolio->Row_Count(), 1);
        QVERIFY(!window->Portfolio->Stock_Portfolio->Title_Row_Fixed());
        QVERIFY(!window->Time_Status->isVisible());
        New_Game();
        QVERIFY(!window->Startup->isVisible());
        QVERIFY(window->End_Turn_Button->isEnabled());
        QVERIFY(window->Enable_Cheat_Menu->isEnabled());
        QVERIFY(!window->Set_Cash_Menu->isEnabled());
        Board_Shows_Game();
        const auto prices = game.Price;
        game.Caption = "somewhere.bqg  -  Bullquest";
        window->Repaint();
        Modal_Answers answers;
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            w->close();  // the close box does not answer the question
            QVERIFY(w->isVisible());
            Click("&Cancel")(w);
        });
        window->New_Game_Menu->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(game.Price, prices);
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
    }

    void a_news_line_gives_a_quick_quote() {
        Start();
        New_Game();
        for (int turn = 0; turn < 60 && game.Earnings_News.empty(); ++turn) End_Turn_Quietly();
        QVERIFY(window->News->Earnings_News->count() > 0);
        QListWidgetItem* line = window->News->Earnings_News->item(0);
        emit window->News->Earnings_News->itemClicked(line);
        const int s = game.Earnings_News[0].Item_Data;
        QCOMPARE(window->News->News_Symbol->text().toStdString(), game.Symbol[s]);
        QCOMPARE(window->News->News_Price->text().toStdString(), game.Price[s]);
    }

    void the_time_limit_ends_a_turn() {
        Start();
        New_Game([](QWidget* w) {
            for (QCheckBox* box : w->findChildren<QCheckBox*>())
                if (box->text() == "30 second per turn time limit") box->setChecked(true);
        });
        QVERIFY(window->Time_Status->isVisible());
        QVERIFY(window->Game_Timer->isActive());
        window->News->News_Alert->setChecked(false);
        window->News->World_Alert->setChecked(false);
        // How many ticks a turn takes is the engine's test; here the clock drives the window.
        int bar_after_turn = -1;
        connect(window->Game_Timer, &QTimer::timeout, this, [&] {
            if (bar_after_turn < 0 && Text(window->Turn_Number) == "2") {
                bar_after_turn = window->Time_Status->value();
                window->Game_Timer->stop();  // the bar is read before the next tick moves it
            }
        });
        window->Game_Timer->setInterval(1);
        QTRY_COMPARE(Text(window->Turn_Number), QString("2"));
        QCOMPARE(bar_after_turn, 30);
    }

    void the_hundredth_turn_brings_the_tax_notice() {
        Start();
        New_Game();
        game.Turn_Number = "99";
        game.Player_Capital_Gains = 1000;
        const double cash = Locale_Value(game.Cash_On_Hand);
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
        QCOMPARE(Text(window->Turn_Number), QString("100"));
        QCOMPARE(Locale_Value(Text(window->Cash_View).toStdString()), cash - 280);
    }

    void save_as_and_load_from_the_menu() {
        Start();
        New_Game();
        const QString path = dir.path() + "/first.bqg";
        Modal_Answers answers;
        answers.Then(Choose_File(path));
        window->Save_As_Menu->trigger();
        QVERIFY(answers.Done());
        QVERIFY(QFile::exists(path));
        QCOMPARE(window->windowTitle(), path + "  -  Bullquest");
        QVERIFY(window->Recent[0]->isVisible());
        QCOMPARE(window->Recent[0]->text(), path);
        const auto saved = game.Price;

        End_Turn_Quietly();
        QCOMPARE(Text(window->Turn_Number), QString("2"));
        answers.Then(Choose_File(path));
        window->Load_Menu->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(Text(window->Turn_Number), QString("1"));
        QCOMPARE(game.Price, saved);
        Board_Shows_Game();

        // The recent entry loads it again without a dialog.
        End_Turn_Quietly();
        window->Recent[0]->trigger();
        QCOMPARE(Text(window->Turn_Number), QString("1"));
    }

    void save_as_starts_in_the_data_folder_and_keeps_off_its_files() {
        Start();
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
        window->Save_As_Menu->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(folder, QDir(Data()).absolutePath());
        QCOMPARE(message, QString("Error: Cannot write to file."));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(window->windowTitle(), QString("Bullquest"));
        QVERIFY(!window->Recent[0]->isVisible());
    }

    void the_chart_hands_its_stock_to_research_and_to_the_buy_window() {
        Start();
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
        window->Chart_Menu->trigger();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(researched.toStdString(), game.Symbol[9]);
        QCOMPARE(bought.toStdString(), game.Symbol[9]);
    }

    void a_winning_game_enters_the_winners_circle_and_the_circle_clears() {
        Start();
        New_Game();
        game.Cash_On_Hand = "150000000";  // past the first goal at the next turn's count
        Modal_Answers answers;
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Game over!"));
            QVERIFY(Shows_Text(w, "YOU WIN!"));
            QVERIFY(Shows_Text(w, "You made it into the winners circle!"));
            Nothing_Clipped(w);
            w->close();
            QVERIFY(w->isVisible());
            QTest::keyClick(w, Qt::Key_Escape);  // neither button is a Done
            QVERIFY(w->isVisible());
            auto* name = w->findChild<QLineEdit*>();
            name->selectAll();
            QTest::keyClicks(name, "Ada");
            Click("&New Game")(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("The Winners Circle"));
            w->close();
            QVERIFY(w->isVisible());
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
            w->close();
            QVERIFY(w->isVisible());
            Click("&Go!")(w);
        });
        End_Turn_Quietly();
        QTRY_VERIFY(answers.Done());
        QCOMPARE(Text(window->Turn_Number), QString("1"));
        QCOMPARE(Text(window->Cash_View), QString("5,000"));
        QFile winners(Data() + "/Winners.txt");
        QVERIFY(winners.open(QIODevice::ReadOnly));
        QVERIFY(!winners.readAll().contains("Ada"));
    }

    void the_computers_portfolio_shows_what_the_last_turn_left() {
        Start();
        New_Game();
        for (int t = 0; t < 30; ++t) End_Turn_Quietly();
        const Computer_Portfolio before = game.C_Portfolio;
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("The Computer's Portfolio"));
            QVERIFY(Shows_Text(w, QString::fromStdString(before.Cash_View)));
            QVERIFY(Shows_Text(w, QString::fromStdString(before.Net_Worth)));
            auto* grid = w->findChild<QTableWidget*>();
            QVERIFY(grid->rowCount() >= 7);  // padded to 8 rows with its title row
            for (int r = 0; r < static_cast<int>(before.Grid.size()); ++r)
                QCOMPARE(grid->item(r, 0)->text().toStdString(), before.Grid[r][0]);
            Nothing_Clipped(w);
            w->close();
            QVERIFY(w->isVisible());
            Click("&Done")(w);
        });
        window->Computer_Menu->trigger();
        QTRY_VERIFY(answers.Done());
        // Opening it recomputes nothing.
        QCOMPARE(game.C_Portfolio.Net_Worth, before.Net_Worth);
        QCOMPARE(game.C_Portfolio.Grid, before.Grid);
    }

    void the_setup_window_takes_the_keyboard() {
        Start();
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
        QCOMPARE(Text(window->Cash_View), QString("20,000"));  // the $15,000 head start
    }

    void before_a_game_the_chart_and_research_offer_no_trade() {
        Start();
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
            window->Chart_Menu->trigger();
            answers.Then(trades_enabled(playing));
            window->Fundamentals_Menu->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(answers.Done(), 1000);
        }
    }
};

QTEST_MAIN(Main_Window_Test)
#include "main_window_test.moc"
