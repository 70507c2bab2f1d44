// The History window as a player uses it: the journal's table reads, sorts and filters like a
// ledger, and the chart follows the game turn by turn without being drawn again, whatever the
// figures of its record.

#include <cmath>
#include <limits>

#include "engine/flows/new_game.h"
#include "engine/model/random.h"
#include "engine/flows/turn.h"
#include "engine/history/history.h"
#include "desktop/scoring/end_game_window.h"
#include "desktop/history/history_window.h"
#include "desktop/history/journal_filter.h"
#include "desktop/history/journal_model.h"
#include "test_support.h"
#include "window_checks.h"
#include "desktop/parts/colours.h"

namespace {
QLineSeries* Line(History_Window& window, const QString& name) {
    for (QAbstractSeries* s : window.Chart()->chart()->series())
        if (s->name() == name) return qobject_cast<QLineSeries*>(s);
    return nullptr;
}

QString Cell(QAbstractItemModel* model, int row, int column) { return model->index(row, column).data().toString(); }
}  // namespace

class History_Window_Test : public QObject {
    Q_OBJECT

    Game game;
    Random rnd{17};
    Recording_Screens screens;
    Game_Session session{game, rnd, screens};

private slots:
    void init() {
        game = Blank_Game();
        Start_New_Game(game, rnd, screens);
    }

    void theJournalReadsLikeALedger() {
        Game_History& h = *game.History;
        const std::string other = game.Symbol[1];
        h.Journal = {{3, Trader::You, "Buy", "AAPL", 1200, 30, std::nullopt, 1000},
                     {5, Trader::Computer, "Sell", other, 10, 90, 150.0, 2000},
                     {7, Trader::You, "Sell", "AAPL", 200, 25, -1000.0, 6000}};
        History_Window window(session);
        QAbstractItemModel* rows = window.Journal()->model();
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(Cell(rows, 0, Journal_Model::Quantity), QString("1,200"));
        QCOMPARE(Cell(rows, 0, Journal_Model::Gain), QString());
        const auto align = [&](int column) { return rows->index(0, column).data(Qt::TextAlignmentRole).toInt(); };
        QVERIFY(align(Journal_Model::Cash) & align(Journal_Model::Price) & Qt::AlignRight);
        QVERIFY(align(Journal_Model::Symbol) & Qt::AlignLeft);

        // A gain in the gain colour and a loss in the loss colour of the table's own ground.
        const QPalette ground = window.Journal()->palette();
        QCOMPARE(rows->index(1, Journal_Model::Gain).data(Qt::ForegroundRole).value<QColor>(),
                 Gain_Colour(Colour::Blue, ground, QPalette::Base));
        QCOMPARE(rows->index(2, Journal_Model::Gain).data(Qt::ForegroundRole).value<QColor>(),
                 Gain_Colour(Colour::Red, ground, QPalette::Base));

        // Sorted by the figures, not by their texts ("1,200" sorts above "200").
        window.Journal()->sortByColumn(Journal_Model::Quantity, Qt::DescendingOrder);
        QCOMPARE(Cell(rows, 0, Journal_Model::Quantity), QString("1,200"));
        window.Journal()->sortByColumn(Journal_Model::Gain, Qt::DescendingOrder);
        QCOMPARE(Cell(rows, 0, Journal_Model::Symbol), QString::fromStdString(other));

        window.Who_Box()->setCurrentText("You");
        QCOMPARE(rows->rowCount(), 2);
        window.Symbol_Box()->setCurrentText(QString::fromStdString(other));
        QCOMPARE(rows->rowCount(), 0);
        window.Who_Box()->setCurrentText("Both");
        QCOMPARE(rows->rowCount(), 1);
    }

    void theChartFollowsTheGameWithoutRedrawing() {
        History_Window window(session);
        window.show();
        QLineSeries* you = Line(window, "You");
        QVERIFY(you);
        QCOMPARE(you->count(), 1);
        const int journal = window.Journal()->model()->rowCount();
        for (int t = 0; t < 5; ++t) Play_Turn(game, rnd, screens);
        window.Follow();
        QCOMPARE(Line(window, "You"), you);  // the same series, five points longer
        QCOMPARE(you->count(), 6);
        QCOMPARE(you->at(5).x(), 6.0);
        QCOMPARE(Line(window, "Computer")->count(), 6);
        QVERIFY(window.Journal()->model()->rowCount() >= journal);

        // A new game starts the picture over.
        Start_New_Game(game, rnd, screens);
        window.Follow();
        QCOMPARE(Line(window, "You")->count(), 1);
        QCOMPARE(window.Journal()->model()->rowCount(), 0);
    }

    void aLongRecordDrawsAsFastAsAShortOne() {
        // 60,000 turns: the lines hold a turn in every few, always the newest, never many more
        // points than the chart is wide.
        auto& points = game.History->Points;
        for (Long t = 2; t <= 60000; ++t) points.push_back({t, 5000.0 + t, 4000.0 + 2 * t, 3000, false, t % 100 == 0});
        History_Window window(session);
        QLineSeries* you = Line(window, "You");
        QVERIFY(you->count() <= 2000);
        QCOMPARE(you->at(you->count() - 1).x(), 60000.0);
        for (Long t = 60001; t <= 60003; ++t) {
            points.push_back({t, 5000.0 + t, 0, 3000, false, false});
            window.Follow();
            QCOMPARE(Line(window, "You"), you);
            QCOMPARE(you->at(you->count() - 1), QPointF(t, 5000.0 + t));
        }
        QVERIFY(you->count() <= 2000);
        // The tax notices are marked no closer than the chart can show apart.
        auto* taxes = qobject_cast<QXYSeries*>(window.Chart()->chart()->series().last());
        QCOMPARE(taxes->name(), QString("Tax notice"));
        QVERIFY(taxes->count() >= 20 && taxes->count() <= 300);
        QCOMPARE(taxes->at(0).x(), 100.0);
    }

    void aWorthOfADollarOrLessSitsOnTheLogAxis() {
        game.History->Points.push_back({2, -5000, 4000, game.History->Base_Index, false, false});
        History_Window window(session);
        QVERIFY(window.Logarithmic()->isChecked());
        QVERIFY(qobject_cast<QLogValueAxis*>(window.Chart()->chart()->axes(Qt::Vertical).value(0)));
        QCOMPARE(Line(window, "You")->at(1).y(), 1.0);

        window.Logarithmic()->setChecked(false);
        auto* linear = qobject_cast<QValueAxis*>(window.Chart()->chart()->axes(Qt::Vertical).value(0));
        QVERIFY(linear);
        QCOMPARE(Line(window, "You")->at(1).y(), -5000.0);
        QVERIFY(linear->min() <= -5000);
    }

    void figuresPastAnyGameDrawWithinAFiniteAxis() {
        // A record no load would take: the largest doubles, either way, as worths and in the
        // journal; the index line of such a start passes a double.
        const double most = std::numeric_limits<double>::max();
        Game_History& h = *game.History;
        h.Base_Worth = most;
        h.Points.push_back({2, most, -most, 2 * h.Base_Index, true, true});
        h.Points.push_back({3, -most, most, h.Base_Index, false, false});
        h.Journal = {{2, Trader::You, "Sell", "AAPL", most, most, most, -most}};
        History_Window window(session);
        window.show();
        for (bool logarithmic : {true, false}) {
            window.Logarithmic()->setChecked(logarithmic);
            QVERIFY(!window.Chart()->grab().isNull());
            const QAbstractAxis* worth = window.Chart()->chart()->axes(Qt::Vertical).value(0);
            const auto* log_axis = qobject_cast<const QLogValueAxis*>(worth);
            const auto* linear = qobject_cast<const QValueAxis*>(worth);
            QVERIFY(logarithmic ? log_axis != nullptr : linear != nullptr);
            const double low = log_axis ? log_axis->min() : linear->min();
            const double high = log_axis ? log_axis->max() : linear->max();
            QVERIFY2(std::isfinite(low) && std::isfinite(high) && low < high, qPrintable(QString("%1 .. %2").arg(low).arg(high)));
            for (const QPointF& p : Line(window, "The market index, bought and held")->points())
                QVERIFY(p.y() >= low && p.y() <= high);
        }
        window.Tabs()->setCurrentIndex(1);
        QVERIFY(!window.Journal()->grab().isNull());
        window.hide();
    }

    void theGameOverWindowOpensItWithTheAccount() {
        for (int t = 0; t < 3; ++t) Play_Turn(game, rnd, screens);
        End_Game_Window end(session);
        QPushButton* history = nullptr;
        for (QPushButton* b : end.findChildren<QPushButton*>())
            if (b->text() == "&History") history = b;
        QVERIFY(history);
        QString account;
        QTimer::singleShot(0, &end, [&] {
            auto* window = end.findChild<History_Window*>();
            QVERIFY(window && window->isVisible());
            account = window->Summary()->isVisible() ? window->Summary()->text() : QString();
            window->hide();
        });
        history->click();
        QVERIFY2(account.startsWith("Turns played: 4"), qPrintable(account));
        QVERIFY(account.contains("market index"));
    }
};

QTEST_MAIN(History_Window_Test)
#include "history_window_test.moc"
