// Every window on a 1920x1080 screen at twice the scale (a 960x540 desktop), as the screenshots
// open them: each fits the screen with room for its title bar, opens centred on the main window,
// is fitted into the screen again within the frame a window manager draws, keeps a fixed size
// where it is a message or trade window, shows every text whole, and Tab visits every control
// in reading order. Run once in English and once in each translation (BULLQUEST_TEST_LANGUAGE).

#include "desktop/parts/language.h"
#include "desktop/parts/window_place.h"
#include "window_checks.h"

namespace {

// Room for a window manager's title bar above a window.
constexpr int Title_Bar = 24;

const QStringList Fixed = {"start", "setup", "buy", "sell", "short", "options", "research", "commissions",
                           "tax", "alert", "confirmation", "game_over", "about"};

QRect Global(QWidget* w) { return {w->mapToGlobal(QPoint(0, 0)), w->size()}; }

bool Is_Control(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QListWidget*>(w) ||
           qobject_cast<QTableWidget*>(w) || qobject_cast<QTabBar*>(w);
}

// A spin box's or a combo box's inner editor stands for its box.
QWidget* Control_Of(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p)) return p;
    return w;
}

// Reading order: along a row to the right, then down to the next row; up only into a column to
// the right (a window in two columns).
bool Reads_After(const QRect& a, const QRect& b) {
    const bool same_row = b.top() < a.bottom() && a.top() < b.bottom();
    if (same_row) return b.center().x() > a.center().x() || b.top() >= a.bottom() - 2;
    if (b.top() >= a.center().y()) return true;
    return b.left() >= a.right() - 2;
}

// The controls Tab visits from the window's first control, until it comes round again.
QList<QWidget*> Tab_Round(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return window->isActiveWindow(); }, 1000)) return {};
    QWidget* first = window->nextInFocusChain();
    while (first != window && !(first->isVisibleTo(window) && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus)))
        first = first->nextInFocusChain();
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget*> round;
    for (int step = 0; step < 80; ++step) {
        QWidget* at = Control_Of(QApplication::focusWidget());
        if (!at || round.contains(at)) break;
        round << at;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return round;
}

// The letter after a text's "&", lower case; none for "&&" or no mnemonic.
QChar Mnemonic(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') { ++i; continue; }
        return text[i + 1].toLower();
    }
    return {};
}

// The mnemonics `texts` share, as "letter: first, second".
QStringList Shared_Mnemonics(const QStringList& texts) {
    QHash<QChar, QString> seen;
    QStringList shared;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull()) continue;
        if (seen.contains(letter)) shared << QString("%1: %2, %3").arg(letter).arg(seen[letter], text);
        else seen[letter] = text;
    }
    return shared;
}

bool Scrolled(QWidget* widget) {
    for (QWidget* p = widget->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p)) return true;
    return false;
}

// What of `widget`'s text does not fit, when something does not.
QString Cut_Off(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->wordWrap()) return {};
        return label->width() < label->minimumSizeHint().width() ? label->text() : QString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || qobject_cast<QToolButton*>(button)) return {};
        return button->width() < button->minimumSizeHint().width() ? button->text() : QString();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        const int title = box->fontMetrics().horizontalAdvance(box->title()) + 2 * box->fontMetrics().averageCharWidth();
        return box->width() < title ? box->title() : QString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > room.width()) return combo->itemText(i);
        return {};
    }
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabRect(i).width() < tabs->fontMetrics().horizontalAdvance(QString(tabs->tabText(i)).remove('&')))
                return tabs->tabText(i);
        return {};
    }
    if (auto* header = qobject_cast<QHeaderView*>(widget)) {
        if (header->orientation() != Qt::Horizontal || !header->model()) return {};
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0) continue;
            const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
            const QVariant font = header->model()->headerData(i, Qt::Horizontal, Qt::FontRole);
            const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : header->font());
            for (const QString& line : title.split('\n'))
                if (metrics.horizontalAdvance(line) > header->sectionSize(i)) return title;
        }
        return {};
    }
    return {};
}

}  // namespace

class Window_Layout_Test : public QObject {
    Q_OBJECT

    QRect screen;

private slots:
    void initTestCase() {
        const QString language = qEnvironmentVariable("BULLQUEST_TEST_LANGUAGE", "en");
        QCOMPARE(Use_Language(language), language);
        screen = QGuiApplication::primaryScreen()->availableGeometry();
        // The run is set up as a 1920x1080 screen at twice the scale.
        QCOMPARE(screen.size(), QSize(960, 540));
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }

    void everyWindowFitsTheScreenCentredOnTheMainWindow() {
        QRect main;
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            const QRect at = window->geometry();
            QVERIFY2(screen.contains(at), qPrintable(QString("%1: %2,%3 %4x%5").arg(name).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())));
            QVERIFY2(at.height() + Title_Bar <= screen.height(),
                     qPrintable(QString("%1: %2x%3").arg(name).arg(at.width()).arg(at.height())));
            if (name == "main") {
                main = at;
                QVERIFY(std::abs(at.center().x() - screen.center().x()) <= 2);
            }
            if (name == "start") {
                // Below the main window's menus, which the player may want first.
                QVERIFY(at.top() >= Global(Child<QToolBar>(window->parentWidget(), "toolbar")).bottom());
            }
            if (name != "main" && name != "portfolio" && name != "news" && name != "start" && main.isValid()) {
                const bool at_edge = at.top() == screen.top() || at.bottom() == screen.bottom();
                QVERIFY2(std::abs(at.center().x() - main.center().x()) <= 2, qPrintable(name));
                QVERIFY2(at_edge || std::abs(at.center().y() - main.center().y()) <= 2, qPrintable(name));
            }
            if (Fixed.contains(name)) {
                QVERIFY2(window->minimumSize() == window->maximumSize(), qPrintable(name));
                QFont bold = QApplication::font();
                bold.setBold(true);
                QVERIFY2(window->width() >= QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 100,
                         qPrintable(name + ": " + window->windowTitle()));
            }
        });
    }

    void everyTextIsShownWhole() {
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window)) continue;
                if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
                    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                    QVERIFY2(label->height() >= needed, qPrintable(name + ": clipped: " + label->text()));
                    // What scrolls may lie beyond the window's edge.
                    if (!Scrolled(label))
                        QVERIFY2(window->rect().contains(QRect(label->mapTo(window, QPoint(0, 0)), label->size())),
                                 qPrintable(name + ": outside the window: " + label->text()));
                }
                const QString cut = Cut_Off(widget);
                QVERIFY2(cut.isEmpty(), qPrintable(QString("%1: %2 \"%3\" is cut off").arg(name, widget->metaObject()->className(), cut)));
            }
        });
    }

    void mnemonicsAreDistinct() {
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            QStringList controls;
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                if (b->isVisibleTo(window) && b->window() == window) controls << b->text();
            for (QLabel* l : window->findChildren<QLabel*>())
                if (l->buddy() && l->isVisibleTo(window) && l->window() == window) controls << l->text();
            for (QTabBar* bar : window->findChildren<QTabBar*>())
                if (bar->isVisibleTo(window))
                    for (int i = 0; i < bar->count(); ++i) controls << bar->tabText(i);
            if (auto* main = qobject_cast<QMainWindow*>(window)) {
                for (QAction* menu : main->menuBar()->actions()) {
                    controls << menu->text();
                    QStringList items;
                    for (QAction* item : menu->menu()->actions())
                        if (item->isVisible() && !item->isSeparator()) items << item->text();
                    QStringList shared = Shared_Mnemonics(items);
                    // The Game menu's C is Commissions and Fees and Computer's Portfolio in English.
                    if (Mnemonic(menu->text()) == 'g' && shared.size() == 1 && shared[0].startsWith("c: &Commissions")) shared.clear();
                    QVERIFY2(shared.isEmpty(), qPrintable(name + ": " + menu->text() + ": " + shared.join("; ")));
                }
            }
            const QStringList shared = Shared_Mnemonics(controls);
            QVERIFY2(shared.isEmpty(), qPrintable(name + ": " + shared.join("; ")));
        });
    }

    void everyFrameAWindowManagerGivesIsFittedIntoTheScreen() {
        // The frames of window managers at twice the scale (in the screen's points): thin borders
        // under a title bar of 20 pixels, one of 56 (a larger title font), borders of 8 all round.
        const QList<QMargins> frames = {{1, 10, 1, 3}, {1, 28, 1, 3}, {4, 24, 4, 4}};
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            const QRect opened = window->geometry();
            for (const QMargins& frame : frames) {
                window->setGeometry(opened);
                Fit_Frame_Inside(window, frame);
                const QRect at = window->geometry();
                const QString seen = QString("%1 in a frame of %2,%3,%4,%5: %6,%7 %8x%9")
                                         .arg(name).arg(frame.left()).arg(frame.top()).arg(frame.right())
                                         .arg(frame.bottom()).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
                QVERIFY2(screen.contains(at.marginsAdded(frame)), qPrintable(seen));
                // Smaller only where the frame leaves no room for the size it opened at.
                if (opened.height() + frame.top() + frame.bottom() <= screen.height() &&
                    opened.width() + frame.left() + frame.right() <= screen.width())
                    QVERIFY2(at.size() == opened.size(), qPrintable(seen));
            }
            window->setGeometry(opened);
        });
    }

    void sizesStayWhatTheyWere() {
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            if (name == "main") {
                // The time bar appears without the window growing.
                const QSize hint = window->sizeHint(), least = window->minimumSizeHint();
                auto* time_label = Child<QLabel>(window, "time_label");
                auto* time_status = Child<QProgressBar>(window, "time_status");
                time_label->show();
                time_status->show();
                QCOMPARE(window->sizeHint(), hint);
                QCOMPARE(window->minimumSizeHint(), least);
                time_label->hide();
                time_status->hide();
            }
            if (name == "setup") {
                // "Random" takes the sliders' place, and as much room.
                auto* random = Child<QCheckBox>(window, "random_news");
                const QSize before = window->layout()->totalSizeHint();
                random->click();
                QCOMPARE(window->layout()->totalSizeHint(), before);
                for (QAbstractSlider* slider : window->findChildren<QAbstractSlider*>()) QVERIFY(!slider->isVisible());
                random->click();
            }
        });
    }

    void tabVisitsEveryControlInReadingOrder() {
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            if (name == "help_viewer") return;  // Tab walks the document's links there
            const QList<QWidget*> round = Tab_Round(window);
            QVERIFY2(!round.isEmpty(), qPrintable(name));
            for (QWidget* control : window->findChildren<QWidget*>())
                if (Is_Control(control) && control->isVisibleTo(window) && control->isEnabled() &&
                    (control->focusPolicy() & Qt::TabFocus))
                    QVERIFY2(round.contains(Control_Of(control)), qPrintable(name + ": Tab misses " + control->metaObject()->className() +
                                                                 " " + control->objectName()));
            // Every stop shows that it has the focus: a control that draws its focus, not a view
            // or pane that takes it unseen.
            for (QWidget* stop : round)
                QVERIFY2(qobject_cast<QAbstractButton*>(stop) || qobject_cast<QLineEdit*>(stop) ||
                             qobject_cast<QAbstractSpinBox*>(stop) || qobject_cast<QComboBox*>(stop) ||
                             qobject_cast<QAbstractSlider*>(stop) || qobject_cast<QAbstractItemView*>(stop) ||
                             qobject_cast<QTabBar*>(stop),
                         qPrintable(name + ": Tab stops unseen on " + stop->metaObject()->className() + " " + stop->objectName()));
            for (int i = 1; i < round.size(); ++i) {
                const QRect a(round[i - 1]->mapTo(window, QPoint(0, 0)), round[i - 1]->size());
                const QRect b(round[i]->mapTo(window, QPoint(0, 0)), round[i]->size());
                QVERIFY2(Reads_After(a, b), qPrintable(QString("%1: %2 after %3").arg(name, round[i]->metaObject()->className(),
                                                                                      round[i - 1]->metaObject()->className())));
            }
        });
    }
};

QTEST_MAIN(Window_Layout_Test)
#include "window_layout_test.moc"
