#include "desktop/parts/scroll_box.h"

#include <QScrollBar>

Scroll_Box::Scroll_Box(QWidget* contents, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(contents);
    // A pane shows no focus of its own: Tab goes on to the controls inside it.
    setFocusPolicy(Qt::NoFocus);
}

QSize Scroll_Box::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

QSize Scroll_Box::minimumSizeHint() const {
    // Room for the scroll bars and a little of what they scroll.
    const int bar = verticalScrollBar()->sizeHint().width();
    return {4 * bar, 4 * bar};
}
