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
        Options_Window window(game, screens);
        const Trade_Controls controls(&window);
        auto* expiry = Child<QSpinBox>(&window, "expiry");
        QSignalSpy done(&window, &Options_Window::Trade_Done);
        While_Open(&window, [&] {
            controls.Symbol->setCurrentIndex(2);
            QCOMPARE(Child<QLabel>(&window, "stock_price")->text(), QString("Current Price Of %1: 50").arg(QString::fromStdString(game.Symbol[2])));
            QCOMPARE(Child<QSpinBox>(&window, "strike")->value(), 50);
            QCOMPARE(expiry->value(), 40);
            QCOMPARE(Child<QLabel>(&window, "premium")->text(), QString("7"));
            QCOMPARE(controls.Most->text(), QString("14"));
            expiry->stepUp();
            QCOMPARE(expiry->value(), 40);
            expiry->stepDown();
            QCOMPARE(Child<QLabel>(&window, "premium")->text(), QString("6.79"));
            expiry->stepUp();
            controls.Quantity->clear();
            QTest::keyClicks(controls.Quantity, "3");
            controls.Trade->click();
            QTest::keyClick(controls.Quantity, Qt::Key_A);
            QCOMPARE(controls.Quantity->text(), QString("3"));
        });
        window.Open();
        QCOMPARE(done.count(), 1);
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("7900"));
        QCOMPARE(static_cast<int>(game.Options_Portfolio.size()), 1);
        QCOMPARE(game.Options_Portfolio[0][1], std::string("Call"));
        QCOMPARE(game.Options_Portfolio[0][3], std::string("3"));
        QVERIFY(screens.Logged("beep"));

        controls.Symbol->setCurrentIndex(0);
        Child<QRadioButton>(&window, "puts")->click();
        While_Open(&window, [&] {
            QCOMPARE(game.Status, Game_Status::Skip_Option_Update);
            QCOMPARE(controls.Symbol->currentIndex(), 2);
            QVERIFY(Child<QRadioButton>(&window, "calls")->isChecked());
            QVERIFY(Child<QRadioButton>(&window, "sell")->isChecked());
            QCOMPARE(Child<QLabel>(&window, "most_caption")->text(), QString("Most You Can Sell:"));
            QCOMPARE(controls.Most->text(), QString("3"));
            QCOMPARE(controls.Quantity->text(), QString("3"));
            controls.Trade->click();
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
