#pragma once
// A scroll area that asks for the whole of what it holds, so it scrolls only on a screen too
// small to show all of it (the quotes board and the winners circle at a large scale).
#include <QScrollArea>

class Scroll_Box : public QScrollArea {
public:
    // Takes `contents` into the area.
    explicit Scroll_Box(QWidget* contents, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
