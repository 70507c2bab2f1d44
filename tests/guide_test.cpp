// The guide: which notes each moment of a game calls for, with the figures of that moment, and
// the book that shows each once per player, off or on, reset, across copies of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include <sys/stat.h>
#include <unistd.h>

#include "engine/flows/player_input.h"
#include "engine/guide/guide_book.h"
#include "engine/guide/guide_notes.h"
#include "engine/model/help_topics.h"
#include "engine/storage/file_io.h"
#include "engine/storage/settings_file.h"
#include "engine/trading/options.h"
#include "test_support.h"

namespace {

const int MSFT = 32, AAPL = 0;

// A flat market at `price` in play: no company news (the lowest frequency draws none), the
// player's cash `cash`.
Game Market(int price, const std::string& turn = "5", double cash = 100000) {
    Game game = Flat_Market(price, turn);
    game.Has_Game = true;
    game.Setup.Frequency_Slider = 1;
    game.Cash_On_Hand.Set(cash);
    game.Net_Worth.Set(cash);
    game.Net_Worth.Group();
    return game;
}

struct Guided {
    explicit Guided(Game& played) : game(played) {}
    Game& game;
    Random rnd{11};
    Recording_Screens screens;

    std::vector<Guide_Note> Play(const Player_Input& input) {
        const Guide_Before before = Before_Input(game);
        const Input_Result result = Play_Input(game, rnd, screens, input);
        return Notes_Due(game, before, input, result);
    }
    std::vector<Guide_Note> End_Turn() { return Play(Player_Input::End_Turn()); }
    std::vector<Guide_Note> Trade(Player_Input::Kind kind, int stock, const std::string& quantity) {
        return Play(Player_Input::Trade(kind, stock, Read_Quantity(quantity)));
    }
};

// The text of the note with `key`; empty when it is not due. Every note met points at a topic
// of the help by its name and its number alike.
std::string Text(const std::vector<Guide_Note>& notes, const std::string& key) {
    std::string text;
    for (const Guide_Note& note : notes) {
        EXPECT_EQ(Help_Context_Of(note.Help_Topic), note.Help_Context) << note.Key;
        EXPECT_NE(std::find(Guide_Note_Keys().begin(), Guide_Note_Keys().end(), note.Key), Guide_Note_Keys().end());
        if (note.Key == key) text = note.Text;
    }
    return text;
}

bool Says(const std::vector<Guide_Note>& notes, const std::string& key, const std::string& words) {
    return Text(notes, key).find(words) != std::string::npos;
}

Guide_Note Due(const std::string& key) { return {key, "text of " + key, "Scoring", 110}; }

std::vector<std::string> Keys_Of(const std::vector<Guide_Note>& notes) {
    std::vector<std::string> keys;
    for (const Guide_Note& note : notes) keys.push_back(note.Key);
    return keys;
}

}  // namespace

TEST(GuideNotes, TheFirstTurnTellsTheGoalAndTheHeadStartThenNoMore) {
    Game game = Blank_Game();
    EXPECT_TRUE(Notes_Due(game).empty());  // no game yet
    Random rnd(4);
    Recording_Screens screens;
    game.Setup.Handicap = 1;
    Deal_New_Game(game, rnd, screens);
    game.Setup.Handicap = 1;  // the setup the window returned
    const std::vector<Guide_Note> notes = Notes_Due(game);
    ASSERT_EQ(Keys_Of(notes), std::vector<std::string>{"first_turn"});
    EXPECT_TRUE(Says(notes, "first_turn", "END TURN"));
    EXPECT_TRUE(Says(notes, "first_turn", "goal of $100 Million"));
    EXPECT_TRUE(Says(notes, "first_turn", "Your handicap of $15,000 is a head start: you begin with $20,000 against "
                                          "the computer's $5,000."));
    EXPECT_EQ(notes[0].Help_Topic, "Main Screen");
    EXPECT_EQ(notes[0].Help_Context, 100);
    Guided guided{game};
    EXPECT_TRUE(Text(guided.End_Turn(), "first_turn").empty());
}

TEST(GuideNotes, AHeldSplitNamesTheSharesBeforeAndAfterAndTheHalvedPrice) {
    Game game = Market(100);
    game.Price[AAPL].Set(210);  // splits too, first, but is not held
    game.Price[MSFT].Set(208);
    game.Player_Stock[MSFT] = {150, 190};
    game.Player_Short[MSFT] = {10, 180};
    Guided guided{game};
    const std::vector<Guide_Note> notes = guided.End_Turn();
    EXPECT_EQ(Text(notes, "held_split"),
              "MSFT split 2 for 1: your 150 shares are now 300 at $104 and the 10 shares you sold short are now 20, "
              "at half the price you sold them at. The price halved from $208 to $104: twice the shares at half the "
              "price are worth just the same, so nothing was lost. A stock splits whenever a turn finds its price "
              "above $200.");
    // Nothing held in a split stock, no note.
    Game other = Market(100);
    other.Price[AAPL].Set(210);
    Guided unheld{other};
    EXPECT_TRUE(Text(unheld.End_Turn(), "held_split").empty());
}

TEST(GuideNotes, HeldNewsAndEarningsQuoteTheLineAndTheMove) {
    Game game = Market(50);
    game.Earnings[MSFT].Report_Turn = 6;
    game.Player_Stock[MSFT] = {10, 50};
    Guided guided{game};
    const std::vector<Guide_Note> notes = guided.End_Turn();
    const Earnings_Record& e = game.Earnings[MSFT];
    EXPECT_TRUE(Says(notes, "held_earnings", "MSFT, which you hold, reported earnings of " +
                                                 Number_Text(e.EPS[0].Value()) + " a share against " +
                                                 Number_Text(e.EPS[1].Value())));
    EXPECT_TRUE(Says(notes, "held_earnings", "MSFT went from $50 to $" + game.Price[MSFT].Text()));
    EXPECT_TRUE(Says(notes, "held_earnings", "next report is due at turn 56"));

    // Company news about a stock held short: every stock is held, so the first line is one.
    Game busy = Market(50);
    busy.Setup.Frequency_Slider = 10;
    for (auto& h : busy.Player_Short) h = {1, 50};
    Guided news{busy};
    std::vector<Guide_Note> said;
    for (int turn = 0; turn < 200 && Text(said, "held_news").empty(); ++turn) said = news.End_Turn();
    ASSERT_FALSE(busy.News_Items.empty());
    const List_Line& line = busy.News_Items.front();
    ASSERT_GE(line.Item_Data, 0);
    EXPECT_TRUE(Says(said, "held_news", "News about " + busy.Symbol[line.Item_Data] + ", which you have sold short: \"" +
                                            line.Text + "\""));
}

TEST(GuideNotes, TheTaxNoticeSaysWhatWasTaxedOrThatTheLossCarriesOver) {
    Game gains = Market(50, "99");
    gains.Player_Capital_Gains = 1000;
    Guided taxed{gains};
    EXPECT_TRUE(Says(taxed.End_Turn(), "taxes", "Your $1,000 of gains cost you $280, taken from your cash."));
    Game loss = Market(50, "99");
    loss.Player_Capital_Gains = -50;
    Guided carried{loss};
    const std::vector<Guide_Note> notes = carried.End_Turn();
    EXPECT_TRUE(Says(notes, "taxes", "Yours came to -$50, a loss, so nothing was taxed"));
    EXPECT_TRUE(Says(notes, "taxes", "until the next notice, at turn 200"));
    EXPECT_TRUE(Text(carried.End_Turn(), "taxes").empty());  // turn 101
}

TEST(GuideNotes, ACrashNamesTheIndexAndTheNetWorthBeforeAndAfter) {
    // An index above 70,000 held there turn after turn, until the one chance in 101 comes.
    Game game = Market(180);
    game.Index_Weight.fill(10);
    game.Player_Stock[MSFT] = {100, 180};
    Guided guided{game};
    std::vector<Guide_Note> notes;
    for (int turn = 0; turn < 2000 && !game.Last_Turn_Record.Crash; ++turn) {
        for (int s = 0; s < Stock_Count; ++s) {
            game.Price[s].Set(180);
            game.Price_History[s].fill(180);
        }
        game.Price[Index_Entry].Set(42 * 180 * 10);
        notes = guided.End_Turn();
    }
    ASSERT_TRUE(game.Last_Turn_Record.Crash);
    const std::string index = Add_Commas(Number_Text(Int(Index_Value(game))));
    EXPECT_TRUE(Says(notes, "crash", "between $10 and $20, and the index fell from 75,600 to " + index + "."));
    EXPECT_TRUE(Says(notes, "crash", " to $" + game.Net_Worth.Text() + ". Every stock's trend"));
    // The turn after, the record is the new turn's.
    EXPECT_TRUE(Text(guided.End_Turn(), "crash").empty());
}

TEST(GuideNotes, AShortSaleAndABuyBackBelowZeroNameTheDepositAndTheCash) {
    using Kind = Player_Input::Kind;
    Game game = Market(40, "5", 2000);
    Guided guided{game};
    EXPECT_EQ(Text(guided.Trade(Kind::Sell_Short, MSFT, "100"), "first_short"),
              "You sold 100 MSFT short at $40 and put up half the price, $2,000, as a deposit. Each dollar MSFT rises "
              "costs you half a dollar a share ($50 on these 100) and each dollar it falls gains as much; should it "
              "rise to twice $40, the deposit is gone. Buying back is never refused for lack of cash: your cash may "
              "go below zero.");
    EXPECT_TRUE(Text(guided.Trade(Kind::Sell_Short, MSFT, "1"), "first_short").empty());  // refused: no cash left
    // 50 bought back at 30 return 50 x (80 - 30) / 2: the cash stays above zero.
    game.Price[MSFT].Set(30);
    EXPECT_TRUE(Text(guided.Trade(Kind::Buy_Back, MSFT, "50"), "cash_below_zero").empty());
    // The other 50 at 150 return 50 x (80 - 150) / 2 = -1,750, from 1,250.
    game.Price[MSFT].Set(150);
    EXPECT_TRUE(Says(guided.Trade(Kind::Buy_Back, MSFT, "50"), "cash_below_zero",
                     "After buying back 50 MSFT at $150 your cash is -$500."));
}

TEST(GuideNotes, AnOptionBoughtAndOneAboutToLapseNameContractPremiumAndTurn) {
    Game game = Market(50, "9");
    Option_Form form;
    form.Stock = MSFT;
    form.Calls = true;
    form.Buy = true;
    Choose_Strike_And_Expiry(game, form);
    form.Strike = 50;
    form.Expires = 10;
    form.Number = Read_Quantity("2");
    Guided guided{game};
    const std::vector<Guide_Note> notes = guided.Play(Player_Input::Option_Trade(form));
    // At the money a turn before expiry: 2 - 0.0021 x 29^2 of time and 5 of bonus, 5.23 a share.
    EXPECT_TRUE(Says(notes, "first_option", "You bought 2 contracts of a call on MSFT at a strike of $50, expiring at "
                                            "turn 10. A contract is 100 shares, so at a premium of $5.23 a share they "
                                            "cost $1,046. A call gains as MSFT rises above $50."));
    EXPECT_EQ(game.Cash_On_Hand.Value(), 100000 - 1046);
    // Bought at turn 9 for turn 10: it lapses at the next END TURN.
    EXPECT_TRUE(Says(notes, "option_lapsing", "Your call on MSFT at a strike of $50 (2 contracts, worth $1,046 now) "
                                              "lapses at your next END TURN, at the end of turn 10."));
    EXPECT_TRUE(Says(Notes_Due(game), "option_lapsing", "turn 10"));
    guided.End_Turn();
    EXPECT_EQ(game.Player_Option_Count, 0);
    EXPECT_TRUE(Text(Notes_Due(game), "option_lapsing").empty());
}

TEST(GuideNotes, TheComputerPullingAheadAndTheGoalWithinATenth) {
    Game game = Market(50);
    game.C_Portfolio.Cash.Set(1000000);
    Guided guided{game};
    std::vector<Guide_Note> notes = guided.End_Turn();
    EXPECT_TRUE(Says(notes, "computer_ahead", "its net worth is $" + game.C_Portfolio.Net_Worth.Text() +
                                                  " against your $100,000."));
    EXPECT_TRUE(Text(guided.End_Turn(), "computer_ahead").empty());  // ahead already: not pulling ahead

    Game rich = Market(50, "5", 89999999);
    Guided near{rich};
    EXPECT_TRUE(Text(near.End_Turn(), "near_goal").empty());
    rich.Cash_On_Hand.Set(90000000);
    EXPECT_TRUE(Says(near.End_Turn(), "near_goal", "Your net worth, $90,000,000, is within 10% of the $100 Million goal"));
}

TEST(GuideBook, EachNoteOnceOffNothingResetAllAgainKeptAcrossRuns) {
    const std::string dir = Fresh_Dir("guide_book");
    Guide_Book book = Open_Guide_Book(dir);
    EXPECT_TRUE(book.On);
    const std::vector<Guide_Note> due = {Due("first_turn"), Due("taxes")};
    Shown_Notes shown = Show_Notes(book, due);
    EXPECT_TRUE(shown.Stored);
    EXPECT_EQ(Keys_Of(shown.Notes), (std::vector<std::string>{"first_turn", "taxes"}));
    EXPECT_TRUE(Show_Notes(book, due).Notes.empty());
    EXPECT_EQ(Keys_Of(Show_Notes(book, {Due("taxes"), Due("crash")}).Notes), std::vector<std::string>{"crash"});

    // Another run of the game: the player has seen them.
    Guide_Book later = Open_Guide_Book(dir);
    EXPECT_EQ(later.Seen, (std::set<std::string>{"first_turn", "taxes", "crash"}));
    ASSERT_TRUE(Turn_Guide(later, false));
    EXPECT_TRUE(Show_Notes(later, {Due("near_goal")}).Notes.empty());
    EXPECT_FALSE(Open_Guide_Book(dir).On);
    ASSERT_TRUE(Turn_Guide(later, true));
    EXPECT_EQ(Keys_Of(Show_Notes(later, {Due("near_goal")}).Notes), std::vector<std::string>{"near_goal"});
    ASSERT_TRUE(Reset_Guide(later));
    EXPECT_TRUE(Open_Guide_Book(dir).Seen.empty());
    EXPECT_EQ(Keys_Of(Show_Notes(later, due).Notes), (std::vector<std::string>{"first_turn", "taxes"}));
    EXPECT_EQ(*Read_File(Settings_Path(dir)),
              "\"Guide\",\"on\"\r\n\"Guide Note Seen\",\"first_turn\"\r\n\"Guide Note Seen\",\"taxes\"\r\n");
}

TEST(GuideBook, TwoCopiesKeepEachOthersNotesAndChoices) {
    const std::string dir = Fresh_Dir("guide_copies");
    Guide_Book first = Open_Guide_Book(dir), second = Open_Guide_Book(dir);
    ASSERT_EQ(Show_Notes(first, {Due("crash")}).Notes.size(), 1u);
    ASSERT_EQ(Show_Notes(second, {Due("taxes")}).Notes.size(), 1u);
    // The crash was shown by the first copy: the second, which did not know, shows it no more.
    EXPECT_TRUE(Show_Notes(second, {Due("crash")}).Notes.empty());
    EXPECT_EQ(Open_Guide_Book(dir).Seen, (std::set<std::string>{"crash", "taxes"}));
    ASSERT_TRUE(Turn_Guide(first, false));
    EXPECT_TRUE(Show_Notes(second, {Due("near_goal")}).Notes.empty());
    EXPECT_FALSE(second.On);
}

TEST(SettingsFile, LaterSettingsAreKeptInTheirPlaceAndUnstorableOnesRefused) {
    const std::string dir = Fresh_Dir("settings_keys");
    const std::string later = "\"Theme\",\"dark\"\r\n\"Guide\",\"maybe\"\r\n\"Language\",\"fr\"\r\n";
    ASSERT_TRUE(Write_File_Atomic(Settings_Path(dir), later));
    Guide_Book book = Open_Guide_Book(dir);
    EXPECT_TRUE(book.On);  // a value this version does not know is the default
    ASSERT_TRUE(Turn_Guide(book, false));
    EXPECT_EQ(*Read_File(Settings_Path(dir)), "\"Theme\",\"dark\"\r\n\"Guide\",\"off\"\r\n\"Language\",\"fr\"\r\n");
    const File_Result<Setting_List> refused =
        Change_Settings(dir, [](Setting_List& settings) { Set_Setting(settings, "Theme", "say \"dark\""); });
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Error(), File_Error::Unstorable_Text);
    EXPECT_EQ(*Read_Settings(dir), (Setting_List{{"Theme", "dark"}, {"Guide", "off"}, {"Language", "fr"}}));
}

TEST(SettingsFile, DamagedOrInTheWayItIsLeftInPlaceAndTheGuideGoesOnInMemory) {
    ::alarm(60);  // a reader that waits on a FIFO ends the test rather than hanging it
    namespace fs = std::filesystem;
    const std::string damaged[] = {"\"Guide\",\"off\"\r\n\"Guide Note Seen\"\r\n", "Guide,off\r\n", "\"Guide\",\"off",
                                   "\"\",\"off\"\r\n"};
    for (const std::string& text : damaged) {
        const std::string dir = Fresh_Dir("settings_damaged");
        ASSERT_TRUE(Write_File_Atomic(Settings_Path(dir), text));
        Guide_Book book = Open_Guide_Book(dir);
        EXPECT_TRUE(book.On) << text;
        EXPECT_TRUE(book.Seen.empty()) << text;
        Shown_Notes shown = Show_Notes(book, {Due("crash")});
        EXPECT_EQ(shown.Notes.size(), 1u) << text;
        ASSERT_FALSE(shown.Stored) << text;
        EXPECT_EQ(shown.Stored.Error(), File_Error::Damaged);
        EXPECT_TRUE(Show_Notes(book, {Due("crash")}).Notes.empty()) << text;  // kept in memory
        EXPECT_FALSE(Turn_Guide(book, false)) << text;
        EXPECT_FALSE(book.On) << text;
        EXPECT_FALSE(Reset_Guide(book)) << text;
        EXPECT_EQ(*Read_File(Settings_Path(dir)), text);
    }
    // A folder or a FIFO in its place, or a link to one: refused at once, left as it is.
    for (const std::string kind : {"folder", "fifo", "link to folder"}) {
        const std::string dir = Fresh_Dir("settings_in_the_way");
        const std::string path = Settings_Path(dir);
        if (kind == "folder") fs::create_directory(path);
        if (kind == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        }
        if (kind == "link to folder") fs::create_symlink(dir, path);
        Guide_Book book = Open_Guide_Book(dir);
        Shown_Notes shown = Show_Notes(book, {Due("taxes")});
        EXPECT_EQ(Keys_Of(shown.Notes), std::vector<std::string>{"taxes"}) << kind;
        EXPECT_FALSE(shown.Stored) << kind;
        EXPECT_FALSE(Turn_Guide(book, false)) << kind;
        EXPECT_EQ(fs::symlink_status(path).type(),
                  kind == "folder" ? fs::file_type::directory : kind == "fifo" ? fs::file_type::fifo : fs::file_type::symlink)
            << kind;
    }
    // A link to a file of the player's: read and written through, the link kept, as the other
    // files of the data folder are.
    const std::string dir = Fresh_Dir("settings_link");
    ASSERT_TRUE(Write_File_Atomic(dir + "/mine.txt", "\"Guide\",\"off\"\r\n"));
    fs::create_symlink("mine.txt", Settings_Path(dir));
    Guide_Book book = Open_Guide_Book(dir);
    EXPECT_FALSE(book.On);
    ASSERT_TRUE(Turn_Guide(book, true));
    EXPECT_TRUE(fs::is_symlink(Settings_Path(dir)));
    EXPECT_EQ(*Read_File(dir + "/mine.txt"), "\"Guide\",\"on\"\r\n");
    ::alarm(0);
}
