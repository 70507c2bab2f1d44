// The desktop game: `bullquest [--seed N] [--data-dir DIR]`.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <string>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include "core/game.h"
#include "core/random.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    // Under a file-size limit a write then fails, and the game says so, instead of the
    // signal ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName("bullquest");
    QApplication::setApplicationDisplayName("Bullquest");
    QApplication::setApplicationVersion("1.0.4");

    QCommandLineParser parser;
    parser.setApplicationDescription("Bullquest, a stock-market game.");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption seed_option("seed", "Fixes the market's random generator.", "N");
    QCommandLineOption dir_option("data-dir", "Folder of Recent.txt, Winners.txt and Data2.txt.", "DIR");
    parser.addOption(seed_option);
    parser.addOption(dir_option);
    parser.process(app);

    std::uint32_t seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (parser.isSet(seed_option)) {
        bool ok = false;
        seed = parser.value(seed_option).toUInt(&ok);
        if (!ok) parser.showHelp(2);
    }
    QString data_dir = parser.isSet(dir_option)
                           ? parser.value(dir_option)
                           : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data_dir);

    Game game;
    Random rnd(seed);
    Main_Window window(game, rnd);
    if (!window.Form_Load(QDir(data_dir).absolutePath().toStdString())) return 1;
    window.show();
    return app.exec();
}
