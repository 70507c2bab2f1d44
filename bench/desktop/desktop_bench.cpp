// The desktop game's speed and memory, run offscreen by scripts/bench:
//   bullquest_desktop_bench --startup DIR   time from process start to the start window shown
//   bullquest_desktop_bench DIR             END TURN until repainted, and memory over 10,000 turns
//   bullquest_desktop_bench --language de DIR   the same with the windows in that language
// Every modal window is answered at once by its default button, as a player who never
// hesitates; the windows are the game's own, reused from turn to turn.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "../busy_game.h"
#include "engine/model/game.h"
#include "engine/history/history.h"
#include "desktop/history/history_window.h"
#include "engine/model/random.h"
#include "desktop/main/main_window.h"
#include "desktop/main/start_window.h"
#include "desktop/parts/language.h"

namespace {

// Seconds since this process was started by the kernel, loading of the libraries included.
double Seconds_Since_Process_Start() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) rest >> field;  // field 22: start time in clock ticks after boot
    const double started = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - started;
}

double Resident_MB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Peak_MB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Clicks the default button of every modal window as soon as it is shown.
class Instant_Answers : public QObject {
public:
    int answered = 0;
    int games_over = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->windowModality() != Qt::NonModal) {
            QTimer::singleShot(0, dialog, [this, dialog] {
                if (!dialog->isVisible()) return;
                ++answered;
                if (dialog->windowTitle() == "Game over!") ++games_over;
                for (QPushButton* b : dialog->findChildren<QPushButton*>())
                    if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                        b->click();
                        return;
                    }
                dialog->hide();
            });
        }
        return false;
    }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// The start window is shown from the event loop once the main window is up.
bool Start_Window_Shown(Main_Window& window) {
    for (int spins = 0; !window.findChild<Start_Window*>("start")->isVisible() && spins < 100000; ++spins)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return QTest::qWaitForWindowExposed(window.findChild<Start_Window*>("start"));
}

int Startup(Main_Window& window, const std::string& dir) {
    if (!window.Start_Up(dir)) return 1;
    window.show();
    if (!Start_Window_Shown(window)) return 1;
    std::printf("start-up to the start window:  %.0f ms\n", 1000.0 * Seconds_Since_Process_Start());
    return 0;
}

int Turns(Main_Window& window, Game& game, const std::string& dir) {
    Instant_Answers answers;
    qApp->installEventFilter(&answers);
    if (!window.Start_Up(dir)) return 1;
    window.show();
    if (!Start_Window_Shown(window)) return 1;
    QAbstractButton* start = nullptr;
    for (QAbstractButton* b : window.findChild<Start_Window*>("start")->findChildren<QAbstractButton*>())
        if (b->text() == "Start &New Game") start = b;
    if (!start) return 1;
    start->click();  // the setup window's Go! is its default button
    // A long game in full swing: the farthest goal, every option and the busiest news.
    game.Setup.Play_To = 3;
    game.Setup.Options = game.Setup.Short = 1;
    game.Setup.Frequency_Slider = game.Setup.Power_Slider = game.Setup.Earnings_Slider = 10;
    Fill_Portfolios(game);
    window.Repaint();

    QPushButton* end_turn_button = window.findChild<QPushButton*>("end_turn_button");
    auto end_turn = [&] {
        const auto t0 = std::chrono::steady_clock::now();
        end_turn_button->click();
        window.repaint();
        QApplication::processEvents();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    };
    // Timed over the first 400 turns. The opponent, trading options on the busiest news, tends
    // to reach even the farthest goal within a hundred turns; the games that follow (each a
    // game-over, winners and setup window, then a new market) are part of the sample.
    std::vector<double> times;
    for (int t = 0; t < 400; ++t) times.push_back(end_turn());
    const std::string timed_to = game.Turn_Number.Text();
    // The same with the History window open beside the main window: its chart and journal
    // follow every turn, timed with its repaint.
    window.findChild<QAction*>("history_menu")->trigger();
    auto* history = window.findChild<History_Window*>();
    if (!history || !history->isVisible()) return 1;
    auto end_turn_with_history = [&] {
        const auto t0 = std::chrono::steady_clock::now();
        end_turn_button->click();
        window.repaint();
        history->repaint();
        QApplication::processEvents();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    };
    std::vector<double> with_history;
    for (int t = 400; t < 600; ++t) with_history.push_back(end_turn_with_history());
    history->hide();
    for (int t = 600; t < 1000; ++t) end_turn();
    const double resident_1000 = Resident_MB();
    const double peak_1000 = Peak_MB();
    for (int t = 1000; t < 10000; ++t) end_turn();
    const double resident_10000 = Resident_MB();

    // And in a game of 100,000 turns, its record full: the game moved on to that turn and the
    // record filled with the turns it would hold.
    const Long from = static_cast<Long>(game.Turn_Number.Value()) + 100000;
    auto& record = game.History->Points;
    record.clear();
    for (Long t = from - static_cast<Long>(History_Turns_Kept) + 1; t <= from; ++t)
        record.push_back({t, 1e6 + 40.0 * static_cast<double>(t % 1000), 5e5 + 90.0 * static_cast<double>(t % 3000),
                          3000, t % 977 == 0, t % 100 == 0});
    game.Turn_Number.Set(static_cast<double>(from));
    Move_Dates_On(game, 100000);
    // The computer starts over with $5,000, so that it cannot reach the goal within the 50 turns.
    game.Computer_Stock = {};
    game.Computer_Short = {};
    game.Computer_Option = {};
    game.C_Portfolio.Cash.Set(5000);
    history->Open();
    std::vector<double> with_long_history;
    for (int t = 0; t < 50; ++t) with_long_history.push_back(end_turn_with_history());
    const std::string long_to = game.Turn_Number.Text();
    history->hide();

    std::printf("END TURN until repainted:      median %.2f ms, 90th percentile %.2f ms (400 turns, to turn %s)\n",
                Median(times), Percentile(times, 0.9), timed_to.c_str());
    std::printf("the same, History window open:  median %.2f ms, 90th percentile %.2f ms (200 turns)\n",
                Median(with_history), Percentile(with_history, 0.9));
    std::printf("and with a 100,000-turn record: median %.2f ms, 90th percentile %.2f ms (50 turns, to turn %s)\n",
                Median(with_long_history), Percentile(with_long_history, 0.9), long_to.c_str());
    std::printf("peak memory after 1,000 turns: %.1f MB\n", peak_1000);
    std::printf("resident at turn 1,000:        %.1f MB\n", resident_1000);
    std::printf("resident at turn 10,000:       %.1f MB (%+.1f%%)\n", resident_10000,
                100.0 * (resident_10000 - resident_1000) / resident_1000);
    std::printf("modal windows answered:        %d, games over %d\n", answers.answered, answers.games_over);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() > 2 && args[0] == "--language") {
        Use_Language(QString::fromStdString(args[1]));
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        std::fprintf(stderr, "usage: bullquest_desktop_bench [--language CODE] [--startup] DATA_DIR\n");
        return 2;
    }
    Game game;
    Random rnd(11);
    Main_Window window(game, rnd);
    if (args[0] == "--startup" && args.size() == 2) return Startup(window, args[1]);
    return Turns(window, game, args[0]);
}
