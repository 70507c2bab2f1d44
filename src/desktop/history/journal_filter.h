#pragma once
#include <QSortFilterProxyModel>
#include <QString>

// The journal's filter: by who traded and by the stock, as the record names them ("You",
// "Computer", "MSFT") whatever the language the journal is shown in.
class Journal_Filter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Set_Who(const QString& who);        // "" for both
    void Set_Symbol(const QString& symbol);  // "" for every stock

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString who, symbol;
};
