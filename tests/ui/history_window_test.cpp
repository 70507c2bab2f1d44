// The History window as a player uses it: the journal's table reads, sorts and filters like a
// ledger and follows its newest entry, the chart reads like a chart and follows the game turn by
// turn without being drawn again, whatever the figures of its record.

#include <algorithm>
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
#include "desktop/parts/engine_text.h"
#include "desktop/parts/language.h"

namespace {
QLineSeries* Line(History_Window& window, const QString& name) {
    for (QAbstractSeries* s : window.Chart()->chart()->series())
        if (s->name() == name) return qobject_cast<QLineSeries*>(s);
    return nullptr;
}

QString Cell(QAbstractItemModel* model, int row, int column) { return model->index(row, column).data().toString(); }

QScatterSeries* Marks(History_Window& window, const QString& name) {
    for (QAbstractSeries* s : window.Chart()->chart()->series())
        if (s->name() == name) return qobject_cast<QScatterSeries*>(s);
    return nullptr;
}

// A race with every kind of figure: the player down to -$5,000 at turn 2 and up to $5,000 a
// turn after, the computer's worth far below; a crash on the first turn, a tax notice on the last.
void Race(Game& game, Long turns) {
    Game_History& h = *game.History;
    h.Points.front().Crash = true;
    for (Long t = 2; t <= turns; ++t)
        h.Points.push_back({t, t == 2 ? -5000.0 : 5000.0 * static_cast<double>(t), 10.0 * static_cast<double>(t),
                            h.Base_Index, false, t == turns});
}

// The chart laid out, what it drew before gone.
void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void Show(History_Window& window) {
    window.show();
    Settle();
}

// What the chart writes beside its value axis.
QStringList Money_Labels(History_Window& window) {
    QStringList labels;
    for (QGraphicsItem* item : window.Chart()->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            if (const QString t = text->toPlainText(); t.contains('$')) labels << t;
    return labels;
}

// Each colour the chart's ground runs through.
QList<QColor> Ground_Colours(const QBrush& ground) {
    QList<QColor> colours;
    if (const QGradient* gradient = ground.gradient())
        for (const QGradientStop& stop : gradient->stops()) colours << stop.second;
    if (colours.isEmpty()) colours << ground.color();
    return colours;
}

bool Is_Round_Step(double step) {
    const double times = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::fabs(times - 1) < 1e-9 || std::fabs(times - 2) < 1e-9 || std::fabs(times - 5) < 1e-9;
}

// The point of a series where the mouse would be over it, in the chart view's coordinates.
QPoint On_Screen(History_Window& window, QXYSeries* series, int point) {
    QChart* chart = window.Chart()->chart();
    return window.Chart()->mapFromScene(chart->mapToScene(chart->mapToPosition(series->at(point), series)));
}

void Move_Mouse(History_Window& window, QPoint at) {
    QWidget* viewport = window.Chart()->viewport();
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}
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
        QVERIFY(you->pointsVisible());  // one turn: a dot, as no line can be drawn yet
        const int journal = window.Journal()->model()->rowCount();
        for (int t = 0; t < 5; ++t) Play_Turn(game, rnd, screens);
        window.Follow();
        QCOMPARE(Line(window, "You"), you);  // the same series, five points longer
        QCOMPARE(you->count(), 6);
        QCOMPARE(you->at(5).x(), 6.0);
        QVERIFY(!you->pointsVisible());
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

    void theValueAxisReadsInTheGamesFigures() {
        Race(game, 150);
        History_Window window(session);
        Show(window);
        const QRegularExpression money("^-?\\$\\d{1,3}(,\\d{3})*$");
        for (bool logarithmic : {true, false}) {
            window.Logarithmic()->setChecked(logarithmic);
            Settle();
            const QStringList labels = Money_Labels(window);
            QVERIFY2(labels.size() >= 4, qPrintable(labels.join(' ')));
            for (const QString& label : labels) {
                QVERIFY2(money.match(label).hasMatch(), qPrintable(label));
                // On the logarithmic axis, powers of ten.
                if (logarithmic) QVERIFY2(QString(label).remove(QRegularExpression("[$,]")).contains(QRegularExpression("^10*$")), qPrintable(label));
            }
            if (logarithmic) QVERIFY(labels.contains("$1,000,000"));
        }

        // Without a loss, the logarithmic axis starts at the label just under the least worth,
        // the computer's $20, and not at $1.
        game.History->Points[1].Net_Worth = 5000;
        History_Window gainer(session);
        Show(gainer);
        QList<double> powers;
        for (QString label : Money_Labels(gainer)) powers << label.remove(QRegularExpression("[$,]")).toDouble();
        std::sort(powers.begin(), powers.end());
        QVERIFY(powers.size() >= 2);
        QVERIFY2(powers[0] <= 20 && 20 < powers[1], qPrintable(QString::number(powers[0])));
    }

    void theTurnsAreTickedAtRoundSteps() {
        for (Long turns : {2, 7, 150, 1234, 60000}) {
            init();
            Race(game, turns);
            History_Window window(session);
            auto* axis = qobject_cast<QCategoryAxis*>(window.Chart()->chart()->axes(Qt::Horizontal).value(0));
            QVERIFY(axis);
            const QStringList labels = axis->categoriesLabels();
            QVERIFY2(labels.size() >= 2 && labels.size() <= 10, qPrintable(labels.join(' ')));
            const double step = labels[1].toDouble() - labels[0].toDouble();
            QVERIFY2(Is_Round_Step(step), qPrintable(labels.join(' ')));
            for (qsizetype i = 0; i < labels.size(); ++i) {
                const double turn = labels[i].toDouble();
                QVERIFY2(turn >= 1 && std::fmod(turn, step) == 0 && axis->endValue(labels[i]) == turn, qPrintable(labels.join(' ')));
                if (i > 0) QCOMPARE(turn - labels[i - 1].toDouble(), step);
            }
        }
    }

    void everyMarkLiesInsideThePlot() {
        Race(game, 150);
        History_Window window(session);
        Show(window);
        QChart* chart = window.Chart()->chart();
        for (bool logarithmic : {true, false}) {
            window.Logarithmic()->setChecked(logarithmic);
            Settle();
            for (const char* name : {"Crash", "Tax notice"}) {
                QScatterSeries* marks = Marks(window, name);
                QCOMPARE(marks->count(), 1);
                const QPointF at = chart->mapToPosition(marks->at(0), marks);
                const double r = marks->markerSize() / 2 + 1;
                const QRectF plot = chart->plotArea();
                QVERIFY2(plot.contains(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)),
                         qPrintable(QString("%1 at %2,%3 in %4,%5 to %6,%7")
                                        .arg(name).arg(at.x()).arg(at.y())
                                        .arg(plot.left()).arg(plot.top()).arg(plot.right()).arg(plot.bottom())));
            }
        }
    }

    void theLegendAndTheColoursTellTheLinesApart() {
        Race(game, 20);
        History_Window window(session);
        Show(window);
        for (const QPalette& palette : {Dark_Palette(), Light_Palette()}) {
            QApplication::setPalette(palette);
            Settle();
            QChart* chart = window.Chart()->chart();
            // Each legend mark drawn in its line's own colour and dash, or its marks' colour.
            for (QLegendMarker* mark : chart->legend()->markers()) {
                if (auto* marks = qobject_cast<QScatterSeries*>(mark->series())) {
                    QCOMPARE(mark->brush().color(), marks->color());
                } else {
                    const QPen pen = qobject_cast<QLineSeries*>(mark->series())->pen();
                    QCOMPARE(mark->pen().color(), pen.color());
                    QCOMPARE(mark->pen().style(), pen.style());
                }
            }
            QCOMPARE(Line(window, "The market index, bought and held")->pen().style(), Qt::DashLine);
            // The two players and the crashes in hues well apart, each to be made out on the chart's ground.
            const QList<QColor> inks = {Line(window, "You")->pen().color(), Line(window, "Computer")->pen().color(),
                                        Marks(window, "Crash")->color()};
            const QList<QColor> grounds = Ground_Colours(chart->backgroundBrush());
            for (const QColor& ground : grounds)
                for (const QColor& ink : inks) QVERIFY2(Contrast_Ratio(ink, ground) >= 3, qPrintable(ink.name() + " on " + ground.name()));
            // Every text of the chart readable on every part of its ground.
            QList<QColor> texts = {chart->titleBrush().color(), chart->legend()->labelColor()};
            for (QAbstractAxis* axis : chart->axes()) texts << axis->labelsBrush().color() << axis->titleBrush().color();
            for (const QColor& ground : grounds)
                for (const QColor& text : texts)
                    QVERIFY2(Contrast_Ratio(text, ground) >= Readable_Contrast, qPrintable(text.name() + " on " + ground.name()));
            for (int a = 0; a < 3; ++a)
                for (int b = a + 1; b < 3; ++b) {
                    const int apart = std::abs(inks[a].hslHue() - inks[b].hslHue());
                    QVERIFY2(std::min(apart, 360 - apart) >= 30, qPrintable(inks[a].name() + " " + inks[b].name()));
                }
        }
    }

    void theToolTipGivesTheFigureOfTheLineNearTheMouse() {
        Race(game, 40);
        History_Window window(session);
        Show(window);
        QLineSeries* computer = Line(window, "Computer");
        Move_Mouse(window, On_Screen(window, computer, 19) + QPoint(0, 3));
        QCOMPARE(QToolTip::text(), QString("Turn 20, Computer: $200"));
        // Between two turns, the figure of the nearer one.
        const QPoint between = On_Screen(window, computer, 19) * 0.7 + On_Screen(window, computer, 20) * 0.3;
        Move_Mouse(window, between);
        QCOMPARE(QToolTip::text(), QString("Turn 20, Computer: $200"));
        // The player's worth of -$5,000, drawn at $1.
        Move_Mouse(window, On_Screen(window, Line(window, "You"), 1) + QPoint(2, -2));
        QCOMPARE(QToolTip::text(), QString("Turn 2, You: -$5,000"));
        Move_Mouse(window, On_Screen(window, Marks(window, "Tax notice"), 0) + QPoint(-4, 0));
        QCOMPARE(QToolTip::text(), QString("Turn 40, Tax notice"));
        // Far from every line, none.
        Move_Mouse(window, On_Screen(window, computer, 29) + QPoint(0, 30));
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::text().isEmpty(), 1000);
    }

    void theJournalFollowsItsNewestEntry() {
        Game_History& h = *game.History;
        const auto add = [&](Long turn, const std::string& symbol) {
            h.Journal.push_back({turn, Trader::You, "Buy", symbol, 1, 10, std::nullopt, 100});
        };
        for (Long t = 1; t <= 60; ++t) add(t, "MMM");
        History_Window window(session);
        Show(window);
        window.Tabs()->setCurrentIndex(1);
        QApplication::processEvents();
        QTableView* table = window.Journal();
        QAbstractItemModel* rows = table->model();
        const auto top_turn = [&] { return Cell(rows, table->rowAt(0), Journal_Model::Turn); };
        const auto newest_shown = [&] { return table->rowAt(table->viewport()->height() - 1) == rows->rowCount() - 1; };
        QVERIFY(newest_shown());  // opened at the newest
        for (Long t = 61; t <= 63; ++t) add(t, "MMM");
        window.Follow();
        QVERIFY(newest_shown());

        // Scrolled away from the newest, or sorted by another column: the rows read stay in view.
        table->verticalScrollBar()->setValue(10);
        const QString reading = top_turn();
        add(64, "MMM");
        window.Follow();
        QCOMPARE(top_turn(), reading);
        table->sortByColumn(Journal_Model::Symbol, Qt::AscendingOrder);
        table->verticalScrollBar()->setValue(10);
        const QString sorted_reading = top_turn();
        for (Long t = 65; t <= 70; ++t) add(t, "AAPL");  // sorts above every row in view
        window.Follow();
        QCOMPARE(top_turn(), sorted_reading);
    }

    void exportSaysWhereItWrote() {
        QTemporaryDir dir;
        History_Window window(session);
        Show(window);
        window.Tabs()->setCurrentIndex(1);
        for (const QString& path : {dir.path() + "/race.csv", dir.path() + "/missing/race.csv"}) {
            screens.log.clear();
            Modal_Answers answers;
            answers.Then([&](QWidget* w) {
                auto* files = qobject_cast<QFileDialog*>(w);
                QVERIFY(files);
                files->selectFile(path);
                static_cast<QDialog*>(files)->accept();
            });
            Button(&window, "&Export CSV...")->click();
            QVERIFY(answers.Done());
            if (QFile::exists(path)) {
                QCOMPARE(screens.log, std::vector<std::string>{"message The journal was written to " + path.toStdString() + "."});
            } else {
                QCOMPARE(screens.log, (std::vector<std::string>{"beep", "message Error: Cannot write to file."}));
                QVERIFY(path.contains("missing"));
            }
        }
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

    // Last, as a language once installed stays: the journal shown in German filters by the
    // record's own names and sorts its words as they read, and has room for them.
    void inGermanTheJournalFiltersByTheRecordAndSortsAsItReads() {
        QCOMPARE(Use_Language("de"), QString("de"));
        Game_History& h = *game.History;
        h.Journal = {{3, Trader::You, "Buy", "AAPL", 100, 30, std::nullopt, 1000},
                     {4, Trader::Computer, "Short", "AAPL", 10, 90, std::nullopt, 2000},
                     {5, Trader::You, "Sell Call", "AAPL", 2, 3, 500.0, 6000}};
        History_Window window(session);
        QAbstractItemModel* rows = window.Journal()->model();
        QVERIFY(Engine_Text("You") != "You");
        QCOMPARE(Cell(rows, 0, Journal_Model::Who), Engine_Text("You"));
        QCOMPARE(Cell(rows, 1, Journal_Model::What), Engine_Text("Short"));
        QCOMPARE(window.Who_Box()->itemText(1), Engine_Text("You"));

        window.Who_Box()->setCurrentIndex(1);
        QCOMPARE(rows->rowCount(), 2);
        window.Who_Box()->setCurrentIndex(2);
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(Cell(rows, 0, Journal_Model::What), Engine_Text("Short"));
        window.Who_Box()->setCurrentIndex(0);
        window.Symbol_Box()->setCurrentText("AAPL");
        QCOMPARE(rows->rowCount(), 3);

        window.Journal()->sortByColumn(Journal_Model::What, Qt::AscendingOrder);
        QStringList kinds;
        for (int r = 0; r < rows->rowCount(); ++r) kinds << Cell(rows, r, Journal_Model::What);
        QStringList sorted = kinds;
        sorted.sort();
        QCOMPARE(kinds, sorted);

        const QFontMetrics metrics = window.Journal()->fontMetrics();
        for (const char* kind : {"Short", "Sell Call", "Buy Back"})
            QVERIFY(window.Journal()->columnWidth(Journal_Model::What) > metrics.horizontalAdvance(Engine_Text(kind)));
    }
};

QTEST_MAIN(History_Window_Test)
#include "history_window_test.moc"
