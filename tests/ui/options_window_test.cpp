// The Options window as a player uses it: a purchase that shows in the option grid, the
// grid's prefill for closing it, the spin limits and a refused key.
#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "test_support.h"
#include "trading/options_window.h"
#include "window_checks.h"

class Options_Window_Test : public QObject {
    Q_OBJECT

    Game game;
    Recording_Screens screens;
    Random rnd{1};

private slots:
    void init() {
        game = Game{};
        Init_Game(game);
        for (int s = 0; s < Stock_Count; ++s) {
            game.Price[s].Set(50);
            game.Price_History[s].fill(50);
        }
        game.Turn_Number.Set(10);
        game.Cash_On_Hand.Set(10000);
        game.Has_Game = true;
        screens.log.clear();
    }

    void boughtShownPrefilledAndSold() {
        Options_Window window(game, rnd, screens);
        QSignalSpy done(&window, &Options_Window::Trade_Done);
        While_Open(&window, [&] {
            window.Symbol->setCurrentIndex(2);
            QCOMPARE(window.Stock_Price->text(), QString("Current Price Of %1: 50").arg(QString::fromStdString(game.Symbol[2])));
            QCOMPARE(window.Strike->value(), 50);
            QCOMPARE(window.Exp->value(), 40);
            QCOMPARE(window.Premium->text(), QString("7"));
            QCOMPARE(window.Max->text(), QString("14"));
            window.Exp->stepUp();
            QCOMPARE(window.Exp->value(), 40);
            window.Exp->stepDown();
            QCOMPARE(window.Premium->text(), QString("6.79"));
            window.Exp->stepUp();
            window.Number->clear();
            QTest::keyClicks(window.Number, "3");
            window.Transact->click();
            QTest::keyClick(window.Number, Qt::Key_A);
            QCOMPARE(window.Number->text(), QString("3"));
        });
        window.Open();
        QCOMPARE(done.count(), 1);
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("7900"));
        QCOMPARE(static_cast<int>(game.Options_Portfolio.size()), 1);
        QCOMPARE(game.Options_Portfolio[0][1], std::string("Call"));
        QCOMPARE(game.Options_Portfolio[0][3], std::string("3"));
        QVERIFY(screens.Logged("beep"));

        window.Symbol->setCurrentIndex(0);
        window.Puts->click();
        While_Open(&window, [&] {
            QCOMPARE(game.Status, Game_Status::Skip_Option_Update);
            QCOMPARE(window.Symbol->currentIndex(), 2);
            QVERIFY(window.Calls->isChecked());
            QVERIFY(window.Sell->isChecked());
            QCOMPARE(window.Label6->text(), QString("Most You Can Sell:"));
            QCOMPARE(window.Max->text(), QString("3"));
            QCOMPARE(window.Number->text(), QString("3"));
            window.Transact->click();
        });
        window.Open_From_Grid(0);
        QCOMPARE(game.Status, Game_Status::None);
        QCOMPARE(done.count(), 2);
        QCOMPARE(game.Player_Option_Count, Integer(0));
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("10000"));
    }
};

QTEST_MAIN(Options_Window_Test)
#include "options_window_test.moc"
