// bullquest-screenshots DIR: every window of the desktop game as a picture, once under a light
// and once under a dark palette, in DIR/light/NAME.png and DIR/dark/NAME.png. Needs no display
// (scripts/screenshots runs it offscreen on a 1920x1080 screen).
#include <iostream>

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>

#include "window_gallery.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: bullquest-screenshots DIR\n";
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool all = true;
    for (const QString& theme : {QString("light"), QString("dark")}) {
        QApplication::setPalette(theme == "light" ? Light_Palette() : Dark_Palette());
        if (!out.mkpath(theme)) {
            std::cerr << "cannot make " << out.filePath(theme).toStdString() << "\n";
            return 1;
        }
        QTemporaryDir data;
        QStringList saved;
        all = Show_Every_Window(data.path(), [&](const QString& name, QWidget* window) {
                  const QString file = out.filePath(theme + "/" + name + ".png");
                  if (window->grab().save(file)) saved << name;
              }) && all;
        for (const QString& name : Gallery_Names())
            if (!saved.contains(name)) {
                std::cerr << theme.toStdString() << ": no picture of " << name.toStdString() << "\n";
                all = false;
            }
        std::cout << theme.toStdString() << ": " << saved.size() << " pictures\n";
    }
    return all ? 0 : 1;
}
