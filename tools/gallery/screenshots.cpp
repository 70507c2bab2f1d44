// bullquest-screenshots [--lang CODE] DIR: every window of the desktop game as a picture, once under a light
// and once under a dark palette, in DIR/light/NAME.png and DIR/dark/NAME.png. Needs no display
// (scripts/screenshots runs it offscreen on a 1920x1080 screen). DIR/*/changes.png is the main
// window with the arrows and the colour-blind-safe colours on. --lang shows the windows in that
// language ("de"), as a player whose setting chose it sees them.
#include <iostream>

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>

#include "desktop/parts/language.h"
#include "window_gallery.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser line;
    const QCommandLineOption lang("lang", "The language of the windows (en, de).", "CODE", "en");
    line.addOption(lang);
    line.addPositionalArgument("DIR", "Where the pictures go.");
    line.process(app);
    const QString code = line.value(lang);
    if (line.positionalArguments().size() != 1 || !Game_Languages().contains(code)) {
        std::cerr << "usage: bullquest-screenshots [--lang " << Game_Languages().join("|").toStdString() << "] DIR\n";
        return 2;
    }
    if (Use_Language(code) != code) {
        std::cerr << "no translation for " << code.toStdString() << "\n";
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    const QDir out(line.positionalArguments().first());
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
                  if (name == "settings") {
                      // The main window behind it with arrows and the colour-blind-safe colours on,
                      // then off again for the windows still to come.
                      auto boxes = {window->findChild<QCheckBox*>("change_arrows"), window->findChild<QCheckBox*>("safe_colours")};
                      for (QCheckBox* box : boxes) box->click();
                      QApplication::processEvents();
                      if (!window->parentWidget()->window()->grab().save(out.filePath(theme + "/changes.png"))) all = false;
                      for (QCheckBox* box : boxes) box->click();
                  }
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
