// The engine's texts in German. The samples are what the engine writes for the windows in
// scripted games: the news and column titles, the file messages, the reasons of refused trades,
// the trade windows' captions, alerts and questions, the guide's notes, the account of a game,
// the setup lists. In English each stays as it is; in German each text comes out translated with
// its figures and symbols as the engine wrote them; and every registered text is met by one.
#include <set>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "test_support.h"
#include "window_checks.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/language.h"
#include "desktop/trading/buy_window.h"
#include "engine/flows/cheats.h"
#include "engine/flows/game_end.h"
#include "engine/flows/player_input.h"
#include "engine/flows/statistics.h"
#include "engine/guide/guide_notes.h"
#include "engine/history/history.h"
#include "engine/market/news.h"
#include "engine/model/challenge_code.h"
#include "engine/model/challenge_record.h"
#include "engine/model/help_topics.h"
#include "engine/model/string_table.h"
#include "engine/scoring/new_game_setup.h"
#include "engine/storage/file_messages.h"
#include "engine/trading/option_trades.h"
#include "engine/trading/options.h"
#include "engine/trading/portfolio.h"
#include "engine/trading/short_trades.h"
#include "engine/trading/stock_trades.h"

namespace {

const int MSFT = 32, AAPL = 0;

// Texts that read the same in German.
const std::set<std::string> Same_In_German = {"Symbol", "Name", "Computer", "Call", "Put", "CRASH!", "Cheat"};

// Every text the engine hands a window.
class Collecting_Screens : public Recording_Screens {
public:
    std::set<std::string>& shown;
    explicit Collecting_Screens(std::set<std::string>& into) : shown(into) {}
    void Show_Alert(const std::string& caption, const std::string& text, const std::vector<std::string>& lines) override {
        shown.insert(caption);
        shown.insert(text);
        shown.insert(lines.begin(), lines.end());
    }
    bool Ask_Confirmation(const std::string& caption) override {
        shown.insert(caption);
        return true;
    }
    void Message_Box(const std::string& text) override { shown.insert(text); }
    std::optional<std::string> Input_Box(const std::string& title, const std::string& prompt) override {
        shown.insert(title);
        shown.insert(prompt);
        return std::nullopt;
    }
    End_Answer Run_End_Of_Game(const Game& game, const End_Of_Game_View& view) override {
        shown.insert({view.Ticker, view.You_Made_It, view.Name_Prompt});
        return {End_Choice::New_Game, game.Name_Text};
    }
};

// A flat market in play, no company news, the player's cash `cash`.
Game Market(int price, const std::string& turn = "5", double cash = 100000) {
    Game game = Flat_Market(price, turn);
    game.Has_Game = true;
    game.Setup.Frequency_Slider = 1;
    game.Cash_On_Hand.Set(cash);
    game.Net_Worth.Set(cash);
    game.Net_Worth.Group();
    return game;
}

Option_Form Form(const Game& game, int stock, bool calls, bool buy, const std::string& number) {
    Option_Form form;
    form.Stock = stock;
    form.Calls = calls;
    form.Buy = buy;
    Choose_Strike_And_Expiry(game, form);
    form.Number = Read_Quantity(number);
    return form;
}

// The game's inputs played with the guide's notes of each kept.
struct Guided {
    Game& game;
    Collecting_Screens& screens;
    std::set<std::string>& shown;
    Random rnd{11};
    void Play(const Player_Input& input) {
        const Guide_Before before = Before_Input(game);
        const Input_Result result = Play_Input(game, rnd, screens, input);
        for (const Guide_Note& note : Notes_Due(game, before, input, result)) shown.insert(note.Text);
    }
    void End_Turn() { Play(Player_Input::End_Turn()); }
    void Trade(Player_Input::Kind kind, int stock, const std::string& quantity) {
        Play(Player_Input::Trade(kind, stock, Read_Quantity(quantity)));
    }
};

void Refusals(std::set<std::string>& shown) {
    Collecting_Screens screens(shown);
    auto reason = [&](const Trade_Result& r) { shown.insert(r.Reason()); };
    Game game = Market(101, "5", 1000);
    reason(Buy_Shares(game, MSFT, Read_Quantity("0")));
    reason(Buy_Shares(game, MSFT, Read_Quantity("500")));  // cash for 9
    game.Cash_On_Hand.Set(150);
    reason(Buy_Shares(game, MSFT, Read_Quantity("500")));  // for 1
    game.Cash_On_Hand.Set(50);
    reason(Buy_Shares(game, MSFT, Read_Quantity("500")));  // for none
    game.Cash_On_Hand.Set(1e12);
    game.Computer_Stock[MSFT].Shares = Stock_Limit - 5;
    reason(Buy_Shares(game, MSFT, Read_Quantity("500")));
    game.Computer_Stock[MSFT].Shares = Stock_Limit;
    reason(Buy_Shares(game, MSFT, Read_Quantity("500")));
    reason(Sell_Shares(game, MSFT, Read_Quantity("")));
    for (double held : {0.0, 1.0, 3.0}) {
        game.Player_Stock[AAPL].Shares = held;
        reason(Sell_Shares(game, AAPL, Read_Quantity("5")));
    }
    game.Computer_Short[MSFT].Shares = Short_Limit - 5;
    reason(Trade_Short(game, MSFT, Short_Mode::Sell_Short, Read_Quantity("500")));
    game.Computer_Short[MSFT].Shares = Short_Limit;
    reason(Trade_Short(game, MSFT, Short_Mode::Sell_Short, Read_Quantity("500")));
    reason(Trade_Short(game, MSFT, Short_Mode::Sell_Short, Read_Quantity("")));
    for (double cash : {1000.0, 60.0, 20.0}) {
        game.Cash_On_Hand.Set(cash);
        reason(Trade_Short(game, AAPL, Short_Mode::Sell_Short, Read_Quantity("500")));
    }
    reason(Trade_Short(game, AAPL, Short_Mode::Buy_Back, Read_Quantity("")));
    for (double held : {0.0, 1.0, 3.0}) {
        game.Player_Short[AAPL].Shares = held;
        reason(Trade_Short(game, AAPL, Short_Mode::Buy_Back, Read_Quantity("5")));
    }

    // Options on MSFT at 101: a few thousand dollars a contract.
    Game options = Market(101, "5", 1e9);
    reason(Trade_Option(options, Form(options, MSFT, true, true, "0"), screens));
    options.Player_Option[0] = {"Call", MSFT, 100, 10, 1, 4990};
    options.Player_Option_Count = 1;
    reason(Trade_Option(options, Form(options, MSFT, true, true, "20"), screens));  // the limit per stock
    const double premium = Option_Premium(options, "Call", AAPL, Form(options, AAPL, true, true, "1").Strike,
                                          Form(options, AAPL, true, true, "1").Expires);
    for (double contracts : {3.5, 1.5, 0.5}) {
        options.Cash_On_Hand.Set(Int(premium * Contract_Shares * contracts));
        reason(Trade_Option(options, Form(options, AAPL, true, true, "4000"), screens));
    }
    reason(Trade_Option(options, Form(options, AAPL, true, false, "0"), screens));
    reason(Trade_Option(options, Form(options, AAPL, true, false, "1"), screens));
    reason(Trade_Option(options, Form(options, AAPL, false, false, "1"), screens));
    Option_Form held = Form(options, MSFT, true, false, "5000");
    held.Strike = 100;
    held.Expires = 10;
    reason(Trade_Option(options, held, screens));
    options.Cash_On_Hand.Set(1e9);
    options.Player_Option_Count = Option_Position_Limit + 1;
    reason(Trade_Option(options, Form(options, AAPL, true, true, "1"), screens));

    // The quantity boxes' tips, bound by cash and by the exchange, and the options' outlook.
    Game tips = Market(101, "5", 1000);
    tips.Player_Stock[AAPL].Shares = 3;
    tips.Player_Short[AAPL].Shares = 2;
    for (double cash : {1000.0, 1e12}) {
        tips.Cash_On_Hand.Set(cash);
        shown.insert({Buy_Most_Tip(tips, MSFT), Sell_Most_Tip(tips, AAPL), Sell_Most_Tip(tips, MSFT),
                      Short_Most_Tip(tips, MSFT, Short_Mode::Sell_Short), Short_Most_Tip(tips, AAPL, Short_Mode::Buy_Back)});
    }
    for (bool buy : {true, false})
        for (const char* contracts : {"1", "3"}) {
            shown.insert(Outlook_Of(options, Form(options, AAPL, true, buy, contracts)).Line);
            shown.insert(Option_Most_Tip(options, Form(options, AAPL, false, buy, contracts)));
        }

    // The option boxes' ranges and a grid row they cannot hold.
    shown.insert(Strikes_Offered());
    shown.insert(Expiries_Offered(Form(options, MSFT, true, true, "1")));
    Game split = Market(50);
    split.Player_Option[0] = {"Put", MSFT, 5, 10, 1, 2};
    split.Player_Option[1] = {"Call", MSFT, 50, 400, 1, 2};
    split.Player_Option_Count = 2;
    for (int row = 0; row < 2; ++row) shown.insert(Grid_Refusal(split, row));
}

void Trade_Captions(std::set<std::string>& shown) {
    Game game = Market(40);
    game.Player_Stock[MSFT] = {1234, 30};
    game.Player_Short[MSFT] = {20, 45};
    const Buy_View buy = Buy_Texts(game, MSFT);
    shown.insert({buy.You_Have, buy.Max, Sell_Texts(game, MSFT).You_Have,
                  Buy_Cash_After(game, MSFT, Read_Quantity("5")), Sell_Cash_After(game, MSFT, Read_Quantity("5"))});
    for (Short_Mode mode : {Short_Mode::Sell_Short, Short_Mode::Buy_Back}) {
        const Buy_View view = Short_Texts(game, MSFT, mode);
        shown.insert({view.You_Have, view.Max, Short_Cash_After(game, MSFT, mode, Read_Quantity("5"))});
    }
    for (bool buying : {true, false}) {
        const Option_View view = Option_Quote(game, Form(game, MSFT, true, buying, "1"));
        shown.insert({view.Stock_Price, view.Label6});
    }
}

// A seeded game with busy news, a share of everything the player can do, a computer that trades
// every way, the turn of the taxes and an option left to lapse; then its account and its end.
void Played_Game(std::set<std::string>& shown) {
    using Kind = Player_Input::Kind;
    Game game = Blank_Game(Fresh_Dir("engine_text"));
    game.Keeps_Winners = false;
    Collecting_Screens screens(shown);
    Guided guided{game, screens, shown};
    Deal_New_Game(game, guided.rnd, screens);
    game.Setup.Frequency_Slider = 10;
    game.Setup.News_Alert = 1;
    game.Setup.World_Alert = 1;
    game.Setup.Short = 1;
    game.Setup.Options = 1;
    game.Cash_On_Hand.Set(100000);
    for (int s = 0; s < Stock_Count; s += 8) guided.Trade(Kind::Buy, s, "10");
    guided.Trade(Kind::Sell, 0, "5");
    guided.Trade(Kind::Sell_Short, 1, "10");
    guided.Trade(Kind::Buy_Back, 1, "5");
    for (bool calls : {true, false}) {
        guided.Play(Player_Input::Option_Trade(Form(game, 2, calls, true, "2")));
        guided.Play(Player_Input::Option_Trade(Form(game, 2, calls, false, "1")));
    }
    Option_Form lapsing = Form(game, 3, true, true, "1");
    lapsing.Expires = lapsing.Exp_Min;
    guided.Play(Player_Input::Option_Trade(lapsing));  // left to lapse
    for (const Option_Row& row : Option_Grid_Rows(game)) shown.insert(row.Cells[1]);
    Player_Input cheats;
    cheats.What = Kind::Enable_Cheats;
    guided.Play(cheats);
    for (Cheat cheat : {Cheat::Your_Cash, Cheat::Computer_Cash, Cheat::Market_Trend}) Ask_Cheat(screens, cheat);
    auto collect = [&] {
        for (const auto* lines : {&game.News_Items, &game.Earnings_News})
            for (const List_Line& line : *lines) shown.insert(line.Text);
        for (const Journal_Entry& e : game.History->Journal) shown.insert({e.What, Trader_Name(e.Who)});
    };
    // The warning of the option about to lapse and its lapse; then the turn of the taxes with
    // gains to tax, and a sale at a gain: the game's best trade.
    for (int turn = 0; turn < 15; ++turn) {
        guided.End_Turn();
        collect();
    }
    game.Turn_Number = Shown_Number::Read("99");
    game.Player_Capital_Gains = 1000;
    guided.End_Turn();
    game.Price[0].Set(Stock_Price(game, 0) + 50);
    guided.Trade(Kind::Sell, 0, "5");
    collect();
    const History_Summary summary = Summarize(game);
    shown.insert({summary.Turns_Played, summary.Best_Trade, summary.Worst_Trade, summary.Against_The_Index});
    // The news of many turns, over the games that follow when the computer reaches the goal.
    for (int turn = 0; turn < 300; ++turn) {
        guided.End_Turn();
        collect();
    }
    Clear_High_Scores(game, screens);
    Reset_Statistics(game, screens);
    Start_New_Game(game, guided.rnd, screens);

    // The ends of a game: the player in the winners circle or not, the computer.
    End_Game(game, guided.rnd, screens, Winner::Player);
    for (auto& level : game.High_Scores) level.fill(High_Score{"X", "None", 1e12, 1, 1e12});  // no place left
    End_Game(game, guided.rnd, screens, Winner::Player);
    End_Game(game, guided.rnd, screens, Winner::Computer);
}

// The guide's notes in the moments that call for them.
void Guide_Notes(std::set<std::string>& shown) {
    using Kind = Player_Input::Kind;
    std::set<std::string> ignored;
    Collecting_Screens screens(ignored);
    for (int handicap : {0, 1}) {
        Game game = Blank_Game();
        Random rnd(4);
        Deal_New_Game(game, rnd, screens);
        game.Setup.Handicap = handicap;  // as the setup window returned it
        for (const Guide_Note& note : Notes_Due(game)) shown.insert(note.Text);
    }
    // Splits of what is held: shares, a short sale and options, one reporting as it splits; shares
    // and a short sale; shares alone.
    Game split = Market(100);
    split.Price[AAPL].Set(400);
    split.Player_Stock[AAPL] = {10, 300};
    split.Player_Short[AAPL] = {10, 300};
    split.Player_Option[0] = {"Call", AAPL, 300, 50, 1, 1};
    split.Player_Option_Count = 1;
    split.Earnings[AAPL].Report_Turn = 6;
    Guided{split, screens, shown}.End_Turn();
    Game both = Market(100);
    both.Price[MSFT].Set(208);
    both.Player_Stock[MSFT] = {150, 190};
    both.Player_Short[MSFT] = {10, 180};
    Guided{both, screens, shown}.End_Turn();
    Game only = Market(100);
    only.Price[MSFT].Set(208);
    only.Player_Stock[MSFT] = {150, 190};
    Guided{only, screens, shown}.End_Turn();
    // Earnings and news of what is held every way, over turns enough for both kinds of report.
    Game held = Market(50);
    held.Setup.Frequency_Slider = 10;
    for (int s = 0; s < Stock_Count; ++s) {
        if (s % 3 == 0) held.Player_Stock[s] = {10, 50};
        if (s % 3 == 1) held.Player_Short[s] = {10, 50};
        if (s % 3 == 2) held.Player_Option[held.Player_Option_Count++] = {"Put", static_cast<Integer>(s), 50, 2000, 1, 1};
    }
    Guided busy{held, screens, shown};
    for (int turn = 0; turn < 150; ++turn) busy.End_Turn();
    for (double gains : {1000.0, -50.0, 0.0}) {
        Game taxed = Market(50, "99");
        taxed.Player_Capital_Gains = gains;
        Guided{taxed, screens, shown}.End_Turn();
    }
    Game crash = Market(180);
    crash.Index_Weight.fill(10);
    std::set<std::string> alerts;
    Collecting_Screens crash_screens(alerts);
    Guided loud{crash, crash_screens, shown};
    for (int turn = 0; turn < 2000 && !crash.Last_Turn_Record.Crash; ++turn) {
        for (int s = 0; s < Stock_Count; ++s) {
            crash.Price[s].Set(180);
            crash.Price_History[s].fill(180);
        }
        crash.Price[Index_Entry].Set(42 * 180 * 10);
        loud.End_Turn();
    }
    QVERIFY(crash.Last_Turn_Record.Crash);
    shown.insert(alerts.begin(), alerts.end());
    // The board's change column right after the news of a crash.
    Game board = Market(180);
    board.Index_Weight.fill(10);
    board.Price[Index_Entry].Set(42 * 180 * 10);
    Random draws(3);
    std::vector<std::string> news_alerts;
    for (int turn = 0; turn < 2000 && !board.Last_Turn_Record.Crash; ++turn) Generate_News(board, draws, news_alerts);
    QVERIFY(board.Last_Turn_Record.Crash);
    shown.insert(board.Change[MSFT].Text());
    Game shorts = Market(40, "5", 2000);
    Guided selling{shorts, screens, shown};
    selling.Trade(Kind::Sell_Short, MSFT, "100");
    shorts.Price[MSFT].Set(150);
    selling.Trade(Kind::Buy_Back, MSFT, "100");
    for (const std::string number : {"1", "2"})
        for (bool calls : {true, false}) {
            Game options = Market(50, "9");
            Option_Form form = Form(options, MSFT, calls, true, number);
            form.Strike = 50;
            form.Expires = 10;
            Guided{options, screens, shown}.Play(Player_Input::Option_Trade(form));
        }
    Game ahead = Market(50);
    ahead.C_Portfolio.Cash.Set(1000000);
    Guided{ahead, screens, shown}.End_Turn();
    Game rich = Market(50, "5", 90000000);
    Guided{rich, screens, shown}.End_Turn();
}

// What the engine hands the windows, and the few texts a window passes on to the engine's.
std::set<std::string> Engine_Samples() {
    std::set<std::string> shown;
    for (int n = 0; n < World_News_Count; ++n) shown.insert(String_Table(String_Id::World_News, n));
    shown.insert(Crash_Headline);
    for (String_Id titles : {String_Id::Stock_Grid_Titles, String_Id::Computer_Grid_Titles, String_Id::Option_Grid_Titles,
                             String_Id::Winners_Grid_Titles})
        for (int c = 0; !String_Table(titles, c).empty(); ++c) shown.insert(String_Table(titles, c));
    for (File_Task task : {File_Task::Start_Up, File_Task::Load, File_Task::Write, File_Task::Statistics, File_Task::Settings})
        shown.insert(File_Message(task));
    for (int i = 0; i < 4; ++i) shown.insert({Play_To_Texts[i], Handicap_Texts[i], Level_Caption(i)});
    for (const std::string typed : {"ABC", "7KQM-3XRT-9H0P", "7KQM-3XRT-9HWQ"})
        shown.insert(Code_Problem_Text(Read_Code(typed).Problem));
    for (Challenge_End end : {Challenge_End::In_Play, Challenge_End::Won, Challenge_End::Lost, Challenge_End::Left})
        shown.insert(End_Name(end));
    for (const Help_Topic& topic : Help_Topic_Table()) shown.insert(topic.Name);
    shown.insert("Exit Program...");  // the desktop's own question, in the engine's window
    Refusals(shown);
    Trade_Captions(shown);
    Played_Game(shown);
    Guide_Notes(shown);
    shown.erase("");
    return shown;
}

// Whether `text` is words rather than a figure or a symbol, which no language changes.
bool Is_Words(const Game& game, const std::string& text) {
    if (std::find(game.Symbol.begin(), game.Symbol.end(), text) != game.Symbol.end()) return false;
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c); });
}

// The figures and the symbols of `text`, as many times as they come.
std::multiset<QString> Figures_And_Symbols(const Game& game, const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression figure(R"(-?\$?\d(?:[\d,.]*\d)?%?)");
    for (auto it = figure.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    for (const std::string& symbol : game.Symbol) {
        if (symbol.size() < 2) continue;  // "F" and "S" are letters of words too
        const QRegularExpression word("\\b" + QString::fromStdString(symbol) + "\\b");
        for (auto it = word.globalMatch(text); it.hasNext(); it.next()) found.insert(QString::fromStdString(symbol));
    }
    return found;
}

// The runs of two words or more of the registered English sources, as whole words.
std::vector<QRegularExpression> English_Runs() {
    std::vector<QRegularExpression> runs;
    static const QRegularExpression placeholder("%[1-9]");
    for (const QString& source : Registered_Engine_Texts()) {
        if (Same_In_German.count(source.toStdString())) continue;
        for (const QString& part : source.split(placeholder)) {
            const QString run = part.trimmed();
            if (run.count(' ') >= 1 && std::any_of(run.begin(), run.end(), [](QChar c) { return c.isLetter(); }))
                runs.emplace_back("(?<!\\w)" + QRegularExpression::escape(run) + "(?!\\w)");
        }
    }
    return runs;
}

}  // namespace

class Engine_Text_Test : public QObject {
    Q_OBJECT

    Game game = Blank_Game();
    std::set<std::string> samples;

private slots:
    void initTestCase() {
        samples = Engine_Samples();
        QVERIFY(samples.size() > 150);
    }

    void inEnglishEveryTextStaysAsTheEngineWroteIt() {
        for (const std::string& text : samples) QCOMPARE(Engine_Text(text), QString::fromStdString(text));
    }

    void everyTextShownIsRegisteredAndEveryRegistrationIsShown() {
        QSet<QString> met;
        for (const std::string& text : samples) {
            const QStringList sources = Engine_Text_Sources(text);
            if (Is_Words(game, text)) QVERIFY2(!sources.isEmpty(), text.c_str());
            else QVERIFY2(sources.isEmpty(), text.c_str());
            for (const QString& source : sources) met.insert(source);
        }
        for (const QString& source : Registered_Engine_Texts()) QVERIFY2(met.contains(source), qPrintable(source));
    }

    void inGermanEveryTextIsTranslatedAroundTheSameFiguresAndSymbols() {
        QCOMPARE(Use_Language("de"), QString("de"));
        const std::vector<QRegularExpression> english_runs = English_Runs();
        static const QRegularExpression placeholder("%[1-9]");
        for (const std::string& text : samples) {
            const QString english = QString::fromStdString(text), german = Engine_Text(text);
            const QByteArray said = (english + "\n  -> " + german).toUtf8();
            if (!Is_Words(game, text) || Same_In_German.count(text)) {
                QVERIFY2(german == english, said);
                continue;
            }
            QVERIFY2(german != english, said);
            QVERIFY2(!german.contains(placeholder), said);
            const std::multiset<QString> figures = Figures_And_Symbols(game, english), kept = Figures_And_Symbols(game, german);
            QVERIFY2(std::includes(kept.begin(), kept.end(), figures.begin(), figures.end()), said);
            for (const QRegularExpression& run : english_runs)
                QVERIFY2(!german.contains(run), (said + "\n  still says: " + run.pattern().toUtf8()));
        }
    }

    // A window shows the German, here the buy window's refusal and the caption of its most.
    void aTradeWindowShowsTheGermanOfTheEngine() {
        Game played = Market(101, "5", 1000);
        Recording_Screens screens;
        Random rnd(1);
        Game_Session session{played, rnd, screens};
        Buy_Window buy(session);
        QString reason, most;
        While_Open(&buy, [&] {
            buy.findChild<QLineEdit*>("quantity")->setText("500");
            buy.findChild<QPushButton*>("trade")->click();
            reason = buy.findChild<QLabel*>("reason")->text();
            most = buy.findChild<QLabel*>("most")->text();
            QTest::keyClick(&buy, Qt::Key_Escape);
        });
        buy.Open_On(MSFT);
        QCOMPARE(reason, Engine_Text("Your cash covers at most 9 shares at $101."));
        QVERIFY(reason.contains("9") && reason.contains("$101") && !reason.contains("covers"));
        QCOMPARE(most, Engine_Text("The Most You Can Buy Is 9"));
    }
};

QTEST_MAIN(Engine_Text_Test)
#include "engine_text_test.moc"
