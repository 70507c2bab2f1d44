#include "desktop/parts/list_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

List_Keys::List_Keys(QWidget* list) : QObject(list) { list->installEventFilter(this); }

bool List_Keys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return locked;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        default:
            return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            // Straight to the window, which presses its default button or Done: some desktops
            // would have the list open itself on Enter.
            if (event->type() == QEvent::KeyPress) QCoreApplication::sendEvent(static_cast<QWidget*>(watched)->window(), event);
            return true;
        default:
            return locked;
    }
}
