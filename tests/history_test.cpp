#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/model/random.h"
#include "engine/flows/turn.h"
#include "engine/history/history.h"
#include "engine/storage/history_section.h"
#include "engine/storage/journal_export.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"
#include "test_support.h"
#include "engine/trading/stock_trades.h"

namespace {

Game Played_Game(std::uint32_t seed, int turns) {
    Game game = Blank_Game();
    Random rnd(seed);
    Recording_Screens screens;
    Start_New_Game(game, rnd, screens);
    std::string box = "10";
    EXPECT_EQ(Buy_Shares(game, 0, Read_Quantity(box)), Trade_Result::Done);
    for (int t = 0; t < turns; ++t) Play_Turn(game, rnd, screens);
    box = "4";
    EXPECT_EQ(Sell_Shares(game, 0, Read_Quantity(box)), Trade_Result::Done);
    return game;
}

// The saved text with its history section replaced by `section`.
std::string With_Section(const std::string& saved, const std::string& section) {
    return saved.substr(0, saved.find("\"History\"")) + section;
}

}  // namespace

TEST(History, SavedWithTheGameAndReadBack) {
    const Game game = Played_Game(7, 120);
    const std::string saved = Saved_Game_Text(game);
    const std::optional<Game> loaded = Loaded_Game(Blank_Game(), saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded->History, *game.History);
    EXPECT_TRUE(std::any_of(game.History->Points.begin(), game.History->Points.end(),
                            [](const History_Point& p) { return p.Tax; }));

    // A new game starts a record of its own.
    Game again = *loaded;
    Random rnd(6);
    Recording_Screens screens;
    Start_New_Game(again, rnd, screens);
    EXPECT_EQ(again.History->Points.size(), 1u);
    EXPECT_TRUE(again.History->Journal.empty());
}

TEST(History, ADamagedSectionFailsTheLoad) {
    const std::string saved = Saved_Game_Text(Played_Game(8, 3));
    const std::string header = "\"History\",1\r\n5000,2962,1,1\r\n";
    const std::string point = "1,5000,5000,2962,#FALSE#,#FALSE#\r\n";
    const std::string end = "\"End of history\"\r\n";
    ASSERT_TRUE(Loaded_Game(Blank_Game(), With_Section(saved, header + point + "1,\"You\",\"Buy\",\"AAPL\",1,2,#FALSE#,0,3\r\n" + end)));
    const std::vector<std::string> damaged = {
        "\"History\",2\r\n5000,2962,0,0\r\n",                           // a version this game does not know
        "\"Record\",1\r\n5000,2962,0,0\r\n",                            // another marker
        "\"History\",1\r\n5000,2962,2,0\r\n" + point,                   // fewer points than counted
        "\"History\",1\r\n5000,-1,0,0\r\n",                             // an index below zero
        "\"History\",1\r\n5000,2962,100001,0\r\n",                      // more points than a record keeps
        "\"History\",1\r\n5000,2962,1,0\r\n9,5000,5000,2962,#FALSE#,#FALSE#\r\n",  // a turn past the game's
        header + point + "1,\"Nobody\",\"Buy\",\"AAPL\",1,2,#FALSE#,0,3\r\n",
        header + point + "1,\"You\",\"Steal\",\"AAPL\",1,2,#FALSE#,0,3\r\n",
        header + point + "1,\"You\",\"Buy\",\"ZZZZ\",1,2,#FALSE#,0,3\r\n",
        header + point + "1,\"You\",\"Buy\",\"AAPL\",1,2,#FALSE#,0,3\r\n" + end + "trailing\r\n",
        header + point + "1,\"You\",\"Buy\",\"AAPL\",1,2,#FALSE#,0,3\r\n",  // cut before its end
        header + point + "1,\"You\",\"Buy\",\"AAPL\",1,x,#FALSE#,0,3\r\n",
        header + point + "1,\"You\",\"Buy\",\"AAPL\",1,2,#FALSE#,0\r\n",
    };
    for (const std::string& section : damaged) EXPECT_FALSE(Loaded_Game(Blank_Game(), With_Section(saved, section))) << section;
}

// The figures of the section within the bounds of the game's own records, in the form the
// writer gives them: a figure written otherwise would save as another, or as none.
TEST(History, AFigureBeyondItsBoundsOrInAnotherFormIsRefused) {
    const std::string saved = Saved_Game_Text(Played_Game(8, 3));
    const std::map<std::string, std::string> good = {{"worth", "5000"}, {"base", "2962"}, {"mine", "5000"},
                                                     {"theirs", "4000"}, {"index", "2962"}, {"shares", "60"},
                                                     {"price", "15"}, {"gain", "-300"}, {"cash", "4400"},
                                                     {"calls", "2.5"}, {"premium", "0.05"}, {"trend", "-6"}};
    const auto section = [&](const std::map<std::string, std::string>& changed) {
        auto v = [&](const std::string& field) { return changed.count(field) ? changed.at(field) : good.at(field); };
        return "\"History\",1\r\n" + v("worth") + "," + v("base") + ",1,3\r\n1," + v("mine") + "," + v("theirs") +
               "," + v("index") + ",#FALSE#,#FALSE#\r\n1,\"You\",\"Sell\",\"AAPL\"," + v("shares") + "," +
               v("price") + ",#TRUE#," + v("gain") + "," + v("cash") + "\r\n1,\"Computer\",\"Buy Call\",\"AAPL\"," +
               v("calls") + "," + v("premium") + ",#FALSE#,0,1\r\n1,\"You\",\"Cheat\",\"\",0," + v("trend") +
               ",#FALSE#,0,1\r\n\"End of history\"\r\n";
    };
    ASSERT_TRUE(Loaded_Game(Blank_Game(), With_Section(saved, section({}))));

    const std::string past_a_double = "179769313486232" + std::string(294, '0');
    const std::string money[] = {"1.7976931348623157e308", past_a_double, "-" + past_a_double,
                                 "1000000000000000000", "5e3", "5000.0", "+5000", "05000"};
    for (const char* field : {"worth", "mine", "theirs", "gain", "cash"})
        for (const std::string& figure : money)
            EXPECT_FALSE(Loaded_Game(Blank_Game(), With_Section(saved, section({{field, figure}})))) << field << " " << figure;
    const std::vector<std::pair<std::string, std::string>> beyond = {
        {"base", "11499774935041"}, {"base", "2962.5"},      {"index", "11499774935041"}, {"index", "-1"},
        {"shares", "4398046511105"}, {"shares", "0"},         {"price", "256"},            {"price", "0.5"},
        {"calls", "170976608257"},  {"premium", "524.01"},   {"premium", "0"},            {"trend", "1000000000001"},
        {"trend", "-7"},            {"shares", "1.7976931348623157e308"}};
    for (const auto& [field, figure] : beyond)
        EXPECT_FALSE(Loaded_Game(Blank_Game(), With_Section(saved, section({{field, figure}})))) << field << " " << figure;
}

TEST(History, FiguresAtTheirBoundsSaveAndLoadAsThemselves) {
    Game game = Played_Game(11, 3);
    // The highest money a fifteen-digit text gives below the bound, and the lowest finite one.
    const double top = 999999999999999000.0, bottom = -1.79769313486231e308;
    Game_History& h = *game.History;
    h.Base_Worth = bottom;
    h.Base_Index = Index_Bound;
    h.Points = {{1, top, bottom, 0, true, false}, {2, bottom, top, Index_Bound, false, true}};
    h.Journal = {{2, Trader::You, "Buy", "AAPL", Count_Bound, Price_Bound, std::nullopt, bottom},
                 {2, Trader::Computer, "Sell Call", "AAPL", Option_Count_Bound, 2 * (2 + Price_Bound + 5), bottom, top},
                 {3, Trader::You, "Lapse", "AAPL", 0.5, 0.01, top, 0},
                 {3, Trader::Computer, "Tax", "", 0, top, std::nullopt, bottom},
                 {4, Trader::You, "Cheat", "", 0, Cheat_Cash_Limit, std::nullopt, top},
                 {4, Trader::You, "Cheat", "", 0, -Cheat_Trend_Limit, std::nullopt, top}};
    const std::string saved = Saved_Game_Text(game);
    const std::optional<Game> loaded = Loaded_Game(Blank_Game(), saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded->History, h);
    EXPECT_EQ(Saved_Game_Text(*loaded), saved);

    // A figure no text holds is not written at all: the save is refused.
    h.Points[0].Net_Worth = std::numeric_limits<double>::infinity();
    Record_Writer w;
    Write_History_Section(w, h);
    EXPECT_FALSE(w.Complete());
}

TEST(History, KeepsTheNewestTurnsAndEntries) {
    Game game = Played_Game(9, 0);
    for (Long t = 2; t <= static_cast<Long>(History_Turns_Kept) + 5; ++t) {
        game.Turn_Number.Set(static_cast<double>(t));
        Record_Turn(game);
        if (t % 4 == 0) Record_Trade(game, Trader::Computer, "Buy", 3, 1, 10, std::nullopt);
    }
    // The game's own dates move on with its turn, so that it still loads.
    for (int s = 0; s < Stock_Count; ++s) {
        game.Earnings[s].Report_Turn += static_cast<Long>(History_Turns_Kept) + 4;
        game.Computer_Option[s].Expires += static_cast<Long>(History_Turns_Kept) + 4;
    }
    const Game_History& h = *game.History;
    EXPECT_EQ(h.Points.size(), History_Turns_Kept);
    EXPECT_EQ(h.Points.front().Turn, 6);
    EXPECT_EQ(h.Dropped_Points, 5u);
    EXPECT_EQ(h.Journal.size(), Journal_Entries_Kept);
    EXPECT_EQ(h.Journal.back().Turn, static_cast<Long>(History_Turns_Kept + 4));

    const std::string saved = Saved_Game_Text(game);
    EXPECT_LT(saved.size(), 6u << 20);
    const std::optional<Game> loaded = Loaded_Game(Blank_Game(), saved);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->History->Points, h.Points);  // what was dropped is not saved
    EXPECT_EQ(loaded->History->Journal, h.Journal);
}

TEST(History, ExportAndSummary) {
    Game game = Played_Game(10, 12);
    game.Data_Dir = Fresh_Dir("history_data");
    const std::string work = Fresh_Dir("history_work");

    const std::string path = work + "/journal.csv";
    ASSERT_TRUE(Export_Journal(game, path));
    const std::string csv = *Read_File(path);
    EXPECT_EQ(csv, Journal_Csv(game));
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "Turn,Who,What,Symbol,Quantity,Price,Gain,Cash");
    EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), game.History->Journal.size() + 1);

    // The data folder's own files are never written over.
    ASSERT_TRUE(Write_File_Atomic(game.Data_Dir + "/Winners.txt", "kept"));
    EXPECT_EQ(Export_Journal(game, game.Data_Dir + "/Winners.txt").Error(), File_Error::Reserved_Name);
    EXPECT_EQ(*Read_File(game.Data_Dir + "/Winners.txt"), "kept");
    // Nor a saved game: known by its start whatever its name, or by a name that would make one.
    const std::string saved = Saved_Game_Text(game), disguised = work + "/x.txt";
    ASSERT_TRUE(Write_File_Atomic(disguised, saved));
    EXPECT_EQ(Export_Journal(game, disguised).Error(), File_Error::Reserved_Name);
    EXPECT_EQ(*Read_File(disguised), saved);
    EXPECT_EQ(Export_Journal(game, work + "/new.BQG").Error(), File_Error::Reserved_Name);
    EXPECT_FALSE(std::filesystem::exists(work + "/new.BQG"));
    // A file that only begins like one, and an earlier export, are written over.
    ASSERT_TRUE(Write_File_Atomic(disguised, saved.substr(0, saved.find("\r\n", 200))));
    EXPECT_TRUE(Export_Journal(game, disguised));
    EXPECT_TRUE(Export_Journal(game, path));

    Game_History& h = *game.History;
    h.Journal.clear();
    h.Journal.push_back({12, Trader::You, "Sell", "AAPL", 10, 50, 900.0, 1000});
    h.Journal.push_back({12, Trader::You, "Lapse", "IBM", 2, 0.1, -2100.0, 1000});
    h.Journal.push_back({12, Trader::Computer, "Sell", "AAPL", 10, 50, 99999.0, 1000});
    const History_Summary s = Summarize(game);
    EXPECT_EQ(s.Best_Trade, "Best trade: Sell 10 AAPL in turn 12: $900");
    EXPECT_EQ(s.Worst_Trade, "Worst trade: Lapse 2 IBM in turn 12: -$2,100");
    EXPECT_EQ(s.Turns_Played, "Turns played: 13");
    EXPECT_NE(s.Against_The_Index.find("bought and held, the market index would have made it $"), std::string::npos);
    std::filesystem::remove_all(game.Data_Dir);
    std::filesystem::remove_all(work);
}
