// The desktop game and the console driver play the same busy seeded game: the desktop through
// its windows, the console through the commands a bot would send for the same trades. Every 100
// turns the main window's labels and grids must show exactly what the console's state holds.
#include <algorithm>
#include <map>
#include <sstream>

#include "cli/driver.h"
#include "engine/model/game.h"
#include "engine/model/random.h"
#include "desktop/trading/options_window.h"
#include "desktop/main/main_window.h"
#include "desktop/main/news_tab.h"
#include "desktop/main/portfolio_tab.h"
#include "desktop/main/quotes_board.h"
#include "desktop/main/start_window.h"
#include "window_checks.h"
#include "engine/trading/player_cash.h"
#include "engine/trading/portfolio.h"

namespace {

constexpr std::uint32_t Seed = 4242;
constexpr int Blocks = 20;
constexpr int Turns_Per_Block = 100;
constexpr int Turns_Before_Trades = 95;
// Shorts and options on, every news setting at 10, the $95,000 handicap; no time limit, so the
// clock never ends a turn of its own.
const char* const New_Game_Command = "new short=1 options=1 frequency=10 power=10 earnings=10 handicap=3";

// The new-game settings of New_Game_Command, set on the setup window's controls.
void Choose_Settings(QWidget* setup) {
    for (QCheckBox* box : setup->findChildren<QCheckBox*>()) box->setChecked(box->text().startsWith("Allow computer"));
    for (QSlider* slider : setup->findChildren<QSlider*>()) slider->setValue(10);
    for (QComboBox* list : setup->findChildren<QComboBox*>())
        if (list->findText("$95,000") >= 0) list->setCurrentIndex(list->findText("$95,000"));
}

// Answers every modal window a turn opens as a player who only wants to go on; the first
// setup window gets the game's settings. A trade window is left to the block's own actions.
bool Go_On(QWidget* w, bool& settings_chosen) {
    static const std::map<QString, QString> go_on = {
        {"Game over!", "&New Game"},          {"New Game Setup", "&Go!"},
        {"Uncle Sam!", "Oh My &God!"},        {"Option Expiration Warning!", "OK"},
        {"News Alert", "OK"},                 {"The Winners Circle", "&WOW!"}};
    const auto answer = go_on.find(w->windowTitle());
    if (answer == go_on.end()) return false;
    if (w->windowTitle() == "New Game Setup" && !settings_chosen) {
        Choose_Settings(w);
        settings_chosen = true;
    }
    QAbstractButton* b = Button(w, answer->second);
    if (!b || !b->isEnabled()) return false;
    b->click();
    return true;
}

// What the main window shows at the end of a block of turns, one text each: the turn, the money,
// the board and the data rows of the two grids.
QStringList Shown_Texts(const Main_Window& window) {
    QStringList texts;
    for (const char* name : {"turn_number", "cash_view", "net_worth", "index_change"}) texts << Child<QLabel>(&window, name)->text();
    for (int e = 0; e <= Index_Entry; ++e) texts << Board_Label(&window, "price", e)->text();
    for (int s = 0; s < Stock_Count; ++s) texts << Board_Label(&window, "change", s)->text();
    for (const auto& [name, columns] : {std::pair{"stock_grid", 5}, std::pair{"option_grid", 8}}) {
        const auto* grid = Child<Portfolio_Grid>(&window, name);
        for (int r = 1; grid->Title_Row_Fixed() && r < grid->Row_Count(); ++r)  // without one, only the titles
            for (int c = 0; c < columns; ++c) texts << QString::fromStdString(grid->Text(r, c));
    }
    return texts;
}

// The same texts as the console's game holds them.
QStringList Held_Texts(const Game& game) {
    std::vector<std::string> texts = {game.Turn_Number.Text(), Cash_View(game), game.Net_Worth.Text(), game.DJIA_Change};
    for (const Shown_Number& price : game.Price) texts.push_back(price.Text());
    for (const Change_Label& change : game.Change) texts.push_back(change.Text());
    for (const Stock_Row& row : Stock_Grid_Rows(game)) texts.insert(texts.end(), row.Cells.begin(), row.Cells.end());
    for (const Option_Row& row : Option_Grid_Rows(game)) texts.insert(texts.end(), row.Cells.begin(), row.Cells.end());
    QStringList held;
    for (const std::string& t : texts) held << QString::fromStdString(t);
    return held;
}
// The board's texts before the grids' rows.
constexpr qsizetype Board_Texts = 4 + Index_Entry + 1 + Stock_Count;

// The console's games at each `state` command.
class State_Keeper : public Console_Observer {
public:
    std::vector<Game> at_state;
    void After_Turn(const Game&) override {}
    void After_Command(const std::string& line, const Game&, const Game& after) override {
        if (line == "state") at_state.push_back(after);
    }
};

}  // namespace

class Window_And_Console_Test : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Opens a trade window with its button, lets `actions` trade in it, and closes it with Done.
    static void Trade_In(QPushButton* opener, std::function<void(QWidget*)> actions) {
        QTimer::singleShot(0, opener, [actions] {
            QWidget* w = QApplication::activeModalWidget();
            QVERIFY(w);
            const Closed_At_Exit closed{w};
            actions(w);
        });
        opener->click();
    }

private slots:
    void the_window_shows_what_the_console_holds() {
        Game game;
        Random rnd(Seed);
        Main_Window window(game, rnd);
        QVERIFY(window.Start_Up((dir.path() + "/desktop").toStdString()));
        window.show();
        QTRY_VERIFY(Child<Start_Window>(&window, "start")->isVisible());

        std::vector<std::string> commands{New_Game_Command, "alerts news=0 world=0"};
        std::vector<QStringList> shown;
        {
            bool settings_chosen = false;
            const Modal_Answers go_on([&](QWidget* w) { return Go_On(w, settings_chosen); });
            QAbstractButton* start = Button(Child<Start_Window>(&window, "start"), "Start &New Game");
            QVERIFY(start);
            start->click();
            Child<QCheckBox>(&window, "news_alert")->setChecked(false);
            Child<QCheckBox>(&window, "world_alert")->setChecked(false);
            for (int block = 0; block < Blocks; ++block) {
                // The trades come late in the block: a computer's win deals a new game, and
                // with it the player's holdings go.
                for (int t = 0; t < Turns_Before_Trades; ++t) Child<QPushButton>(&window, "end_turn_button")->click();
                commands.push_back("end " + std::to_string(Turns_Before_Trades));
                const int first = block * 7 % Stock_Count;
                // Each trade: its window's button, the choices made there, the stock after the
                // block's first, the quantity and the console's command.
                struct Trade {
                    const char* button;
                    std::vector<const char*> choices;
                    int stock;
                    const char* quantity;
                    std::string command;
                };
                const Trade trades[] = {{"buy_button", {}, 0, "10", "buy "},
                                        {"short_button", {"sell_short"}, 3, "10", "short "},
                                        {"options_button", {"buy", "calls"}, 5, "1", "option buy call "},
                                        {"sell_button", {}, 0, "4", "sell "}};
                for (const Trade& trade : trades) {
                    Trade_In(Child<QPushButton>(&window, trade.button), [&](QWidget* w) {
                        const Trade_Controls controls(w);
                        for (const char* choice : trade.choices) Child<QRadioButton>(w, choice)->click();
                        controls.Symbol->setCurrentIndex((first + trade.stock) % Stock_Count);
                        controls.Quantity->setText(trade.quantity);
                        controls.Trade->click();
                        std::string command = trade.command + controls.Symbol->currentText().toStdString() + " ";
                        if (qobject_cast<Options_Window*>(w))
                            command += std::to_string(Child<QSpinBox>(w, "strike")->value()) + " " +
                                       std::to_string(Child<QSpinBox>(w, "expiry")->value()) + " ";
                        commands.push_back(command + trade.quantity);
                    });
                }
                for (int t = Turns_Before_Trades; t < Turns_Per_Block; ++t) Child<QPushButton>(&window, "end_turn_button")->click();
                commands.push_back("end " + std::to_string(Turns_Per_Block - Turns_Before_Trades));
                commands.push_back("state");
                shown.push_back(Shown_Texts(window));
            }
        }

        std::string script;
        for (const std::string& c : commands) script += c + "\n";
        std::istringstream in(script);
        std::ostringstream out;
        State_Keeper console;
        QCOMPARE(Run_Console(in, out, Seed, (dir.path() + "/console").toStdString(), &console), 0);
        QCOMPARE(console.at_state.size(), shown.size());

        qsizetype grid_texts = 0;
        for (std::size_t b = 0; b < shown.size(); ++b) {
            QCOMPARE(shown[b], Held_Texts(console.at_state[b]));
            grid_texts += shown[b].size() - Board_Texts;
        }
        // The comparison means something only if the player held positions at the checks.
        QVERIFY(grid_texts >= 5 * Blocks);
    }
};

QTEST_MAIN(Window_And_Console_Test)
#include "window_and_console_test.moc"
