#include "desktop/messages/about_window.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "bullquest_version.h"
#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"

QPixmap Bullquest_Picture(int width, int height) {
    const Picture_Colours colours = Picture_Palette();
    // Drawn at the screen's scale, so it stays sharp on a scaled desktop.
    const qreal scale = qApp->devicePixelRatio();
    QPixmap picture(QSize(width, height) * scale);
    picture.setDevicePixelRatio(scale);
    const QRect area(0, 0, width, height);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, colours.sky_top);
    sky.setColorAt(1, colours.sky_bottom);
    p.fillRect(area, sky);
    // A rising market line over a faint grid.
    p.setPen(QPen(colours.grid, 1));
    for (int x = 0; x < width; x += width / 8) p.drawLine(x, 0, x, height);
    for (int y = 0; y < height; y += height / 5) p.drawLine(0, y, width, y);
    const double points[] = {0.85, 0.75, 0.8, 0.6, 0.65, 0.45, 0.5, 0.3, 0.35, 0.15};
    QPainterPath line;
    for (int i = 0; i < 10; ++i) {
        QPointF point(width * (0.05 + 0.1 * i), height * points[i]);
        if (i == 0) line.moveTo(point);
        else line.lineTo(point);
    }
    p.setPen(QPen(colours.line, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    QFont title("Serif");
    title.setBold(true);
    title.setPixelSize(height / 4);
    p.setFont(title);
    p.setPen(colours.title_shadow);
    p.drawText(area.translated(3, 3), Qt::AlignCenter, "Bullquest");
    p.setPen(colours.title);
    p.drawText(area, Qt::AlignCenter, "Bullquest");
    return picture;
}

About_Window::About_Window(Game_Session& session, QWidget* parent) : Game_Dialog(session, parent) {
    setWindowTitle(tr("About This App"));
    auto* layout = new QVBoxLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setPixmap(Bullquest_Picture(320, 160));
    Image1->setAccessibleName("Bullquest");
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Version %1").arg(Bullquest_Version), this), 0, Qt::AlignHCenter);
    Add_Answer_Button(layout, tr("OK"));
    Read_Message(this);
    Keep_Fixed_Size();
}

void About_Window::Run() { exec(); }
