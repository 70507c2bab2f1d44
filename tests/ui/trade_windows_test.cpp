// The trade, chart and research windows as a player uses them: typing quantities, the keys
// a box refuses and those it passes to the window, the line that tells the cash a trade would
// leave, the flash of a refusal, the labels that copy their number, the openers' selections,
// the chart's lines, the research window's links, and the options window from a purchase to
// its sale from the grid. Their colours are the themes test's.
#include <algorithm>

#include "test_support.h"
#include "window_checks.h"
#include "desktop/trading/buy_window.h"
#include "desktop/trading/options_window.h"
#include "engine/trading/portfolio.h"
#include "desktop/trading/sell_window.h"
#include "desktop/trading/short_window.h"
#include "desktop/market/chart_window.h"
#include "desktop/market/fundamentals_window.h"

class Trade_Windows_Test : public QObject {
    Q_OBJECT

    Game game;
    Recording_Screens screens;
    Random session_rnd{1};
    Game_Session session{game, session_rnd, screens};

    static int Beeps(const Recording_Screens& s) { return static_cast<int>(std::count(s.log.begin(), s.log.end(), "beep")); }

private slots:
    void init() {
        game = Blank_Game();
        for (int s = 0; s < Stock_Count; ++s) game.Price[s].Set(30);
        game.Cash_On_Hand.Set(10000);
        game.Has_Game = true;
        screens.log.clear();
    }

    void keysTypeTradeAndCloseEveryTradeWindow() {
        for (int s = 0; s < Stock_Count; ++s) game.Price_History[s].fill(30);
        game.Player_Stock[0] = {100, 20};
        Buy_Window buy(session);
        Sell_Window sell(session);
        Short_Window shorts(session);
        Options_Window options(session);
        struct Keyed {
            QDialog* window;
            std::function<void()> open;
            QString five_leave;  // the cash line with 5 typed; the options window has none
        };
        const std::vector<Keyed> windows = {
            {&buy, [&] { buy.Open(); }, "Cash after: $9,850"},
            {&sell, [&] { sell.Open(); }, "Cash after: $10,150"},
            {&shorts, [&] { shorts.Open(); }, "Cash after: $9,925"},
            {&options, [&] { options.Open(); }, ""},
        };
        for (const Keyed& w : windows) {
            const Trade_Controls c(w.window);
            game.Cash_On_Hand.Set(10000);
            screens.log.clear();
            While_Open(w.window, [&] {
                const QByteArray name = w.window->windowTitle().toUtf8();
                // The quantity has the focus, all of its text selected.
                QVERIFY2(w.window->focusWidget() == c.Quantity, name);
                QCOMPARE(c.Quantity->selectedText(), c.Quantity->text());
                // Shift+Tab and Tab pass; a click back into the box selects it all again.
                w.window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(w.window));
                QTest::keyClick(c.Quantity, Qt::Key_Backtab);
                QVERIFY2(QApplication::focusWidget() != c.Quantity, name);
                QTest::mouseClick(c.Quantity, Qt::LeftButton, {}, QPoint(2, c.Quantity->height() / 2));
                QTRY_COMPARE_WITH_TIMEOUT(c.Quantity->selectedText(), c.Quantity->text(), 1000);
                QTest::keyClicks(c.Quantity, "5");
                QCOMPARE(c.Quantity->text(), QString("5"));
                if (!w.five_leave.isEmpty()) QCOMPARE(c.Cash_After->text(), w.five_leave);
                // Enter presses the trade button, and so does the keypad's, the box selected again.
                QTest::keyClick(c.Quantity, Qt::Key_Return);
                const std::string after_one = game.Cash_On_Hand.Text();
                QVERIFY2(after_one != "10000", name);
                QTest::keyClicks(c.Quantity, "5");
                QCOMPARE(c.Quantity->text(), QString("5"));
                QTest::keyClick(c.Quantity, Qt::Key_Enter, Qt::KeypadModifier);
                const std::string after_two = game.Cash_On_Hand.Text();
                QVERIFY2(after_two != after_one, name);
                // Also from the locked symbol list, which stays where it was.
                QTest::keyClicks(c.Quantity, "1");
                const int stock = c.Symbol->currentIndex();
                QTest::keyClick(c.Symbol, Qt::Key_Return);
                QVERIFY2(game.Cash_On_Hand.Text() != after_two, name);
                QCOMPARE(c.Symbol->currentIndex(), stock);
                // Escape presses Done.
                QTest::keyClick(c.Quantity, Qt::Key_Escape);
                QVERIFY2(!w.window->isVisible(), name);
            });
            w.open();
            QCOMPARE(Beeps(screens), 0);
        }
    }

    void aRefusalFlashesTheFieldAtFault() {
        Buy_Window buy(session);
        const Trade_Controls buy_c(&buy);
        buy_c.Symbol->setCurrentIndex(0);
        Chart_Window chart(session);
        Child<QComboBox>(&chart, "symbol")->setCurrentIndex(Index_Entry);
        struct Refusal {
            QWidget* field;
            std::function<void()> refuse;
        };
        const std::vector<Refusal> refusals = {
            {buy_c.Quantity, [&] { buy_c.Quantity->setText("334"); buy_c.Trade->click(); }},  // more than the cash allows
            {buy_c.Quantity, [&] { QTest::keyClick(buy_c.Quantity, Qt::Key_Minus); }},
            {Child<QComboBox>(&chart, "symbol"), [&] { Child<QPushButton>(&chart, "buy")->click(); }},  // the index has no trade
        };
        for (const Refusal& r : refusals) {
            const QColor ground = r.field->palette().color(QPalette::Base);
            const int beeps = Beeps(screens);
            r.refuse();
            QCOMPARE(Beeps(screens), beeps + 1);
            const QColor flash = r.field->palette().color(QPalette::Base);
            QVERIFY(flash != ground);
            QVERIFY(flash.red() > flash.blue());
            QElapsedTimer clock;
            clock.start();
            QTRY_COMPARE_WITH_TIMEOUT(r.field->palette().color(QPalette::Base), ground, 1000);
            QVERIFY(clock.elapsed() >= 200);
        }
    }

    void refusedKeysBeepAndChangeNothing() {
        Buy_Window buy(session);
        const Trade_Controls buy_c(&buy);
        buy_c.Symbol->setCurrentIndex(0);
        buy_c.Quantity->setText("12");
        buy_c.Quantity->setCursorPosition(2);
        for (int key : {Qt::Key_A, Qt::Key_Minus, Qt::Key_Right, Qt::Key_Comma}) QTest::keyClick(buy_c.Quantity, Qt::Key(key));
        QTest::keyClick(buy_c.Quantity, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(buy_c.Quantity->text(), QString("12"));
        QCOMPARE(Beeps(screens), 5);

        QTest::keyClick(buy_c.Quantity, Qt::Key_Period);
        QTest::keyClick(buy_c.Quantity, Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(buy_c.Quantity, Qt::Key_Shift);
        QTest::keyClick(buy_c.Quantity, Qt::Key_Tab);
        QCOMPARE(buy_c.Quantity->text(), QString("12.5"));
        QCOMPARE(Beeps(screens), 5);

        // A refused key locks the box until it comes up; the release recomputes the window.
        game.Player_Stock[0].Shares = 40;
        QTest::keyPress(buy_c.Quantity, Qt::Key_X);
        QVERIFY(buy_c.Quantity->isReadOnly());
        QTest::keyRelease(buy_c.Quantity, Qt::Key_X);
        QVERIFY(!buy_c.Quantity->isReadOnly());
        QVERIFY(buy_c.You_Have->text().startsWith("You Have 40 Shares"));

        // The list takes the arrows and a symbol typed, as every list does, but not while a key
        // is held in the box.
        QTest::keyClick(buy_c.Symbol, Qt::Key_Down);
        QCOMPARE(buy_c.Symbol->currentIndex(), 1);
        QTest::keyClicks(buy_c.Symbol, "MSF");
        QCOMPARE(buy_c.Symbol->currentText(), QString("MSFT"));
        QTest::keyPress(buy_c.Quantity, Qt::Key_4);
        QTest::keyClick(buy_c.Symbol, Qt::Key_Up);
        QWheelEvent wheel(QPointF(5, 5), buy_c.Symbol->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(buy_c.Symbol, &wheel);
        QCOMPARE(buy_c.Symbol->currentText(), QString("MSFT"));
        QTest::keyRelease(buy_c.Quantity, Qt::Key_4);
        QTest::keyClick(buy_c.Symbol, Qt::Key_Home);
        QCOMPARE(buy_c.Symbol->currentIndex(), 0);

        buy_c.Quantity->setText("7");
        buy_c.Quantity->setCursorPosition(1);
        QApplication::clipboard()->setText("1x");
        QTest::keyClick(buy_c.Quantity, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(buy_c.Quantity->text(), QString("7"));
        QCOMPARE(Beeps(screens), 7);
        QApplication::clipboard()->setText("25");
        QTest::keyClick(buy_c.Quantity, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(buy_c.Quantity->text(), QString("725"));
        QCOMPARE(Beeps(screens), 7);
    }

    // Beside the list the stock's price (a short sale's deposit too), following the stock and the
    // market; under the box, after a refusal, why, until the box or the stock changes.
    void pricesBesideTheListAndReasonsUnderTheBox() {
        game.Price[3].Set(61);
        Buy_Window buy(session);
        Sell_Window sell(session);
        Short_Window shorts(session);
        Options_Window options(session);
        const Trade_Controls buy_c(&buy), sell_c(&sell), shorts_c(&shorts), options_c(&options);
        auto price = [](QWidget* w) { return Child<QLabel>(w, "price")->text(); };
        auto reason = [](QWidget* w) { return Child<QLabel>(w, "reason")->text(); };
        buy_c.Symbol->setCurrentIndex(3);
        QCOMPARE(price(&buy), QString("Price: $61"));
        game.Price[3].Set(62);  // the next turn's price, shown as the clock's turn recomputes the window
        buy.Symbol_Click();
        QCOMPARE(price(&buy), QString("Price: $62"));
        shorts_c.Symbol->setCurrentIndex(3);
        QCOMPARE(price(&shorts), QString("Price: $62, deposit $31 a share"));
        sell_c.Symbol->setCurrentIndex(3);
        QCOMPARE(price(&sell), QString("Price: $62"));

        buy_c.Quantity->setText("162");
        buy_c.Trade->click();
        QCOMPARE(reason(&buy), QString("Your cash covers at most 161 shares at $62."));
        QCOMPARE(buy_c.Quantity->text(), QString("0"));
        QTest::keyClicks(buy_c.Quantity, "1");
        QCOMPARE(reason(&buy), QString());
        sell_c.Quantity->setText("5");
        sell_c.Trade->click();
        QCOMPARE(reason(&sell), QString::fromStdString("You hold no shares of " + game.Symbol[3] + "."));
        sell_c.Symbol->setCurrentIndex(4);
        QCOMPARE(reason(&sell), QString());

        // Buying back, the captions say so.
        Child<QRadioButton>(&shorts, "buy_back")->click();
        QStringList captions;
        for (QLabel* l : shorts.findChildren<QLabel*>()) captions << l->text();
        QVERIFY(captions.contains("Buy Back How Many?") && captions.contains("Select Stock To Buy Back:"));
        QVERIFY(!captions.contains("Sell Short How Many?"));
        shorts_c.Quantity->setText("1");
        shorts_c.Trade->click();
        QCOMPARE(reason(&shorts), QString::fromStdString("You have sold no shares of " + game.Symbol[3] + " short."));

        options_c.Symbol->setCurrentIndex(3);
        Child<QRadioButton>(&options, "sell")->click();
        options_c.Quantity->setText("2");
        options_c.Trade->click();
        QVERIFY2(reason(&options).startsWith(QString::fromStdString("You hold no " + game.Symbol[3] + " calls")),
                 qPrintable(reason(&options)));
    }

    void maximumLabelsCopyTheirNumber() {
        game.Player_Stock[2].Shares = 75;
        Buy_Window buy(session);
        Sell_Window sell(session);
        Short_Window shorts(session);
        const Trade_Controls buy_c(&buy), sell_c(&sell), shorts_c(&shorts);
        auto copies = [](const Trade_Controls& c, int stock, QLabel* label, const char* number) {
            c.Symbol->setCurrentIndex(stock);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(c.Quantity->text(), QString(number));
        };
        copies(buy_c, 1, buy_c.Most, "333");
        copies(sell_c, 2, sell_c.You_Have, "75");
        copies(shorts_c, 1, shorts_c.Most, "666");
        QCOMPARE(shorts_c.Most->text(), QString("The Most You Can Short Is 666"));

        // A new game or a load starts every list at its first symbol, its labels recomputed.
        game.Player_Short[0].Shares = 12;
        shorts.Select_First();
        QCOMPARE(shorts_c.Symbol->currentIndex(), 0);
        QVERIFY(shorts_c.You_Have->text().startsWith("You've Shorted 12 Shares"));
    }

    void sellOpensOnTheFirstStockHeld() {
        game.Player_Stock[9].Shares = 50;
        game.Player_Stock[5].Shares = 100;
        game.Player_Stock[5].Avg_Price = 20;
        Sell_Window sell(session);
        const Trade_Controls sell_c(&sell);
        sell_c.Quantity->setText("44");
        While_Open(&sell, [&] {
            Close_Box_Refused(&sell);  // a trade window stays; the chart (below) goes
            QCOMPARE(sell_c.Symbol->currentIndex(), 5);
            QCOMPARE(sell_c.Quantity->text(), QString("0"));
            sell_c.Quantity->setText("50");
            QTest::mouseClick(sell_c.Trade, Qt::LeftButton);
        });
        sell.Open();
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("11500"));  // 50 sold at 30
        QCOMPARE(sell_c.Quantity->text(), QString("0"));

        // From the chart or research screens the box keeps what it held.
        sell_c.Quantity->setText("3");
        While_Open(&sell, [&] {
            QCOMPARE(sell_c.Symbol->currentIndex(), 9);
            QCOMPARE(sell_c.Quantity->text(), QString("3"));
        });
        sell.Open_On(9);
    }

    void gridOpenersFillTheQuantity() {
        game.Player_Stock[8].Shares = 1500;
        game.Player_Short[4] = {2000, 40};
        Sell_Window sell(session);
        const Trade_Controls sell_c(&sell);
        While_Open(&sell, [&] {
            QCOMPARE(sell_c.Symbol->currentIndex(), 8);
            QCOMPARE(sell_c.Quantity->text(), QString("1500"));
        });
        sell.Open_For(8, "1500");

        Short_Window shorts(session);
        const Trade_Controls shorts_c(&shorts);
        While_Open(&shorts, [&] {
            QVERIFY(Child<QRadioButton>(&shorts, "buy_back")->isChecked());
            QCOMPARE(shorts_c.Symbol->currentIndex(), 4);
            QCOMPARE(shorts_c.Quantity->text(), QString("2000"));
            QCOMPARE(shorts_c.Most->text(), QString("The Most You Can Buy Back Is 2,000"));
            QTest::mouseClick(shorts_c.Trade, Qt::LeftButton);
            QCOMPARE(shorts_c.Quantity->text(), QString("2000"));  // the box keeps its text
            QTest::mouseClick(shorts_c.Trade, Qt::LeftButton);      // nothing left to buy back
        });
        shorts.Open_Buy_Back(4, "2000");
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("60000"));  // all 2000 bought back: 2000 * (80 - 30) / 2
        QCOMPARE(Beeps(screens), 1);

        // The chart and research screens choose selling short.
        While_Open(&shorts, [&] { QVERIFY(Child<QRadioButton>(&shorts, "sell_short")->isChecked()); });
        shorts.Open_On(6);
    }

    void chartDrawsHistoryAndAverage() {
        for (int c = 0; c < History_Length; ++c) {
            game.Price_History[3][c] = static_cast<Byte>(c + 1);
            game.Index_History[c] = 5000 + 10 * c;
        }
        Chart_Window chart(session);
        auto line = [&](int n) { return static_cast<QLineSeries*>(Child<QChartView>(&chart, "chart")->chart()->series().at(n)); };
        While_Open(&chart, [&] {
            QCOMPARE(Child<QChartView>(&chart, "chart")->chart()->series().size(), 1);
            QCOMPARE(line(0)->count(), 100);
            QCOMPARE(line(0)->at(0), QPointF(1, 1));
            QCOMPARE(line(0)->at(99), QPointF(100, 100));
            Child<QCheckBox>(&chart, "show_average")->click();
            QCOMPARE(Child<QChartView>(&chart, "chart")->chart()->series().size(), 2);
            QCOMPARE(line(1)->pen().color(), QColor(0, 0, 255));
            QVERIFY(line(1)->pen().widthF() < line(0)->pen().widthF());
            QCOMPARE(line(1)->at(99).y(), 95.0);  // 91..100, floored
            Child<QSpinBox>(&chart, "days")->setValue(100);
            QCOMPARE(line(1)->at(99).y(), 50.0);  // 5050 / 100 floored
            Child<QCheckBox>(&chart, "show_average")->click();
            QCOMPARE(Child<QChartView>(&chart, "chart")->chart()->series().size(), 1);
            QTest::mouseClick(Child<QToolButton>(&chart, "next"), Qt::LeftButton);
            QCOMPARE(Child<QComboBox>(&chart, "symbol")->currentIndex(), 4);
            chart.close();
            QVERIFY(!chart.isVisible());
        });
        chart.Open_For(3);

        // A flat history (every price 0 before a game) keeps its whole-dollar labels apart.
        for (int c = 0; c < History_Length; ++c) game.Price_History[5][c] = 0;
        Child<QComboBox>(&chart, "symbol")->setCurrentIndex(5);
        for (QAbstractAxis* axis : Child<QChartView>(&chart, "chart")->chart()->axes(Qt::Vertical)) {
            auto* y = static_cast<QValueAxis*>(axis);
            const double step = (y->max() - y->min()) / (y->tickCount() - 1);
            QVERIFY(step >= 1 && step == std::floor(step));
        }

        chart.Reset();
        QCOMPARE(Child<QChartView>(&chart, "chart")->chart()->series().size(), 0);
        While_Open(&chart, [&] { QCOMPARE(Child<QChartView>(&chart, "chart")->chart()->series().size(), 1); });
        chart.Open();
    }

    void chartIndexBeepsOnTradeButtons() {
        for (int c = 0; c < History_Length; ++c) game.Index_History[c] = 5000 + c;
        Chart_Window chart(session);
        QSignalSpy buys(&chart, &Chart_Window::Open_Buy);
        QSignalSpy calls(&chart, &Chart_Window::Open_Calls);
        While_Open(&chart, [&] {
            QCOMPARE(static_cast<QLineSeries*>(Child<QChartView>(&chart, "chart")->chart()->series().at(0))->at(99).y(), 5099.0);
            for (const char* name : {"buy", "sell", "short", "calls", "puts", "earnings"})
                QTest::mouseClick(Child<QPushButton>(&chart, name), Qt::LeftButton);
            QCOMPARE(Beeps(screens), 6);
            QVERIFY(chart.isVisible());
            QTest::mouseClick(Child<QToolButton>(&chart, "next"), Qt::LeftButton);  // already the last entry
            QCOMPARE(Child<QComboBox>(&chart, "symbol")->currentIndex(), Index_Entry);
            Child<QComboBox>(&chart, "symbol")->setCurrentIndex(0);
            QTest::mouseClick(Child<QToolButton>(&chart, "previous"), Qt::LeftButton);
            QCOMPARE(Child<QComboBox>(&chart, "symbol")->currentIndex(), 0);
            Child<QComboBox>(&chart, "symbol")->setCurrentIndex(11);
            QTest::mouseClick(Child<QPushButton>(&chart, "calls"), Qt::LeftButton);
            QVERIFY(!chart.isVisible());
        });
        chart.Open_For(Index_Entry);
        QCOMPARE(buys.count(), 0);
        QCOMPARE(calls.count(), 1);
        QCOMPARE(calls.at(0).at(0).toInt(), 11);
    }

    void researchFollowsTheReportingListAndOpensTheChart() {
        // At turn 1 the two that report in turns 2 and 3 are listed, in stock order.
        game.Earnings[6].Report_Turn = 3;
        game.Earnings[12].Report_Turn = 2;
        const double eps[4] = {-0.5, 0, 0.25, 1};
        for (int q = 0; q < 4; ++q) game.Earnings[6].EPS[q] = Currency::From_Double(eps[q]);
        Fundamentals_Window research(session);
        QSignalSpy charts(&research, &Fundamentals_Window::Open_Chart);
        While_Open(&research, [&] {
            QCOMPARE(Child<QComboBox>(&research, "reporting_next")->count(), 2);
            QCOMPARE(Child<QComboBox>(&research, "reporting_next")->itemText(1).toStdString(), game.Symbol[12] + " (2)");
            Child<QComboBox>(&research, "reporting_next")->setCurrentIndex(0);
            emit Child<QComboBox>(&research, "reporting_next")->activated(0);
            QCOMPARE(Child<QComboBox>(&research, "symbol")->currentIndex(), 6);
            QCOMPARE(Child<QLabel>(&research, "earnings_due")->text(), QString("3"));
            QCOMPARE(Child<QLabel>(&research, "eps_0")->text(), QString("-0.5"));
            QTest::mouseClick(Child<QPushButton>(&research, "view_chart"), Qt::LeftButton);
        });
        research.Open_For(0);
        QCOMPARE(charts.count(), 1);
        QCOMPARE(charts.at(0).at(0).toInt(), 6);
    }

    // A purchase that shows in the option grid, the grid's prefill for closing it and a refused key.
    void optionsBoughtShownPrefilledAndSold() {
        game = Flat_Market(50, "10");
        game.Cash_On_Hand.Set(10000);
        game.Has_Game = true;
        Options_Window window(session);
        const Trade_Controls controls(&window);
        QSignalSpy done(&window, &Options_Window::Trade_Done);
        While_Open(&window, [&] {
            controls.Symbol->setCurrentIndex(2);
            QCOMPARE(Child<QLabel>(&window, "stock_price")->text(), QString("Current Price Of %1: 50").arg(QString::fromStdString(game.Symbol[2])));
            QCOMPARE(Child<QLabel>(&window, "premium")->text(), QString("7"));
            QCOMPARE(controls.Most->text(), QString("14"));
            controls.Quantity->clear();
            QTest::keyClicks(controls.Quantity, "3");
            controls.Trade->click();
            QTest::keyClick(controls.Quantity, Qt::Key_A);
            QCOMPARE(controls.Quantity->text(), QString("3"));
        });
        window.Open();
        QCOMPARE(done.count(), 1);
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("7900"));
        const std::vector<Option_Row> rows = Option_Grid_Rows(game);
        QCOMPARE(static_cast<int>(rows.size()), 1);
        QCOMPARE(rows[0].Cells[1], std::string("Call"));
        QCOMPARE(rows[0].Cells[3], std::string("3"));
        QVERIFY(screens.Logged("beep"));

        controls.Symbol->setCurrentIndex(0);
        Child<QRadioButton>(&window, "puts")->click();
        While_Open(&window, [&] {
            QCOMPARE(controls.Symbol->currentIndex(), 2);
            QVERIFY(Child<QRadioButton>(&window, "calls")->isChecked());
            QVERIFY(Child<QRadioButton>(&window, "sell")->isChecked());
            QCOMPARE(Child<QLabel>(&window, "most_caption")->text(), QString("Most You Can Sell:"));
            QCOMPARE(controls.Most->text(), QString("3"));
            QCOMPARE(controls.Quantity->text(), QString("3"));
            controls.Trade->click();
        });
        window.Open_From_Grid(0);
        QCOMPARE(done.count(), 2);
        QCOMPARE(game.Player_Option_Count, Integer(0));
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("10000"));

        // A split took the first call's strike to 5, below the box: its row beeps and opens
        // nothing, and the call at 10 beside it is not sold in its place.
        game.Player_Option[0] = {"Call", 2, 5, 30, 1, 6};
        game.Player_Option[1] = {"Call", 2, 10, 30, 1, 6};
        game.Player_Option_Count = 2;
        const int beeps = Beeps(screens);
        window.Open_From_Grid(0);
        QCOMPARE(Beeps(screens), beeps + 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(game.Player_Option[1].Quantity, 6.0);
        QCOMPARE(game.Cash_On_Hand.Text(), std::string("10000"));
    }
};

QTEST_MAIN(Trade_Windows_Test)
#include "trade_windows_test.moc"
