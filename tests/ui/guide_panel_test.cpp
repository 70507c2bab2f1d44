// The guide as a player meets it on the desktop: the panel beside the board follows the turns
// and trades with the notes' figures and never takes the focus, its closing is remembered,
// Help > Guide brings it back and turns it off; the trade windows' quantity boxes say what the
// most is and why, the Options window what its contracts come to, the setup boxes what each
// makes harder.

#include "engine/model/numbers.h"
#include "engine/storage/file_io.h"
#include "engine/storage/settings_file.h"
#include "engine/trading/stock_trades.h"
#include "window_checks.h"
#include "desktop/guide/guide_panel.h"
#include "desktop/main/main_window.h"
#include "desktop/main/start_window.h"
#include "desktop/messages/help_viewer_window.h"

namespace {

QString Settings_Text(const QString& data) {
    const File_Result<std::string> text = Read_File(Settings_Path(data.toStdString()));
    return text ? QString::fromStdString(*text) : QString();
}

// Every widget of the panel, its dock's own buttons too, refuses the focus.
bool Never_Takes_Focus(QWidget* panel) {
    if (panel->focusPolicy() != Qt::NoFocus) return false;
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) return false;
    return true;
}

bool Inside(QWidget* w, QWidget* panel) {
    for (; w; w = w->parentWidget())
        if (w == panel) return true;
    return false;
}

}  // namespace

class Guide_Panel_Test : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Game game;
    Random rnd{7};
    std::unique_ptr<Main_Window> window;

    QString Data() const { return dir.path() + "/data"; }
    Guide_Panel* Panel() const { return Child<Guide_Panel>(window.get(), "guide"); }
    QAction* Menu(const char* name) const { return Child<QAction>(window.get(), name); }

    void Start() {
        window = std::make_unique<Main_Window>(game, rnd);
        QVERIFY(window->Start_Up(Data().toStdString()));
        window->show();
        QTRY_VERIFY(Child<Start_Window>(window.get(), "start")->isVisible());
    }

    void New_Game(std::function<void(QWidget*)> setup = {}) {
        Modal_Answers answers;
        answers.Then([setup](QWidget* w) {
            if (setup) setup(w);
            Click("&Go!")(w);
        });
        Button(Child<Start_Window>(window.get(), "start"), "Start &New Game")->click();
        QVERIFY(answers.Done());
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
    }

    // The player's place in the main window, from which no turn or trade may move the keys.
    QWidget* Focus_On_End_Turn() {
        window->activateWindow();
        if (!QTest::qWaitFor([this] { return window->isActiveWindow(); }, 1000)) qWarning("the main window did not become active");
        auto* end_turn = Child<QPushButton>(window.get(), "end_turn_button");
        end_turn->setFocus(Qt::OtherFocusReason);
        return end_turn;
    }

    void Close_Window() {
        Modal_Answers answers([](QWidget* w) {
            if (!Button(w, "Do&n't Save")) return false;
            Click("Do&n't Save")(w);
            return true;
        });
        if (window) window->close();
        window.reset();
    }

private slots:
    void init() {
        game = Game{};
        rnd = Random(7);
        QDir(Data()).removeRecursively();
        Start();
    }
    void cleanup() { Close_Window(); }

    // A new game, a turn by F5 and a trade: each note comes with the figures of its moment, the
    // newest first, and the keys stay where the player left them.
    void the_panel_follows_the_turns_and_trades_and_never_takes_the_focus() {
        QVERIFY(Panel()->isVisible());
        QVERIFY(Never_Takes_Focus(Panel()));
        QVERIFY(Panel()->Notes().isEmpty());
        New_Game([](QWidget* w) { w->findChild<QComboBox*>()->setCurrentIndex(1); });  // a goal of $1 Billion
        QCOMPARE(Panel()->Notes().size(), 1);
        QVERIFY2(Panel()->Notes()[0].startsWith("Turn 1\nTurn 1 of a new game."), qPrintable(Panel()->Notes()[0]));
        QVERIFY(Panel()->Notes()[0].contains("reaches the goal of $1 Billion"));

        // 150 shares of a stock that the turn finds above $200: it splits.
        const int s = 32;
        game.Price[s].Set(300);
        game.Player_Stock[s] = Holding{150, 290};
        QWidget* focus = Focus_On_End_Turn();
        QTest::keyClick(window.get(), Qt::Key_F5);
        QCOMPARE(Child<QLabel>(window.get(), "turn_number")->text(), QString("2"));
        QCOMPARE(game.Player_Stock[s].Shares, 300.0);
        const QStringList split_notes = Panel()->Notes().filter(" split 2 for 1: ");
        QCOMPARE(split_notes.size(), 1);
        const QString split = split_notes[0];
        QVERIFY2(split.contains(QString::fromStdString(game.Symbol[s]) +
                                " split 2 for 1: your 150 shares are now 300 at $150. The price halved from $300 to $150"),
                 qPrintable(split));
        QVERIFY(split.startsWith("Turn 2\n"));
        QVERIFY(split.endsWith("Help: Understanding News Events"));
        QCOMPARE(QApplication::focusWidget(), focus);

        // A short sale from the Short window: the deposit it took, and the focus back where it was.
        const double cash = game.Cash_On_Hand.Value();
        Modal_Answers answers;
        answers.Then([](QWidget* w) {
            Trade_Controls c(w);
            c.Symbol->setCurrentIndex(3);
            c.Quantity->setText("20");
            c.Trade->click();
            Click("&Done")(w);
        });
        Child<QPushButton>(window.get(), "short_button")->click();
        QVERIFY(answers.Done());
        const QString deposit = Money_Text(cash - game.Cash_On_Hand.Value()).c_str();
        QVERIFY2(Panel()->Notes()[0].contains("You sold 20 " + QString::fromStdString(game.Symbol[3]) +
                                               " short at $" + QString::fromStdString(game.Price[3].Text()) +
                                               " and put up half the price, " + deposit),
                 qPrintable(Panel()->Notes()[0]));
        QVERIFY(!Inside(QApplication::focusWidget(), Panel()));

        // A click on the panel, and on a note's link, leave the keys alone; the link opens its topic.
        focus = Focus_On_End_Turn();
        auto* note = Panel()->findChildren<QLabel*>("guide_note").first();
        QTest::mouseClick(note, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(QApplication::focusWidget(), focus);
        emit note->linkActivated("#503");
        auto* viewer = window->findChild<Help_Viewer_Window*>();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(Help_Viewer_Window::Context_Of(viewer->Browser()->source()), 503);
        viewer->hide();
    }

    // Closed, the panel stays closed in the next run until Help > Guide brings it back.
    void closing_is_remembered_and_help_guide_reopens_it() {
        Panel()->close();
        QVERIFY(!Panel()->isVisible());
        QVERIFY(Settings_Text(Data()).contains("\"Guide Panel\",\"closed\""));
        Close_Window();
        Start();
        QVERIFY(!Panel()->isVisible());
        // Notes come to it while it is closed, and are there when it opens.
        New_Game();
        Menu("guide_show_menu")->trigger();
        QVERIFY(Panel()->isVisible());
        QCOMPARE(Panel()->Notes().size(), 1);
        QVERIFY(!Settings_Text(Data()).contains("Guide Panel"));
        Close_Window();
        Start();
        QVERIFY(Panel()->isVisible());
    }

    // Off, the guide shows nothing, in this run and the next; on again, and reset, it shows
    // what the moment calls for, a note seen before too.
    void the_guide_off_shows_nothing_and_all_notes_come_again_after_a_reset() {
        QCOMPARE(Menu("guide_turn_menu")->text(), QString("&Turn the guide off"));
        Menu("guide_turn_menu")->trigger();
        QCOMPARE(Menu("guide_turn_menu")->text(), QString("&Turn the guide on"));
        New_Game();
        Child<QPushButton>(window.get(), "end_turn_button")->click();
        QVERIFY(Panel()->Notes().isEmpty());
        QVERIFY(Child<QLabel>(Panel(), "guide_state")->text().startsWith("The guide is off."));
        Close_Window();
        Start();
        QCOMPARE(Menu("guide_turn_menu")->text(), QString("&Turn the guide on"));
        New_Game();
        QVERIFY(Panel()->Notes().isEmpty());
        Menu("guide_turn_menu")->trigger();
        QCOMPARE(Panel()->Notes().size(), 1);  // turn 1, the first turn's note
        Menu("guide_reset_menu")->trigger();
        QCOMPARE(Panel()->Notes().size(), 1);
        QVERIFY(Panel()->Notes()[0].contains("Turn 1 of a new game."));
        QVERIFY(Settings_Text(Data()).contains("\"Guide Note Seen\",\"first_turn\""));
    }

    // A Settings.txt that cannot be written: the notes go on for this run, and a change the
    // player asks for is told once, with the game's message.
    void a_settings_file_in_the_way_is_told_once_and_the_guide_goes_on() {
        QVERIFY(QDir().mkpath(QString::fromStdString(Settings_Path(Data().toStdString()))));
        New_Game();
        QCOMPARE(Panel()->Notes().size(), 1);
        QStringList told;
        Modal_Answers answers([&](QWidget* w) {
            for (QLabel* l : w->findChildren<QLabel*>())
                if (l->text().startsWith("Error")) told << l->text();
            if (QAbstractButton* ok = Button(w, "OK")) ok->click();
            else w->hide();
            return true;
        });
        Menu("guide_turn_menu")->trigger();
        QCOMPARE(told, QStringList{"Error: Cannot write to file."});
        QCOMPARE(Menu("guide_turn_menu")->text(), QString("&Turn the guide on"));
        Child<QPushButton>(window.get(), "end_turn_button")->click();
        QVERIFY(Panel()->Notes().isEmpty());
        QCOMPARE(told.size(), 1);
    }

    // The quantity box's tool tip names the most the window's own caption shows, and what sets
    // it; it follows the stock, the mode and the strike. The Options window's line says what its
    // contracts cost in all at the premium it shows, twice that, nothing, and the turn they lapse.
    void quantity_boxes_say_the_most_and_why_and_the_option_line_its_figures() {
        New_Game();
        Modal_Answers answers;
        answers.Then([this](QWidget* w) {
            Trade_Controls c(w);
            c.Symbol->setCurrentIndex(5);
            QString tip = c.Quantity->accessibleDescription();
            const QString most = c.Most->text().section(' ', -1);
            QVERIFY2(tip.startsWith("The most you can buy: " + most + " shares.\nYour cash covers at most " + most),
                     qPrintable(tip));
            QVERIFY(tip.endsWith(" at $" + QString::fromStdString(game.Price[5].Text()) + "."));
            c.Symbol->setCurrentIndex(6);
            QVERIFY(c.Quantity->accessibleDescription().endsWith(" at $" + QString::fromStdString(game.Price[6].Text()) + "."));
            Click("&Done")(w);
        });
        answers.Then([](QWidget* w) {
            Trade_Controls c(w);
            QVERIFY(c.Quantity->accessibleDescription().contains("(a deposit of $"));
            Child<QRadioButton>(w, "buy_back")->click();
            QCOMPARE(c.Quantity->accessibleDescription().section('\n', 0, 0), QString("The most you can buy back: no shares."));
            QVERIFY(c.Quantity->accessibleDescription().contains("never refused for cash"));
            Click("&Done")(w);
        });
        const double cash = game.Cash_On_Hand.Value();
        QString line, lapse;
        double premium = 0;
        answers.Then([&](QWidget* w) {
            Trade_Controls c(w);
            c.Symbol->setCurrentIndex(2);
            c.Quantity->setText("3");
            premium = Child<QLabel>(w, "premium")->text().toDouble();
            lapse = Child<QSpinBox>(w, "expiry")->text();
            line = Child<QLabel>(w, "outlook")->text();
            QVERIFY(c.Quantity->accessibleDescription().startsWith("The most you can buy: "));
            QVERIFY(c.Quantity->accessibleDescription().contains(QString::fromStdString(" at " + Money_Text(premium) + " a share")));
            c.Trade->click();
            Child<QRadioButton>(w, "sell")->click();
            QCOMPARE(c.Quantity->accessibleDescription(), QString("The most you can sell: 3 contracts.\nYou hold 3 of these contracts."));
            Click("&Done")(w);
        });
        Child<QPushButton>(window.get(), "buy_button")->click();
        Child<QPushButton>(window.get(), "short_button")->click();
        Child<QPushButton>(window.get(), "options_button")->click();
        QVERIFY(answers.Done());
        QVERIFY(premium > 0);
        const double cost = std::round(premium * 300 * 100) / 100;
        QCOMPARE(line, QString::fromStdString("3 contracts cost " + Money_Text(cost) + " in all, worth " + Money_Text(2 * cost) +
                                              " if the premium doubles, $0 if it falls to nothing; they lapse in turn ") +
                           lapse + ".");
        QVERIFY(std::abs(cash - game.Cash_On_Hand.Value() - cost) < 1);
    }

    // Each box of the setup window says what it makes harder.
    void the_setup_boxes_say_what_each_makes_harder() {
        QStringList tips;
        New_Game([&](QWidget* w) {
            for (QComboBox* box : w->findChildren<QComboBox*>()) tips << box->toolTip();
            for (QCheckBox* box : w->findChildren<QCheckBox*>()) tips << box->toolTip();
            for (QSlider* slider : w->findChildren<QSlider*>()) tips << slider->toolTip();
        });
        QCOMPARE(tips.size(), 2 + 4 + 3);
        QCOMPARE(tips.removeDuplicates(), 0);
        QVERIFY(tips.filter("30 seconds").size() == 1);
        QVERIFY(tips.filter("difficulty level").size() == 4);  // the three options count, the handicap does not
    }
};

QTEST_MAIN(Guide_Panel_Test)
#include "guide_panel_test.moc"
