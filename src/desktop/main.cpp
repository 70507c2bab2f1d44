// The desktop game: `bullquest [--seed N] [--data-dir DIR]`, and Qt's own options.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "bullquest_version.h"
#include "engine/flows/command_line.h"
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "engine/storage/player_settings.h"
#include "desktop/main/main_window.h"
#include "desktop/parts/language.h"
#include "desktop/parts/window_place.h"

int main(int argc, char* argv[]) {
    // The options are read before the application object opens a display, so that --help,
    // --version and a mistake are answered on a console without one.
    const Program_Options& program = Desktop_Options();
    Command_Line line = Parse_Command_Line(program, std::vector<std::string>(argv + 1, argv + argc));
    if (line.action != Command_Line::Action::Run) return Answer_Command_Line(program, line, std::cout, std::cerr);

    // Under a file-size limit a write then fails, and the game says so, instead of the
    // signal ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    // The application name names the data folder (~/.local/share/bullquest); the desktop file
    // name, the application id, lets the window manager match the window to its menu entry.
    // There is no display name: the platform would append it to every window's title.
    QApplication::setApplicationName("bullquest");
    QApplication::setApplicationVersion(Bullquest_Version);
    QGuiApplication::setDesktopFileName("org.bullquest.Bullquest");

    std::uint32_t seed = line.seed.value_or(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    QString data_dir = line.data_dir ? QString::fromStdString(*line.data_dir)
                                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data_dir);
    // The language is chosen before the first window; a settings file that cannot be read
    // leaves the desktop's own.
    const auto settings = Read_Player_Settings(QDir(data_dir).absolutePath().toStdString());
    Use_Language(Language_Code(settings ? settings->Language : Language_Choice::Desktop));

    Game game;
    Random rnd(seed);
    Main_Window window(game, rnd);
    if (!window.Start_Up(QDir(data_dir).absolutePath().toStdString())) return 1;
    Centre_On_Screen(&window);
    window.show();
    return app.exec();
}
