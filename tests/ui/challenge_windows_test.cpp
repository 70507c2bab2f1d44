// Challenges and statistics as a player meets them in the desktop game: a code typed into the
// setup window or Game > Challenge, the code passed on through the clipboard, a result exported
// and checked by the verifier, and the Statistics window over the data folder's file.
#include <sstream>

#include "cli/driver.h"
#include "engine/flows/statistics.h"
#include "engine/flows/verify_result.h"
#include "engine/model/challenge_code.h"
#include "engine/model/challenge_record.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/statistics_file.h"
#include "desktop/main/main_window.h"
#include "desktop/main/start_window.h"
#include "window_checks.h"

namespace {

// The prices of the game a console reaches with these commands.
class Last_Prices : public Console_Observer {
public:
    QStringList prices;
    std::string turn;
    void After_Turn(const Game&) override {}
    void After_Command(const std::string&, const Game&, const Game& after) override {
        prices.clear();
        for (const Shown_Number& price : after.Price) prices << QString::fromStdString(price.Text());
        turn = after.Turn_Number.Text();
    }
};

QStringList Prices(const Game& game) {
    QStringList prices;
    for (const Shown_Number& price : game.Price) prices << QString::fromStdString(price.Text());
    return prices;
}

// A code with settings a fresh setup window does not hold: the next goal, short sales for the
// computer, the news at its strongest.
Challenge_Code Unusual_Code(std::uint32_t seed) {
    Settings setup;
    setup.Play_To = 2;
    setup.Short = 1;
    setup.Power_Slider = 10;
    return Make_Code(seed, setup);
}

// The code with one character changed for another of the code's own alphabet: what a slip of
// the finger gives.
QString Mistyped(const QString& code) {
    QString typed = code;
    typed[5] = typed[5] == 'K' ? 'M' : 'K';
    return typed;
}

QByteArray File_Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class Challenge_Windows_Test : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Game> game;
    std::unique_ptr<Random> rnd;
    std::unique_ptr<Main_Window> window;

    QString Data() const { return dir->path() + "/data"; }
    QAction* Menu(const char* name) { return Child<QAction>(window.get(), name); }

    void Start() {
        window = std::make_unique<Main_Window>(*game, *rnd);
        QVERIFY(window->Start_Up(Data().toStdString()));
        window->show();
        QTRY_VERIFY(Child<Start_Window>(window.get(), "start")->isVisible());
    }

    // The start window's New Game, the setup window answered by `setup`.
    void New_Game(std::function<void(QWidget*)> setup) {
        Modal_Answers answers;
        answers.Then([setup](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("New Game Setup"));
            setup(w);
        });
        Button(Child<Start_Window>(window.get(), "start"), "Start &New Game")->click();
        QVERIFY(answers.Done());
    }

    void End_Turns(int turns) {
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        for (int k = 0; k < turns; ++k) Child<QPushButton>(window.get(), "end_turn_button")->click();
    }

    // Game > Challenge..., answered by `actions`.
    void In_Challenge_Window(std::function<void(QWidget*)> actions) {
        Modal_Answers answers;
        answers.Then([actions](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Challenge"));
            actions(w);
        });
        Menu("challenge_menu")->trigger();
        QVERIFY(answers.Done());
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        game = std::make_unique<Game>();
        rnd = std::make_unique<Random>(7);
        Start();
    }
    void cleanup() {
        if (window) window->hide();
        window.reset();
    }

    void a_mistyped_code_is_refused_in_the_setup_window_and_nothing_starts() {
        const QString code = QString::fromStdString(Code_Text(Unusual_Code(31337)));
        New_Game([&](QWidget* w) {
            auto* box = Child<QLineEdit>(w, "challenge_code");
            auto* line = Child<QLabel>(w, "challenge_line");
            for (const auto& [typed, problem] : {std::pair{Mistyped(code), Code_Problem::Mistyped},
                                                 std::pair{code.left(9), Code_Problem::Length},
                                                 std::pair{code.left(13) + "0", Code_Problem::Character}}) {
                QTest::keyClicks(box, typed, Qt::NoModifier);
                Click("&Go!")(w);
                QVERIFY2(w->isVisible(), qPrintable(typed));
                QVERIFY(Button(w, "&Go!")->isEnabled());
                QCOMPARE(line->text(), QString::fromStdString(Code_Problem_Text(problem)));
                QVERIFY(box->property("flashing").toBool());
                QVERIFY(!game->Has_Game);
                box->clear();
            }
            // The box emptied: an ordinary game with the window's own settings.
            QTest::keyClicks(box, "x");
            QTest::keyClick(box, Qt::Key_Backspace);
            Click("&Go!")(w);
        });
        QVERIFY(game->Has_Game);
        QVERIFY(!game->Challenge);
        QCOMPARE(game->Setup.Play_To, 0);
        QCOMPARE(Child<QLabel>(window.get(), "challenge_code")->text(), QString());
    }

    void a_code_typed_in_the_setup_window_deals_the_consoles_market() {
        const Challenge_Code code = Unusual_Code(20261209);
        const QString text = QString::fromStdString(Code_Text(code));
        New_Game([&](QWidget* w) {
            // Typed as a person might: small letters, blanks for the dashes.
            QTest::keyClicks(Child<QLineEdit>(w, "challenge_code"), text.toLower().replace('-', ' '));
            // The code's settings show instead of the window's, which wait disabled.
            auto* goal = w->findChildren<QComboBox*>().value(0);
            QCOMPARE(goal->currentIndex(), 2);
            QVERIFY(!goal->isEnabled());
            QVERIFY(Child<QLabel>(w, "challenge_line")->text().contains(text));
            Click("&Go!")(w);
        });
        QVERIFY(game->Challenge);
        QCOMPARE(Code_Text(game->Challenge->Code), text.toStdString());
        QCOMPARE(game->Setup.Play_To, 2);
        QCOMPARE(game->Setup.Short, 1);
        QVERIFY(Child<QLabel>(window.get(), "challenge_code")->text().contains(text));
        End_Turns(6);

        // Another generator's seed, the same code: the same board turn for turn.
        Last_Prices console;
        std::istringstream commands("challenge " + text.toStdString() + "\nend 6\n");
        std::ostringstream out;
        QCOMPARE(Run_Console(commands, out, 99, (dir->path() + "/console").toStdString(), &console), 0);
        QCOMPARE(console.turn, game->Turn_Number.Text());
        QCOMPARE(Prices(*game), console.prices);

        // The setup window of the next game names the challenge left, to be played again.
        Modal_Answers answers;
        answers.Then(Click("Do&n't Save"));
        answers.Then(Click("&Yes"));
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("New Game Setup"));
            QCOMPARE(Child<QLabel>(w, "last_challenge")->text(), "Last: " + text);
            QVERIFY(Child<QLineEdit>(w, "challenge_code")->text().isEmpty());
            QVERIFY(w->findChildren<QComboBox*>().value(0)->isEnabled());
            Click("&Go!")(w);
        });
        Menu("new_game_menu")->trigger();
        QVERIFY(answers.Done());
        QVERIFY(!game->Challenge);
        QCOMPARE(Child<QLabel>(window.get(), "challenge_code")->text(), QString());
    }

    void game_challenge_copies_a_new_code_refuses_a_mistyped_one_and_starts() {
        QString made;
        In_Challenge_Window([&](QWidget* w) {
            auto* box = Child<QLineEdit>(w, "code");
            QCOMPARE(Child<QLabel>(w, "in_play")->text(), QString("No challenge is in play."));
            Click("&New Code")(w);
            made = box->text();
            QCOMPARE(QApplication::clipboard()->text(), made);
            const Code_Reading reading = Read_Code(made.toStdString());
            QVERIFY(reading.Code);
            QCOMPARE(reading.Code->Setup.Play_To, game->Setup.Play_To);
            QVERIFY(!Child<QLabel>(w, "settings")->text().isEmpty());

            // A slip of the finger: refused, the window stays, nothing starts, the clipboard keeps the code.
            box->setText(Mistyped(made));
            Click("&Start")(w);
            QVERIFY(w->isVisible());
            QCOMPARE(Child<QLabel>(w, "settings")->text(), QString::fromStdString(Code_Problem_Text(Code_Problem::Mistyped)));
            Click("C&opy")(w);
            QCOMPARE(QApplication::clipboard()->text(), made);
            QVERIFY(!game->Has_Game);

            box->setText(made);
            Click("&Start")(w);
        });
        QVERIFY(game->Challenge);
        QCOMPARE(QString::fromStdString(Code_Text(game->Challenge->Code)), made);
        QVERIFY(!Child<Start_Window>(window.get(), "start")->isVisible());
        QCOMPARE(Child<QLabel>(window.get(), "challenge_code")->text(), "Challenge " + made);

        // With a game in play the window opens on its code; Start asks first, and Cancel keeps the game.
        End_Turns(2);
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            QCOMPARE(Child<QLineEdit>(w, "code")->text(), made);
            Child<QLineEdit>(w, "code")->setText(QString::fromStdString(Code_Text(Unusual_Code(5))));
            Click("&Start", true)(w);
        });
        answers.Then([](QWidget* w) { Click("Do&n't Save")(w); });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Start New Game..."));
            Click("&Cancel")(w);
        });
        answers.Then([](QWidget* w) { Click("C&lose")(w); });
        Menu("challenge_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(QString::fromStdString(Code_Text(game->Challenge->Code)), made);
        QCOMPARE(game->Turn_Number.Text(), std::string("3"));
    }

    void export_result_writes_a_file_the_verifier_accepts() {
        // An ordinary game has no result to export.
        New_Game(Click("&Go!"));
        QVERIFY(!Menu("export_result_menu")->isEnabled());

        const QString code = QString::fromStdString(Code_Text(Unusual_Code(424242)));
        Modal_Answers starting;
        starting.Then([&](QWidget* w) {
            Child<QLineEdit>(w, "code")->setText(code);
            Click("&Start", true)(w);
        });
        starting.Then(Click("&Yes"));  // Start New Game...: the game just dealt is left unsaved
        Menu("challenge_menu")->trigger();
        QVERIFY(starting.Done());
        End_Turns(3);
        Modal_Answers buying;
        buying.Then([](QWidget* w) {
            Trade_Controls buy(w);
            buy.Symbol->setCurrentIndex(4);
            buy.Quantity->setText("12");
            buy.Trade->click();
            Click("&Done")(w);
        });
        Menu("buy_menu")->trigger();
        QVERIFY(buying.Done());
        End_Turns(2);
        QVERIFY(Menu("export_result_menu")->isEnabled());

        const QString path = dir->path() + "/mine.bqr";
        QString folder, filter;
        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            folder = dialog->directory().absolutePath();
            filter = dialog->selectedNameFilter();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        Menu("export_result_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(folder, QDir(Data()).absolutePath());
        QCOMPARE(filter, QString("Bullquest Results (*.bqr)"));
        const Verify_Report report = Verify_Result_File(path.toStdString());
        QVERIFY2(report.Verified, report.Text.c_str());
        QVERIFY2(report.Text.starts_with("verified: " + code.toStdString() + " turn 6 "), report.Text.c_str());

        // One of the data folder's own files is refused through the game's message.
        const QByteArray winners = File_Bytes(Data() + "/Winners.txt");
        QString message;
        answers.Then(Choose_Then_Accept(Data() + "/Winners.txt"));
        answers.Then([](QWidget* w) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->button(QMessageBox::Yes)) box->button(QMessageBox::Yes)->click();
        });
        answers.Then([&](QWidget* w) {
            message = qobject_cast<QMessageBox*>(w)->text();
            static_cast<QDialog*>(w)->accept();
        });
        Menu("export_result_menu")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(answers.Done(), 1000);
        QCOMPARE(message, QString::fromStdString(File_Message(File_Task::Write)));
        QCOMPARE(File_Bytes(Data() + "/Winners.txt"), winners);
    }

    void the_statistics_window_shows_the_file_and_reset_asks_first() {
        Statistics s;
        s.Turns_Played = 1234;
        s.Levels[3] = {5, 2, 300, 3.25, 410};
        s.Levels[0] = {0, 4, 0, 0, 0};
        s.Results = {{"2KBU-AVAD-Q7G5", "2026-11-02", "won", 300, 410, false},
                     {"3489-6D86-PB6V", "2026-11-03", "lost", 0, 977, true}};
        Game where;
        where.Data_Dir = Data().toStdString();
        QVERIFY(Write_Statistics(where, s));
        const QByteArray file = File_Bytes(Data() + "/Statistics.txt");

        Modal_Answers answers;
        answers.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Statistics"));
            auto* levels = Child<QTableWidget>(w, "levels");
            QCOMPARE(levels->verticalHeaderItem(3)->text(), QString("Beginer"));
            const QStringList beginner = {"7", "5", "2", "300", "3.25", "410"};
            for (int c = 0; c < 6; ++c) QCOMPARE(levels->item(3, c)->text(), beginner[c]);
            QCOMPARE(levels->item(0, 0)->text(), QString("4"));
            QCOMPARE(levels->item(0, 3)->text(), QString("-"));
            QCOMPARE(Child<QLabel>(w, "turns")->text(), QString("Turns played in all: 1,234"));
            auto* results = Child<QTableWidget>(w, "results");
            QCOMPARE(results->rowCount(), 2);
            QCOMPARE(results->item(0, 0)->text(), QString("3489-6D86-PB6V"));  // the newest first
            QCOMPARE(results->item(0, 2)->text(), QString("lost, CHEATER!"));
            QCOMPARE(results->item(1, 3)->text(), QString("300"));
            int marks = 0;
            for (QAbstractSeries* series : Child<QChartView>(w, "scores")->chart()->series())
                if (auto* points = qobject_cast<QScatterSeries*>(series)) marks += points->count();
            QCOMPARE(marks, 2);
            Nothing_Clipped(w);
            Click("&Reset", true)(w);
        });
        answers.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Reset Statistics..."));
            Click("&Cancel")(w);
        });
        answers.Then([&](QWidget* w) {
            QCOMPARE(Child<QTableWidget>(w, "levels")->item(3, 1)->text(), QString("5"));
            QCOMPARE(File_Bytes(Data() + "/Statistics.txt"), file);
            Click("&Reset", true)(w);
        });
        answers.Then(Click("&Yes"));
        answers.Then([](QWidget* w) {
            QCOMPARE(Child<QTableWidget>(w, "levels")->item(3, 1)->text(), QString("0"));
            QCOMPARE(Child<QTableWidget>(w, "results")->rowCount(), 0);
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        Menu("statistics_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(*Read_Statistics(where), Statistics{});
    }

    void a_damaged_statistics_file_is_told_once_and_kept() {
        const QString path = Data() + "/Statistics.txt";
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not the game's statistics\n");
        damaged.close();
        const QByteArray before = File_Bytes(path);
        auto shows_damage = [](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Statistics"));
            QVERIFY(Child<QLabel>(w, "damaged")->isVisible());
            QCOMPARE(Child<QTableWidget>(w, "results")->rowCount(), 0);
            Click("&Close")(w);
        };
        QString message;
        {
            Modal_Answers answers;
            answers.Then([&](QWidget* w) {
                message = qobject_cast<QMessageBox*>(w)->text();
                static_cast<QDialog*>(w)->accept();
            });
            answers.Then(shows_damage);
            Menu("statistics_menu")->trigger();
            QVERIFY(answers.Done());
        }
        QCOMPARE(message, QString::fromStdString(File_Message(File_Task::Statistics)));
        // Opened again: the window says it, and no second message box.
        int told_again = 0;
        Modal_Answers answers([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) return false;
            ++told_again;
            box->accept();
            return true;
        });
        answers.Then([&](QWidget* w) {
            if (qobject_cast<QMessageBox*>(w)) {
                ++told_again;
                static_cast<QDialog*>(w)->accept();
                return;
            }
            shows_damage(w);
        });
        Menu("statistics_menu")->trigger();
        QVERIFY(answers.Done());
        QCOMPARE(told_again, 0);
        QCOMPARE(File_Bytes(path), before);
    }

    void the_turns_played_are_counted_when_the_program_ends() {
        New_Game(Click("&Go!"));
        End_Turns(4);
        Modal_Answers answers;
        answers.Then(Click("Do&n't Save"));
        answers.Then(Click("&Yes"));  // Exit Program...
        Menu("exit_menu")->trigger();
        QVERIFY(answers.Done());
        Game where;
        where.Data_Dir = Data().toStdString();
        QCOMPARE(Read_Statistics(where)->Turns_Played, 4.0);
    }

private:
    static std::function<void(QWidget*)> Choose_Then_Accept(const QString& path) {
        return [path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            dialog->selectFile(path);
            // Later: the dialog's own question (replace the file?) must find the answers free.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        };
    }
};

QTEST_MAIN(Challenge_Windows_Test)
#include "challenge_windows_test.moc"
