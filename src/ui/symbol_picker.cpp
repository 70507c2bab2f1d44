#include "ui/symbol_picker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/list_keys.h"

Symbol_Picker Make_Symbol_Picker(QWidget* owner, const Game& game, bool with_index) {
    Symbol_Picker picker{};
    QComboBox* list = new QComboBox(owner);
    list->setObjectName("symbol");
    for (const std::string& s : game.Symbol) list->addItem(QString::fromStdString(s));
    if (with_index) list->addItem("Index");
    new List_Keys(list);
    picker.list = list;
    picker.row = new QHBoxLayout;
    picker.row->addWidget(list);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
        picker.arrows[i] = new QToolButton(owner);
        picker.arrows[i]->setArrowType(i == 0 ? Qt::UpArrow : Qt::DownArrow);
        picker.arrows[i]->setObjectName(i == 0 ? "previous" : "next");
        picker.arrows[i]->setFixedSize(18, 12);
        arrows->addWidget(picker.arrows[i]);
    }
    picker.row->addLayout(arrows);
    QObject::connect(picker.arrows[0], &QToolButton::clicked, list, [list] {
        if (list->currentIndex() > 0) list->setCurrentIndex(list->currentIndex() - 1);
    });
    QObject::connect(picker.arrows[1], &QToolButton::clicked, list, [list] {
        if (list->currentIndex() < list->count() - 1) list->setCurrentIndex(list->currentIndex() + 1);
    });
    return picker;
}
