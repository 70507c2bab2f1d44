// Every window under a light and a dark palette, as the screenshots show them. Under the light
// palette the game's own colours hold exactly; under the dark one every text the game paints,
// on a label or in a grid cell, is readable on the ground measured under it; a change of
// palette while a window is open repaints it.
#include <map>

#include "engine/model/numbers.h"
#include "window_checks.h"
#include "desktop/parts/colours.h"
#include "desktop/main/quotes_board.h"

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), Black(0, 0, 0), Yellow(255, 255, 0);

// The most frequent colour of a rectangle of the window's picture: the ground under a text.
QColor Ground(const QImage& picture, const QRect& area) {
    std::map<QRgb, int> count;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++count[picture.pixel(x, y)];
    QRgb most = 0;
    int seen = -1;
    for (const auto& [rgb, n] : count)
        if (n > seen) most = rgb, seen = n;
    return QColor::fromRgb(most);
}

QRect Area_In(QWidget* window, QWidget* w) { return {w->mapTo(window, QPoint(0, 0)), w->size()}; }

// A text that shows a gain or a loss ("-3(4.2%)", "(1.5%)", "-0.25") and its sign.
std::optional<double> Gain(const QString& text) {
    static const QRegularExpression change(R"(^\(?(-?\d+(\.\d+)?)(%\)|\(-?[\d.]+%\))?$)");
    const QRegularExpressionMatch m = change.match(text);
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toDouble();
}

QColor Exact_For(double value) { return value < 0 ? Red : value > 0 ? Blue : Black; }

QColor Ink_Of(QLabel* label) { return label->palette().color(label->foregroundRole()); }

bool Shown(QWidget* w, QWidget* window) { return w->isVisibleTo(window) && w->isEnabled(); }

// Every label and grid cell with a text: readable on the ground measured under it.
void Every_Text_Readable(const QString& name, QWidget* window) {
    const QImage picture = window->grab().toImage();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!Shown(label, window) || label->text().isEmpty() || !label->pixmap().isNull()) continue;
        const QColor ink = Ink_Of(label), ground = Ground(picture, Area_In(window, label));
        QVERIFY2(Contrast_Ratio(ink, ground) >= Readable_Contrast,
                 qPrintable(name + ": " + label->text() + " " + ink.name() + " on " + ground.name()));
    }
    for (QTableWidget* grid : window->findChildren<QTableWidget*>()) {
        if (!Shown(grid, window)) continue;
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c) {
                QTableWidgetItem* item = grid->item(r, c);
                if (!item || item->text().isEmpty()) continue;
                const QRect cell = grid->visualItemRect(item).translated(grid->viewport()->mapTo(window, QPoint(0, 0)));
                if (!QRect(QPoint(0, 0), window->size()).contains(cell.center())) continue;  // scrolled away
                const QVariant brush = item->data(Qt::ForegroundRole);
                const QColor ink = brush.isValid() ? brush.value<QBrush>().color() : grid->palette().color(QPalette::Text);
                const QColor ground = Ground(picture, cell);
                QVERIFY2(Contrast_Ratio(ink, ground) >= Readable_Contrast,
                         qPrintable(name + ": cell " + item->text() + " " + ink.name() + " on " + ground.name()));
            }
    }
}

// Every gain or loss in the window's labels and grids in red, blue or black by its sign.
void Gains_In_Exact_Colours(const QString& name, QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!Shown(label, window)) continue;
        const QColor ink = Ink_Of(label);
        if (const std::optional<double> gain = Gain(label->text()); gain && ink != Black)
            QVERIFY2(ink == Exact_For(*gain), qPrintable(name + ": " + label->text() + " in " + ink.name()));
    }
    for (QTableWidget* grid : window->findChildren<QTableWidget*>())
        for (int c = 0; c < grid->columnCount(); ++c) {
            const bool change = grid->horizontalHeaderItem(c) && grid->horizontalHeaderItem(c)->text() == "Change (%)";
            for (int r = 0; r < grid->rowCount(); ++r) {
                QTableWidgetItem* item = grid->item(r, c);
                if (!change || !item || item->text().isEmpty() || item->text() == "Change (%)") continue;
                const QColor ink = item->foreground().color();
                QVERIFY2(ink == Exact_For(item->text().toDouble()),
                         qPrintable(name + ": change " + item->text() + " in " + ink.name()));
                QVERIFY(item->textAlignment() & Qt::AlignRight);
            }
        }
}

}  // namespace

class Themes_Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void lightPaletteKeepsTheGamesOwnColours() {
        QApplication::setPalette(Light_Palette());
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            Gains_In_Exact_Colours(name, window);
            if (name == "main") {
                auto* board = window->findChild<Quotes_Board*>();
                for (int s = 0; s < Stock_Count; ++s) {
                    QLabel* change = Board_Label(board, "change", s);
                    QCOMPARE(Ink_Of(change), Exact_For(Leading_Number(change->text().toStdString())));
                }
                // Under the mouse a symbol stands on yellow in black, one symbol at a time.
                Move_Over(Board_Label(board, "symbol", 4));
                QCOMPARE(Board_Label(board, "symbol", 4)->palette().color(QPalette::Window), Yellow);
                QCOMPARE(Ink_Of(Board_Label(board, "symbol", 4)), Black);
                Move_Over(Board_Label(board, "symbol", 20));
                for (int s = 0; s < Stock_Count; ++s) QCOMPARE(board->Is_Highlighted(s), s == 20);
                Move_Over(Child<QFrame>(board, "frame_0"));
                QVERIFY(!board->Is_Highlighted(20));
            }
            if (name == "buy") {
                auto* most = Child<QLabel>(window, "most");
                Move_Over(most);
                QCOMPARE(Ink_Of(most), Yellow);
                Move_Over(window);
                QCOMPARE(Ink_Of(most), Black);
            }
            if (name == "research") {
                for (const char* name : {"eps_0", "eps_1", "eps_2", "eps_3"}) {
                    QLabel* eps = Child<QLabel>(window, name);
                    QCOMPARE(Ink_Of(eps), Exact_For(eps->text().toDouble()));
                }
            }
            if (name == "chart")
                QCOMPARE(Child<QChartView>(window, "chart")->chart()->theme(), QChart::ChartThemeLight);
            // A change of palette while the window is open repaints it, and back again.
            QApplication::setPalette(Dark_Palette());
            QApplication::processEvents();
            Every_Text_Readable(name + ", turned dark", window);
            if (name == "chart")
                QCOMPARE(Child<QChartView>(window, "chart")->chart()->theme(), QChart::ChartThemeDark);
            QApplication::setPalette(Light_Palette());
            QApplication::processEvents();
            Gains_In_Exact_Colours(name + ", light again", window);
        });
    }

    void darkPaletteKeepsEveryTextReadable() {
        int variants = 0;
        QApplication::setPalette(Dark_Palette());
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            Every_Text_Readable(name, window);
            // Red and blue are lighter shades of themselves here, not the light palette's.
            for (QLabel* label : window->findChildren<QLabel*>()) {
                const QColor ink = Ink_Of(label);
                QVERIFY2(ink != Red && ink != Blue && ink != Black, qPrintable(name + ": " + label->text()));
                if (Gain(label->text()) && ink.hue() >= 0) ++variants;
            }
            if (name == "main") {
                auto* board = window->findChild<Quotes_Board*>();
                Move_Over(Board_Label(board, "symbol", 4));
                QVERIFY(Contrast_Ratio(Ink_Of(Board_Label(board, "symbol", 4)), Board_Label(board, "symbol", 4)->palette().color(QPalette::Window)) >=
                        Readable_Contrast);
                Move_Over(Child<QFrame>(board, "frame_0"));
            }
            if (name == "buy") {
                auto* most = Child<QLabel>(window, "most");
                Move_Over(most);
                Every_Text_Readable("buy, hovered", window);
                QCOMPARE(Ink_Of(most).hue(), Yellow.hue());
                Move_Over(window);
            }
            if (name == "game_over") {
                // A new colour every 100 ms, each of them readable.
                for (int tick = 0; tick < 5; ++tick) {
                    QTest::qWait(110);
                    Every_Text_Readable("game over", window);
                }
            }
            if (name == "chart") {
                auto* view = Child<QChartView>(window, "chart");
                QChart* chart = view->chart();
                QCOMPARE(chart->theme(), QChart::ChartThemeDark);
                const QImage picture = view->grab().toImage();
                const QRect plot = chart->plotArea().toRect().adjusted(4, 4, -4, -4);
                for (QLineSeries* line : {static_cast<QLineSeries*>(chart->series().at(0)),
                                          static_cast<QLineSeries*>(chart->series().at(1))})
                    for (QPoint corner : {plot.topLeft(), plot.topRight(), plot.bottomLeft(), plot.bottomRight()})
                        QVERIFY(Contrast_Ratio(line->pen().color(), picture.pixelColor(corner)) >= Readable_Contrast);
            }
        });
        QVERIFY(variants >= 30);
    }
};

QTEST_MAIN(Themes_Test)
#include "themes_test.moc"
