#include "ui/about_window.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "bullquest_version.h"

QPixmap Bullquest_Picture(int width, int height) {
    QPixmap picture(width, height);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(10, 30, 80));
    sky.setColorAt(1, QColor(20, 90, 60));
    p.fillRect(picture.rect(), sky);
    // A rising market line over a faint grid.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < width; x += width / 8) p.drawLine(x, 0, x, height);
    for (int y = 0; y < height; y += height / 5) p.drawLine(0, y, width, y);
    const double points[] = {0.85, 0.75, 0.8, 0.6, 0.65, 0.45, 0.5, 0.3, 0.35, 0.15};
    QPainterPath line;
    for (int i = 0; i < 10; ++i) {
        QPointF point(width * (0.05 + 0.1 * i), height * points[i]);
        if (i == 0) line.moveTo(point);
        else line.lineTo(point);
    }
    p.setPen(QPen(QColor(80, 255, 120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    QFont title("Serif");
    title.setBold(true);
    title.setPixelSize(height / 4);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(picture.rect().translated(3, 3), Qt::AlignCenter, "Bullquest");
    p.setPen(QColor(255, 215, 0));
    p.drawText(picture.rect(), Qt::AlignCenter, "Bullquest");
    return picture;
}

About_Window::About_Window(Game& game, QWidget* parent) : Game_Dialog(game, parent) {
    setWindowTitle("About This App");
    auto* layout = new QVBoxLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setPixmap(Bullquest_Picture(320, 160));
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(QString("Version ") + Bullquest_Version, this), 0, Qt::AlignHCenter);
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void About_Window::Run() { exec(); }
