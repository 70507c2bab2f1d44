#include "desktop/parts/symbol_picker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/list_keys.h"

Symbol_Picker Make_Symbol_Picker(QWidget* owner, const Game& game, bool with_index) {
    Symbol_Picker picker{};
    QComboBox* list = new QComboBox(owner);
    list->setObjectName("symbol");
    for (const std::string& s : game.Symbol) list->addItem(QString::fromStdString(s));
    if (with_index) list->addItem(QCoreApplication::translate("Symbol_Picker", "Index"));
    new List_Keys(list);
    Explain(list, QCoreApplication::translate("Symbol_Picker", "Stock"),
            with_index ? QCoreApplication::translate("Symbol_Picker", "The stock to show, or the market index.")
                       : QCoreApplication::translate("Symbol_Picker", "The stock to show."));
    picker.list = list;
    picker.row = new QHBoxLayout;
    picker.row->addWidget(list);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    QToolButton* step[2];  // previous entry, next entry
    for (int i = 0; i < 2; ++i) {
        step[i] = new QToolButton(owner);
        step[i]->setArrowType(i == 0 ? Qt::UpArrow : Qt::DownArrow);
        step[i]->setObjectName(i == 0 ? "previous" : "next");
        step[i]->setFixedSize(18, 12);
        if (i == 0)
            Explain(step[i], QCoreApplication::translate("Symbol_Picker", "Previous stock"),
                    QCoreApplication::translate("Symbol_Picker", "The stock before this one in the list."));
        else
            Explain(step[i], QCoreApplication::translate("Symbol_Picker", "Next stock"),
                    QCoreApplication::translate("Symbol_Picker", "The stock after this one in the list."));
        arrows->addWidget(step[i]);
    }
    picker.row->addLayout(arrows);
    QObject::connect(step[0], &QToolButton::clicked, list, [list] {
        if (list->currentIndex() > 0) list->setCurrentIndex(list->currentIndex() - 1);
    });
    QObject::connect(step[1], &QToolButton::clicked, list, [list] {
        if (list->currentIndex() < list->count() - 1) list->setCurrentIndex(list->currentIndex() + 1);
    });
    return picker;
}
