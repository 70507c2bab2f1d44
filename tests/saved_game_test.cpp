#include <gtest/gtest.h>

#include "cli/state_json.h"
#include "engine/opponent/computer_portfolio.h"
#include "engine/storage/cipher.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {
const std::string Damaged = "Error: Either the file does not exist or it is damadged.";

// A game with something unusual in every stored field.
Game Busy_Game() {
    Game g = Dealt_Game(11, 25);
    g.Player_Stock[3] = {150, 42};
    g.Player_Short[5] = {2500, 77};
    g.Player_Stock[6] = {0.5, 9};
    g.Player_Option_Count = 2;
    g.Player_Option[0] = {"Call", 4, 60, 40, 3.37f, 12};
    g.Player_Option[1] = {"Put", 41, 200, 50, 0.05f, 5000};
    g.Computer_Stock[1] = {123456, 51};
    g.Computer_Short[2] = {700, 33};
    g.Computer_Option[4] = {3, "Call", 60, 44, 2.53};
    g.Setup = {2, 3, 1, 1, g.Setup.Short, g.Setup.Suprise, 8, 2, g.Setup.Earnings_Slider, 0, 0};
    g.Cheats_Enabled = true;
    g.Market_Trend = -5;
    g.Change[7].Set_Text("CRASH!");
    g.Cash_On_Hand.Set(-1234.5);
    g.Net_Worth = Shown_Number::Read("1,234,567");
    g.C_Portfolio.Cash.Set(4321);
    g.Earnings[0].EPS[0] = Currency{-12345};
    // A weight doubled by splits; the index and its history stay the weighted sum.
    g.Index_Weight[9] = 8;
    double index = 0;
    for (int s = 0; s < Stock_Count; ++s) index += g.Price[s].Value() * g.Index_Weight[s];
    g.Price[Index_Entry].Set(index);
    g.Index_History[98] = 2000000000;
    g.Index_History[99] = static_cast<Long>(index);
    g.DJIA_Change = "(-3%)";
    g.Player_Capital_Gains = 999;
    g.Computer_Capital_Gains = -999;
    // Between turns the computer's net worth is the one its window computed.
    Value_Computer_Portfolio(g);
    return g;
}

// What a load over `target` should give back of `saved`: everything but the fields a
// saved game does not hold.
Game Expected_After_Load(Game saved, const Game& target) {
    saved.Player_Capital_Gains = target.Player_Capital_Gains;
    saved.Computer_Capital_Gains = target.Computer_Capital_Gains;
    saved.News_Items = target.News_Items;
    saved.Earnings_News = target.Earnings_News;
    saved.Game_File_Name = target.Game_File_Name;
    for (int s = 0; s < Stock_Count; ++s) {
        // A -1 record clears the shares and leaves the old price behind.
        for (auto table : {&Game::Player_Stock, &Game::Player_Short, &Game::Computer_Stock, &Game::Computer_Short})
            if ((saved.*table)[s].Shares == 0) (saved.*table)[s].Avg_Price = (target.*table)[s].Avg_Price;
        if (saved.Computer_Option[s].Contracts == 0) saved.Computer_Option[s] = target.Computer_Option[s];
    }
    return saved;
}
}  // namespace

TEST(SavedGame, BusyGameComesBackWhole) {
    Game saved = Busy_Game();
    Game target = Dealt_Game(99, 3);
    target.Player_Capital_Gains = 5;
    target.Computer_Capital_Gains = 6;
    target.Player_Stock[10] = {500, 20};  // held before the load, not in the file
    const std::string text = Saved_Game_Text(saved);

    Game loaded = *Loaded_Game(target, text);
    Game expected = Expected_After_Load(saved, target);
    EXPECT_EQ(State_Json(loaded), State_Json(expected));
    // What the console state leaves out: the settings and the free option entry come back
    // through the text below; these the load derives.
    EXPECT_TRUE(loaded.Game_Timer_Enabled && loaded.Cheats_Enabled);
    EXPECT_EQ(loaded.DJIA_Change_Colour, Colour::Red);
    // Writer and reader agree to the last character.
    EXPECT_EQ(Saved_Game_Text(loaded), text);
}

TEST(SavedGame, FileLayoutOfASmallGame) {
    Game g = Blank_Game();
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price[s].Set(40);
        g.Index_Weight[s] = 1;
    }
    g.Player_Stock[0] = {150, 30};
    g.Player_Short[1] = {-20, 12};  // no game holds it, but the writer keeps the sign
    g.Net_Worth = Shown_Number::Read("5,000");
    g.Setup = {2, 3, 1, 1, 0, 0, 7, 3, 5, 0, 1};
    const std::vector<std::string> lines = Split_Lines(Saved_Game_Text(g), "\r\n");
    const std::size_t blocks = 42 * 105;
    ASSERT_EQ(lines.size(), blocks + 3 + 100 + 1 + 1 + 1 + 42 * 3);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "-1"), 42 * 5 - 2);
    EXPECT_EQ(lines[2], "\"40\",\"0(0%)\",0,1");
    EXPECT_EQ(lines[3], "1,\"" + Encode_Field(" 150") + "\",30");
    EXPECT_EQ(lines[105 + 3], "-1");
    EXPECT_EQ(lines[105 + 4], "1,\"" + Encode_Field("-20") + "\",12");
    EXPECT_EQ(lines[blocks], "7,3,1,2,1,3,0,1");
    EXPECT_EQ(lines[blocks + 1], "\"1\",\"5000\",\"5,000\",\"5,000\",0");
    EXPECT_EQ(lines[blocks + 2], "#FALSE#,\"0\",\"(0%)\"");
    EXPECT_EQ(lines[blocks + 3 + 100], "0");
    EXPECT_EQ(lines[blocks + 4 + 100], "0,0,0,0,0,\"\"");  // the free entry, even with no options
    EXPECT_EQ(lines[blocks + 5 + 100], "\"5000\"");
    // Loaded, the file must also hold what a game between turns holds.
    EXPECT_FALSE(Loaded_Game(g, Saved_Game_Text(g)));
    g.Player_Short[1] = {20, 12};
    for (int s = 0; s < Stock_Count; ++s) {
        g.Price_History[s][99] = 40;
        g.Earnings[s].Report_Turn = 2;
    }
    g.Price[Index_Entry].Set(1680);
    g.Index_History[99] = 1680;
    EXPECT_TRUE(Loaded_Game(g, Saved_Game_Text(g)));
}

// A full disk, a read-only file and the data folder's own files are the file-safety tests'.
TEST(SavedGame, SaveAsksOnlyWithoutAName) {
    const std::string dir = Fresh_Dir("save");
    Game game = Dealt_Game(5, 2);
    game.Data_Dir = dir;
    Recording_Screens screens;
    screens.file_answer = dir + "/one.bqg";
    Save_Game(game, screens);
    EXPECT_EQ(screens.log, std::vector<std::string>{"save-dialog"});
    EXPECT_EQ(game.Game_File_Name + "|" + game.Recent[0], dir + "/one.bqg|" + dir + "/one.bqg");
    EXPECT_EQ(*Read_File(dir + "/one.bqg"), Saved_Game_Text(game));

    screens.log.clear();
    Save_Game(game, screens);
    EXPECT_TRUE(screens.log.empty());
    screens.file_answer = dir + "/two.bqg";
    Save_As(game, screens);
    EXPECT_EQ(screens.log, std::vector<std::string>{"save-dialog"});
    EXPECT_EQ(game.Game_File_Name, dir + "/two.bqg");

    screens.log.clear();
    screens.file_answer.reset();  // cancelled: still tied to two.bqg
    Save_As(game, screens);
    EXPECT_EQ(game.Game_File_Name, dir + "/two.bqg");
    EXPECT_EQ(screens.log, std::vector<std::string>{"save-dialog"});
    fs::remove_all(dir);
}

// A click on a recent entry whose file has gone is refused and the entry stays listed (the
// main window test loads one that is there).
TEST(SavedGame, ARecentEntryWhoseFileHasGoneStaysListed) {
    const std::string dir = Fresh_Dir("recent");
    Game game = Dealt_Game(8, 1);
    game.Data_Dir = dir;
    Recording_Screens screens;
    screens.file_answer = dir + "/gone.bqg";
    ASSERT_TRUE(Save_As(game, screens));
    fs::remove(dir + "/gone.bqg");
    Game other = Dealt_Game(9, 4);
    other.Data_Dir = dir;
    other.Recent = game.Recent;
    screens.log.clear();
    const std::string before = State_Json(other);
    Load_Recent(other, screens, 0);
    EXPECT_EQ(screens.log, (std::vector<std::string>{"beep", "message " + Damaged}));
    EXPECT_EQ(other.Recent[0], dir + "/gone.bqg");
    EXPECT_EQ(State_Json(other), before);
    fs::remove_all(dir);
}
