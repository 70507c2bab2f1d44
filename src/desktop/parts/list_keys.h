#pragma once
// A list that keys cannot move: the player chooses a stock with the mouse. Tab and Shift+Tab
// still move the focus on, and Enter and Escape still answer the window.
#include <QObject>

class QWidget;

class List_Keys : public QObject {
    Q_OBJECT
public:
    explicit List_Keys(QWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
