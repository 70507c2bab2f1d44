#include "ui/list_keys.h"

#include <QKeyEvent>
#include <QWidget>

List_Keys::List_Keys(QWidget* list) : QObject(list) { list->installEventFilter(this); }

bool List_Keys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Focus still moves on with Tab.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    if (event->type() == QEvent::KeyPress)
        locked = true;
    else if (!key->isAutoRepeat())
        locked = false;
    return true;
}
