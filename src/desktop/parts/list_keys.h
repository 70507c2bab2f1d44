#pragma once
// The keys of a window's lists: the arrows, Home, End, the page keys and type-ahead of a symbol
// move a list that has the focus, as every list of the desktop does; Enter and Escape answer the
// window instead of opening the list. While a key is held in a trade window's quantity box the
// list is locked, mouse and keys alike, so the stock cannot change under a quantity half typed.
#include <QObject>

class QWidget;

class List_Keys : public QObject {
    Q_OBJECT
public:
    explicit List_Keys(QWidget* list);
    void Set_Locked(bool locked) { this->locked = locked; }
    bool Locked() const { return locked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool locked = false;
};
