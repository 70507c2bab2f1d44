// Every window as a screen reader meets it, through Qt's accessibility tree alone: each control
// has a name that says what it is, a figure says what it counts, a grid cell reads its column, a
// message window reads its text; and what the mouse can reach explains itself in a tool tip.
#include <QAccessible>
#include <QAccessibleTableCellInterface>

#include "engine/model/change_label.h"
#include "engine/model/game.h"
#include "engine/model/numbers.h"
#include "window_checks.h"
#include "desktop/parts/accessible_text.h"

namespace {

// A figure with nothing beside it saying what it is: "178", "10(6%)", "$1,234".
bool Bare_Figure(const QString& text) {
    static const QRegularExpression digit("\\d"), word("[A-Za-z]{3,}");
    return text.contains(digit) && !text.contains(word);
}

// What the mouse can reach and a player may wonder about: every kind of control, a label that
// acts as a button, and a figure. Scroll bars and plain captions explain themselves.
bool Wants_A_Tip(QWidget* w) {
    if (qobject_cast<QScrollBar*>(w) || qobject_cast<QTabBar*>(w)) return false;
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->cursor().shape() == Qt::PointingHandCursor || Bare_Figure(label->text());
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QProgressBar*>(w) ||
           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTextEdit*>(w);
}

// Every number of a text, grouping dropped: "-7(14.6%)" holds 7 and 14.6.
QStringList Numbers_In(const QString& text) {
    static const QRegularExpression number(R"(\d[\d,]*(\.\d+)?)");
    QStringList numbers;
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) numbers << m.captured().remove(',');
    return numbers;
}

// What a reader says of a control: the captions it is labelled by, then its own name (on Linux
// a list's name is its current entry, and its caption comes as a label).
QString Reading(QAccessibleInterface* node) {
    QStringList said;
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        if (label) said << label->text(QAccessible::Name);
    said << node->text(QAccessible::Name);
    return said.join(' ').trimmed();
}

class Reader {
public:
    explicit Reader(QString window) : window(std::move(window)) {}
    QStringList faults;

    void Read(QAccessibleInterface* node, const QString& path) {
        if (!node || !node->isValid() || node->state().invisible) return;
        const QString name = node->text(QAccessible::Name), reading = Reading(node);
        const QString here = path + "/" + Describe(node, name);
        auto* w = qobject_cast<QWidget*>(node->object());
        QAccessibleTableCellInterface* cell = node->tableCellInterface();
        if (cell) Read_Cell(cell, name, here);
        if (!cell && node->state().focusable && reading.isEmpty()) Fault(here, "a control without a name");
        if (Bare_Figure(reading)) Fault(here, "a figure without what it is");
        if (qobject_cast<QComboBox*>(w) && node->relations(QAccessible::Label).isEmpty())
            Fault(here, "a list without a caption to read with it");
        if (auto* label = qobject_cast<QLabel*>(w); label && Bare_Figure(label->text())) {
            const QString said = QString(name).remove(',');
            for (const QString& number : Numbers_In(label->text()))
                if (!said.contains(number)) Fault(here, "a name that lags behind the figure shown, " + label->text());
        }
        if (node->role() == QAccessible::ListItem && name.isEmpty()) Fault(here, "a list line without a name");
        if (node->text(QAccessible::Description).contains('<')) Fault(here, "a description with markup");
        if (node->role() == QAccessible::ColumnHeader && node->text(QAccessible::Description).isEmpty())
            Fault(here, "a column header without a description");
        if (w && w->isVisible() && Wants_A_Tip(w) && w->toolTip().isEmpty())
            Fault(here, "no tool tip");
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int t = 0; t < tabs->count(); ++t)
                if (tabs->tabToolTip(t).isEmpty()) Fault(here, "a tab without a tool tip: " + tabs->tabText(t));
        if (auto* view = qobject_cast<QTableView*>(w); view && view->horizontalHeader()->isVisible())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                if (view->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
                    Fault(here, "a column header without a tool tip, column " + QString::number(c));
        for (int i = 0; i < node->childCount(); ++i) Read(node->child(i), here);
    }

private:
    void Read_Cell(QAccessibleTableCellInterface* cell, const QString& name, const QString& here) {
        const QModelIndex index = Model_Index(cell);
        const QString shown = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
        if (shown.isEmpty()) return;  // a padded row: nothing to read
        if (name.isEmpty()) Fault(here, "a cell without a name");
        const QList<QAccessibleInterface*> headers = cell->columnHeaderCells();
        auto* view = qobject_cast<QTableView*>(cell->table()->object());
        if (view && view->horizontalHeader()->isVisible() && !headers.isEmpty()) {
            const QString column = headers.front()->text(QAccessible::Name);
            if (!name.startsWith(column + ": ") || !name.contains(shown))
                Fault(here, "a cell that does not read its column: " + name);
        }
    }

    static QModelIndex Model_Index(QAccessibleTableCellInterface* cell) {
        auto* view = qobject_cast<QAbstractItemView*>(cell->table()->object());
        return view ? view->model()->index(cell->rowIndex(), cell->columnIndex()) : QModelIndex();
    }

    static QString Describe(QAccessibleInterface* node, const QString& name) {
        const QObject* o = node->object();
        const QString id = o && !o->objectName().isEmpty() ? o->objectName() : o ? QString(o->metaObject()->className()) : "item";
        return id + "[" + name.left(40) + "]";
    }

    void Fault(const QString& where, const QString& what) { faults << window + ": " + what + " at " + where; }

    QString window;
};

QStringList Faults_In(const QString& name, QWidget* window) {
    Reader reader(name);
    reader.Read(QAccessible::queryAccessibleInterface(window), "");
    return reader.faults;
}

// The windows that tell the player something and wait for an answer.
const QStringList Message_Windows = {"tax", "alert", "confirmation", "commissions", "about", "game_over"};

}  // namespace

class Accessibility_Test : public QObject {
    Q_OBJECT

private slots:
    void everyWindowReadsWell() {
        QStringList faults;
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            faults << Faults_In(name, window);
            QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
            if (Message_Windows.contains(name)) {
                const QString read = top->text(QAccessible::Description);
                for (QLabel* label : window->findChildren<QLabel*>())
                    if (label->isVisible() && !label->text().isEmpty() && !read.contains(label->text()))
                        faults << name + ": the window does not read " + label->text();
            }
        });
        for (const QString& fault : faults) qInfo().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + " faults"));
    }

    // The reader above does find what is missing: a window of every kind of fault.
    void theReaderFindsWhatIsMissing() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* figure = new QLabel("178", &window);
        auto* list = new QComboBox(&window);
        list->addItem("MSFT");
        auto* grid = new QTableWidget(1, 1, &window);
        grid->setHorizontalHeaderLabels({"Shares Owned"});
        grid->setItem(0, 0, new QTableWidgetItem("300"));
        grid->verticalHeader()->hide();
        auto* arrow = new QToolButton(&window);
        arrow->setArrowType(Qt::UpArrow);
        for (QWidget* w : std::initializer_list<QWidget*>{figure, list, grid, arrow}) layout->addWidget(w);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString faults = Faults_In("test", &window).join('\n');
        for (const char* expected : {"a figure without what it is", "a list without a caption", "a control without a name", "no tool tip",
                                     "a cell that does not read its column", "a column header without a tool tip"})
            QVERIFY2(faults.contains(expected), expected);

        // Named and explained, the same window reads well.
        Show_Figure(figure, "Price", "178");
        Explain(figure, "The price this turn.");
        Explain(list, "The stock to trade.");
        auto* caption = new QLabel("Stock:", &window);
        caption->setBuddy(list);
        layout->addWidget(caption);
        Explain(grid, "Holdings", "What you hold.");
        Explain_Columns(grid, {"Shares you hold."});
        Explain(arrow, "Previous stock", "The stock before this one.");
        grid->item(0, 0)->setData(Qt::AccessibleTextRole, Cell_Phrase("Shares Owned", "300"));
        QVERIFY2(Faults_In("test", &window).isEmpty(), qPrintable(Faults_In("test", &window).join('\n')));
    }

    void theBoardsLineSaysPriceAndChange() {
        Change_Label up, down, still, crash("CRASH!"), loaded("-2.5(1.3%)");
        up.Set_Move(10, 6);
        down.Set_Move(-0.5, 2.8);
        QCOMPARE(Quote_Phrase("MSFT", 178, up), QString("MSFT, 178 dollars, up 10, 6 percent"));
        QCOMPARE(Quote_Phrase("IBM", 1, down), QString("IBM, 1 dollar, down 0.5, 2.8 percent"));
        QCOMPARE(Quote_Phrase("GE", 2500.5, still), QString("GE, 2,500.5 dollars, unchanged"));
        QCOMPARE(Quote_Phrase("GE", 12, crash), QString("GE, 12 dollars, CRASH!"));
        QCOMPARE(Quote_Phrase("GE", 12, loaded), QString("GE, 12 dollars, down 2.5, 1.3 percent"));
        QCOMPARE(Index_Phrase(10234, "(-1.5%)"), QString("Market Index, 10,234, down 1.5 percent"));
        QCOMPARE(Index_Phrase(10234, "(0%)"), QString("Market Index, 10,234, unchanged"));
        QCOMPARE(Cell_Phrase("Shares Owned", "300"), QString("Shares Owned: 300"));
        QCOMPARE(Cell_Phrase("Gain", ""), QString());
    }

    // The board as the reader meets it in a game: every stock's line follows what it shows.
    void theBoardReadsWhatItShows() {
        Every_Gallery_Window([&](const QString& name, QWidget* window) {
            if (name != "main") return;
            for (int s = 0; s < Stock_Count; ++s) {
                const QString symbol = Board_Label(window, "symbol", s)->text();
                const QString price = Board_Label(window, "price", s)->text();
                const QString change = Board_Label(window, "change", s)->text();
                for (const char* kind : {"symbol", "price", "change"}) {
                    const QString read = QAccessible::queryAccessibleInterface(Board_Label(window, kind, s))->text(QAccessible::Name);
                    QVERIFY2(read.startsWith(symbol + ", "), qPrintable(read));
                    const double shown_price = price.toDouble(), move = change.section('(', 0, 0).toDouble();
                    QVERIFY2(read.contains(QString::fromStdString(Add_Commas(Number_Text(shown_price))) + " dollar"), qPrintable(read));
                    if (change.contains('('))
                        QVERIFY2(read.contains(move > 0 ? ", up " : move < 0 ? ", down " : ", unchanged"), qPrintable(read + " / " + change));
                }
            }
        });
    }
};

QTEST_MAIN(Accessibility_Test)
#include "accessibility_test.moc"
