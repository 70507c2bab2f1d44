#include "desktop/parts/accessible_text.h"

#include <cmath>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <QTableWidget>

#include "engine/model/change_label.h"
#include "engine/model/numbers.h"
#include "desktop/parts/engine_text.h"

namespace {
QString Figure(double x) { return QString::fromStdString(Add_Commas(Number_Text(x))); }

QString Unchanged() { return QCoreApplication::translate("Accessible_Text", "unchanged"); }

// The share in a change text, "10(6%)" or "(-1.5%)": the number between its brackets.
double Percent_In(const std::string& text) {
    const std::size_t open = text.find('(');
    return open == std::string::npos ? 0 : Leading_Number(text.substr(open + 1));
}
}  // namespace

// A reader's list, its parts told apart by commas, so each part is worded on its own.
QString Quote_Phrase(const std::string& symbol, double price, const Change_Label& change) {
    const QString dollars = price == 1 ? QCoreApplication::translate("Accessible_Text", "%1 dollar")
                                       : QCoreApplication::translate("Accessible_Text", "%1 dollars");
    const QString phrase = QString::fromStdString(symbol) + ", " + dollars.arg(Figure(price)) + ", ";
    const std::string& text = change.Text();
    if (text.find('(') == std::string::npos) return phrase + Engine_Text(text);
    const double move = change.Leading();
    if (move == 0) return phrase + Unchanged();
    // The board's share has no sign: the move says which way it went.
    const QString way = move > 0 ? QCoreApplication::translate("Accessible_Text", "up %1")
                                 : QCoreApplication::translate("Accessible_Text", "down %1");
    return phrase + way.arg(Figure(std::fabs(move))) + ", " +
           QCoreApplication::translate("Accessible_Text", "%1 percent").arg(Figure(Percent_In(text)));
}

QString Index_Phrase(double value, const std::string& change) {
    const double percent = Percent_In(change);
    QString move = Unchanged();
    if (percent != 0)
        move = (percent > 0 ? QCoreApplication::translate("Accessible_Text", "up %1 percent")
                            : QCoreApplication::translate("Accessible_Text", "down %1 percent"))
                   .arg(Figure(std::fabs(percent)));
    return QCoreApplication::translate("Accessible_Text", "Market Index") + ", " + Figure(value) + ", " + move;
}

QString Cell_Phrase(const QString& column, const QString& text) {
    return text.isEmpty() ? QString() : column + ": " + text;
}

QString Tool_Tip(const QString& words) {
    // Qt wraps a tool tip only when it is rich text.
    return "<p>" + words.toHtmlEscaped().replace('\n', "<br>") + "</p>";
}

void Explain(QWidget* control, const QString& tip) {
    control->setToolTip(Tool_Tip(tip));
    control->setAccessibleDescription(tip);
}

void Explain(QWidget* control, const QString& name, const QString& tip) {
    control->setAccessibleName(name);
    Explain(control, tip);
}

void Explain(QAction* action, const QString& tip) {
    action->setToolTip(Tool_Tip(tip));
    // The buttons that show the action read its words, not the tool tip's markup.
    for (QObject* shown : action->associatedObjects())
        if (auto* button = qobject_cast<QAbstractButton*>(shown))
            button->setAccessibleDescription(tip);
}

void Show_Figure(QLabel* label, const QString& what, const QString& text, const QString& unit) {
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? what : what + ": " + text + (unit.isEmpty() ? "" : " " + unit));
}

void Read_Message(QWidget* window) {
    QStringList text;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* frame = qobject_cast<QGroupBox*>(w)) text << QString(frame->title()).remove('&');
        if (auto* label = qobject_cast<QLabel*>(w)) text << label->text();
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) text << list->item(i)->text();
    }
    text.removeAll(QString());
    window->setAccessibleDescription(text.join(' '));
}

void Explain_Columns(QTableWidget* grid, const QStringList& tips) {
    for (int c = 0; c < grid->columnCount() && c < tips.size(); ++c) {
        QTableWidgetItem* header = grid->horizontalHeaderItem(c);
        if (!header) grid->setHorizontalHeaderItem(c, header = new QTableWidgetItem);
        header->setToolTip(Tool_Tip(tips[c]));
        header->setData(Qt::AccessibleDescriptionRole, tips[c]);
    }
}
