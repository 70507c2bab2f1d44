#include "ui/trade_look.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/colours.h"

void Set_Hover(QLabel* label, bool hovered) { Paint(label, Hover_Ink(hovered)); }

void Focus_Quantity(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Select_Quantity(QLineEdit* box) { box->selectAll(); }

QLabel* Make_Cash_After(QWidget* window) {
    auto* line = new QLabel(window);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance("Cash after: $-000,000,000,000,000"));
    line->setMinimumHeight(line->fontMetrics().height());
    return line;
}

void Show_Cash_After(QLabel* line, const std::string& caption) { line->setText(QString::fromStdString(caption)); }

QDialogButtonBox* Trade_Buttons(QWidget* window, QPushButton* trade, QPushButton* done, QPushButton* help) {
    auto* row = new QDialogButtonBox(window);
    row->addButton(trade, QDialogButtonBox::AcceptRole);
    row->addButton(done, QDialogButtonBox::RejectRole);
    row->addButton(help, QDialogButtonBox::HelpRole);
    trade->setDefault(true);
    return row;
}
