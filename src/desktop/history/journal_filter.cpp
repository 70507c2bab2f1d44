#include "desktop/history/journal_filter.h"

#include "desktop/history/journal_model.h"

void Journal_Filter::Set_Who(const QString& w) {
    who = w;
    invalidateFilter();
}

void Journal_Filter::Set_Symbol(const QString& s) {
    symbol = s;
    invalidateFilter();
}

bool Journal_Filter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QAbstractItemModel* m = sourceModel();
    const auto value = [&](int column) { return m->index(row, column, parent).data(Journal_Model::Value_Role).toString(); };
    return (who.isEmpty() || value(Journal_Model::Who) == who) &&
           (symbol.isEmpty() || value(Journal_Model::Symbol) == symbol);
}
