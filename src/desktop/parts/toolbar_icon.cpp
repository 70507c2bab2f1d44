#include "desktop/parts/toolbar_icon.h"

#include <QImage>
#include <QPixmap>

#include "desktop/parts/colours.h"

QIcon Toolbar_Icon(const QString& name, const QPalette& palette) {
    QIcon icon;
    for (const QString& size : {QString(), QString("@2x")}) {
        QImage picture(":/icons/" + name + size + ".png");
        if (Is_Dark(palette)) {
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            const QColor window = palette.color(QPalette::Window);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    QColor c = picture.pixelColor(x, y);
                    if (c.alpha() == 0) continue;
                    const int alpha = c.alpha();
                    c = Nearest_Readable(c, window, 3.0);
                    c.setAlpha(alpha);
                    picture.setPixelColor(x, y, c);
                }
        }
        QPixmap pixmap = QPixmap::fromImage(picture);
        if (!size.isEmpty()) pixmap.setDevicePixelRatio(2);
        icon.addPixmap(pixmap);
    }
    return icon;
}
