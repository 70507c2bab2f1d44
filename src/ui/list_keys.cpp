#include "ui/list_keys.h"

#include <QKeyEvent>
#include <QWidget>

List_Keys::List_Keys(QWidget* list) : QObject(list) { list->installEventFilter(this); }

bool List_Keys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            break;
    }
    if (event->type() == QEvent::KeyPress)
        locked = true;
    else if (!key->isAutoRepeat())
        locked = false;
    return true;
}
