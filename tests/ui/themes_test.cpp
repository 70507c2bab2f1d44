// Every window under a light and a dark palette, as the screenshots show them. Under both every
// text, on a label, a button, a list or grid row or in a document, is readable on the ground
// measured under it. Under the light palette the game's own colours hold exactly where they are
// readable, and where one is not (the red, the yellow under the mouse, the level colours) the
// nearest readable shade of its hue stands in; a change of palette while a window is open
// repaints it.
#include <map>

#include "engine/model/numbers.h"
#include "engine/scoring/new_game_setup.h"
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

QString Unreadable(const QString& text, const QColor& ink, const QColor& ground) {
    return QString("%1 %2 on %3 (%4:1)").arg(text.left(40), ink.name(), ground.name()).arg(Contrast_Ratio(ink, ground), 0, 'f', 2);
}

// Every text the window paints, on a label, a button, a list or grid row or in a document, is
// readable on the ground measured under it; all that are not are named at once.
void Every_Text_Readable(const QString& name, QWidget* window) {
    const QImage picture = window->grab().toImage();
    QStringList unreadable;
    auto check = [&](const QString& text, const QColor& ink, const QRect& area) {
        const QColor ground = Ground(picture, area);
        if (Contrast_Ratio(ink, ground) < Readable_Contrast) unreadable << Unreadable(text, ink, ground);
    };
    for (QLabel* label : window->findChildren<QLabel*>())
        if (Shown(label, window) && !label->text().isEmpty() && label->pixmap().isNull())
            check(label->text(), Ink_Of(label), Area_In(window, label));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (Shown(button, window) && !button->text().isEmpty() && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
            check(button->text(), button->palette().color(button->foregroundRole()), Area_In(window, button));
    for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        if (!Shown(view, window) || !view->model()) continue;
        const QPoint origin = view->viewport()->mapTo(window, QPoint(0, 0));
        QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
            for (int c = 0; c < model->columnCount(view->rootIndex()); ++c) {
                const QModelIndex index = model->index(r, c, view->rootIndex());
                const QString text = index.data().toString();
                const QRect cell = view->visualRect(index).intersected(view->viewport()->rect());
                if (text.isEmpty() || cell.isEmpty()) continue;  // scrolled away
                const bool selected = view->selectionModel() && view->selectionModel()->isSelected(index);
                const QVariant brush = index.data(Qt::ForegroundRole);
                const QColor ink = selected        ? view->palette().color(QPalette::HighlightedText)
                                   : brush.isValid() ? brush.value<QBrush>().color()
                                                     : view->palette().color(QPalette::Text);
                check(text, ink, cell.translated(origin));
            }
    }
    for (QTextEdit* page : window->findChildren<QTextEdit*>()) {
        if (!Shown(page, window)) continue;
        const QColor base = page->palette().color(QPalette::Base), text = page->palette().color(QPalette::Text);
        for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                const QString words = fragment.fragment().text().trimmed();
                if (words.isEmpty()) continue;
                const QColor ink = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : text;
                const QColor ground = format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color()
                                    : block.blockFormat().hasProperty(QTextFormat::BackgroundBrush)
                                        ? block.blockFormat().background().color()
                                        : base;
                if (Contrast_Ratio(ink, ground) < Readable_Contrast) unreadable << Unreadable(words, ink, ground);
            }
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(name + ": " + unreadable.join("; ")));
}

// The game-over result takes a new colour every 100 ms, each of them readable.
void Every_Colour_Readable(QWidget* game_over) {
    for (int tick = 0; tick < 5; ++tick) {
        QTest::qWait(110);
        Every_Text_Readable("game over", game_over);
    }
}

// A refused trade says why under its box, in red readable on the window.
void Refusal_Readable(const QString& name, QWidget* trade_window) {
    const Trade_Controls controls(trade_window);
    controls.Quantity->setText("999999999");
    controls.Trade->click();
    QLabel* reason = Child<QLabel>(trade_window, "reason");
    QVERIFY2(!reason->text().isEmpty(), qPrintable(name + ": no reason"));
    Every_Text_Readable(name + ", refused", trade_window);
    controls.Quantity->setText("0");
}

// The game's colour `exact` where it is readable on `ground`; where it is not, a readable shade
// of its hue so near that a step of lightness back toward `exact` is unreadable again (a small
// step: the colour is chosen for the darkest of the grounds its window paints).
bool Nearest_Readable_Shade(const QColor& ink, const QColor& exact, const QColor& ground) {
    if (Contrast_Ratio(exact, ground) >= Readable_Contrast) return ink == exact;
    if (Contrast_Ratio(ink, ground) < Readable_Contrast || std::abs(ink.hslHueF() - exact.hslHueF()) > 0.01) return false;
    const double back = ink.lightnessF() + (exact.lightnessF() > ink.lightnessF() ? 0.04 : -0.04);
    return Contrast_Ratio(QColor::fromHslF(std::max(0.0f, exact.hslHueF()), exact.hslSaturationF(), back), ground) <
           Readable_Contrast;
}

void Painted_As(const QString& name, QWidget* window, QLabel* label, const QColor& exact) {
    const QColor ink = Ink_Of(label), ground = Ground(window->grab().toImage(), Area_In(window, label));
    QVERIFY2(Nearest_Readable_Shade(ink, exact, ground),
             qPrintable(name + ": " + label->text() + " in " + ink.name() + " on " + ground.name() + " for " + exact.name()));
}

// Every gain or loss in the window's labels and grids in red, blue or black by its sign.
void Gains_In_Exact_Colours(const QString& name, QWidget* window) {
    const QImage picture = window->grab().toImage();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!Shown(label, window)) continue;
        const QColor ink = Ink_Of(label), ground = Ground(picture, Area_In(window, label));
        if (const std::optional<double> gain = Gain(label->text()); gain && ink != Black)
            QVERIFY2(Nearest_Readable_Shade(ink, Exact_For(*gain), ground),
                     qPrintable(name + ": " + label->text() + " in " + ink.name() + " on " + ground.name()));
    }
    for (QTableWidget* grid : window->findChildren<QTableWidget*>())
        for (int c = 0; c < grid->columnCount(); ++c) {
            const bool change = grid->horizontalHeaderItem(c) && grid->horizontalHeaderItem(c)->text() == "Change (%)";
            for (int r = 0; r < grid->rowCount(); ++r) {
                QTableWidgetItem* item = grid->item(r, c);
                if (!change || !item || item->text().isEmpty() || item->text() == "Change (%)") continue;
                const QColor ink = item->foreground().color(), ground = grid->palette().color(QPalette::Base);
                QVERIFY2(Nearest_Readable_Shade(ink, Exact_For(item->text().toDouble()), ground),
                         qPrintable(name + ": change " + item->text() + " in " + ink.name()));
                QVERIFY(item->textAlignment() & Qt::AlignRight);
            }
        }
}

// Takes the setup window through the four levels, none to all three difficulty options, and
// gives `look` the caption of each.
void Every_Level(QWidget* setup, const std::function<void(QLabel* caption, int options_on)>& look) {
    QList<QCheckBox*> options;
    for (QCheckBox* box : setup->findChildren<QCheckBox*>())
        if (box->text() != "Random News Settings") options << box;
    QCOMPARE(options.size(), 3);
    QLabel* caption = nullptr;
    for (QLabel* label : setup->findChildren<QLabel*>())
        if (QStringList{"Beginer", "Intermediate", "Advanced", "Abnormal"}.contains(label->text())) caption = label;
    QVERIFY(caption);
    const QList<bool> before{options[0]->isChecked(), options[1]->isChecked(), options[2]->isChecked()};
    for (QCheckBox* box : options)
        if (box->isChecked()) box->click();
    look(caption, 0);
    for (int on = 1; on <= 3; ++on) {
        options[on - 1]->click();
        look(caption, on);
    }
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked() != before[i]) options[i]->click();
}

}  // namespace

class Themes_Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    // The one rule behind every colour: the colour itself when readable, else the nearest shade of
    // its hue that is, darker on a light ground and lighter on a dark one.
    void aColourGivesWayToItsNearestReadableShade() {
        const QColor window(239, 239, 239), white(255, 255, 255), dark(53, 53, 53), green(0, 128, 0);
        for (const auto& [wanted, ground] : std::vector<std::pair<QColor, QColor>>{
                 {Yellow, window}, {Red, white}, {Red, window}, {green, window}, {Blue, dark}, {Red, dark},
                 {QColor(128, 128, 128), white}, {QColor(90, 40, 200), dark}, {QColor(255, 200, 220), window}}) {
            const QColor shade = Nearest_Readable(wanted, ground);
            const QString what = wanted.name() + " on " + ground.name() + ": " + shade.name();
            QVERIFY2(Nearest_Readable_Shade(shade, wanted, ground), qPrintable(what));
            QVERIFY2((shade.lightnessF() < wanted.lightnessF()) == (ground.lightnessF() > 0.5), qPrintable(what));
        }
        for (const QColor& readable : {Blue, Black, QColor(0, 0, 192)}) QCOMPARE(Nearest_Readable(readable, white), readable);
        QCOMPARE(Nearest_Readable(Yellow, Black), Yellow);
        // No shade of any hue stands out 5:1 from a middle grey; the better of black and white does.
        QCOMPARE(Nearest_Readable(Red, QColor(118, 118, 118), 5.0), Black);
        QCOMPARE(Nearest_Readable(Blue, QColor(116, 116, 116), 5.0), QColor(255, 255, 255));
        // A laxer contrast asked, as for pictures, leaves the colour nearer itself.
        QVERIFY(Nearest_Readable(Yellow, window, 3.0).lightnessF() > Nearest_Readable(Yellow, window).lightnessF());
    }

    void lightPaletteKeepsTheGamesColoursWhereReadable() {
        QApplication::setPalette(Light_Palette());
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            Every_Text_Readable(name, window);
            Gains_In_Exact_Colours(name, window);
            if (name == "main") {
                auto* board = window->findChild<Quotes_Board*>();
                for (int s = 0; s < Stock_Count; ++s) {
                    QLabel* change = Board_Label(board, "change", s);
                    Painted_As(name, window, change, Exact_For(Leading_Number(change->text().toStdString())));
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
                Painted_As("buy, hovered", window, most, Yellow);
                Every_Text_Readable("buy, hovered", window);
                Move_Over(window);
                QCOMPARE(Ink_Of(most), Black);
                Refusal_Readable(name, window);
                Painted_As("buy, refused", window, Child<QLabel>(window, "reason"), Red);
            }
            if (name == "research") {
                for (const char* name : {"eps_0", "eps_1", "eps_2", "eps_3"}) {
                    QLabel* eps = Child<QLabel>(window, name);
                    Painted_As("research", window, eps, Exact_For(eps->text().toDouble()));
                }
            }
            if (name == "setup")
                Every_Level(window, [&](QLabel* caption, int options_on) {
                    QCOMPARE(caption->text().toStdString(), Level_Caption(options_on));
                    Painted_As("setup", window, caption, QColor::fromRgb(static_cast<QRgb>(Level_Colour(options_on))));
                    Every_Text_Readable("setup, " + caption->text(), window);
                });
            if (name == "game_over") Every_Colour_Readable(window);
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
                Refusal_Readable(name, window);
                Move_Over(window);
            }
            if (name == "setup")
                Every_Level(window, [&](QLabel* caption, int) { Every_Text_Readable("setup, " + caption->text(), window); });
            if (name == "game_over") Every_Colour_Readable(window);
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
