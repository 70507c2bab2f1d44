#include <gtest/gtest.h>

#include "engine/flows/challenge.h"
#include "engine/flows/game_files.h"
#include "engine/flows/player_input.h"
#include "engine/flows/statistics.h"
#include "engine/flows/startup.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/statistics_file.h"
#include "test_support.h"

namespace {
// A program that has read its data folder `dir`.
Game Started(const std::string& dir, Recording_Screens& screens) {
    Game game;
    EXPECT_TRUE(Start_Up(game, screens, dir));
    game.Today = "2025-06-01";
    return game;
}

Statistics Stored(const std::string& dir) {
    File_Result<Statistics> s = Read_Statistics(Blank_Game(dir));
    EXPECT_TRUE(s);
    return s ? *s : Statistics{};
}
}  // namespace

TEST(Statistics, EachEndOfAGameIsCounted) {
    const std::string dir = Fresh_Dir("statistics_count");
    Recording_Screens screens;
    Game game = Started(dir, screens);
    Random rnd(8);
    Deal_New_Game(game, rnd, screens);
    game.Setup.Short = 1;  // one option on: Intermediate, level 2
    for (int t = 0; t < 4; ++t) Play_Turn(game, rnd, screens);
    EXPECT_FALSE(std::filesystem::exists(Statistics_Path(game))) << "no file is written every turn";
    game.Turn_Number.Set(40);
    Count_Game_End(game, screens, Winner::Player, 300e6, 100e6, 300, false);
    game.Turn_Number.Set(30);
    Count_Game_End(game, screens, Winner::Player, 250e6, 200e6, 100, false);
    game.Cheats_Enabled = true;  // a cheat's win counts, but sets no best
    game.Turn_Number.Set(5);
    Count_Game_End(game, screens, Winner::Player, 900e6, 1e6, 90000, false);
    game.Cheats_Enabled = false;
    Count_Game_End(game, screens, Winner::Computer, 1e6, 100e6, 0, false);
    const Level_Statistics l = Stored(dir).Levels[2];
    EXPECT_EQ(l.Won, 3);
    EXPECT_EQ(l.Lost, 1);
    EXPECT_EQ(Finished_Games(l), 4);
    EXPECT_EQ(l.Best_Score, 300);
    EXPECT_DOUBLE_EQ(l.Best_Multiple, 3);
    EXPECT_EQ(l.Fewest_Turns, 30);
    EXPECT_EQ(Stored(dir).Turns_Played, 4);
    EXPECT_EQ(Stored(dir).Levels[0], Level_Statistics{});

    // New Game leaves the game: its turns are counted then, and a challenge in play ends as left.
    ASSERT_TRUE(Start_Challenge(game, rnd, screens, Make_Code(3, game.Setup)));
    for (int t = 0; t < 3; ++t) Play_Input(game, rnd, screens, Player_Input::End_Turn());
    Deal_New_Game(game, rnd, screens);
    const Statistics s = Stored(dir);
    EXPECT_EQ(s.Turns_Played, 7);
    ASSERT_EQ(s.Results.size(), 1u);
    EXPECT_EQ(s.Results[0], (Challenge_Result{Code_Text(Make_Code(3, game.Setup)), "2025-06-01", "left", 0, 4, false}));
    // The program's end counts the turns still uncounted.
    Play_Turn(game, rnd, screens);
    EXPECT_EQ(Current_Statistics(game)->Turns_Played, 8);
    Count_Turns_Played(game, screens);
    EXPECT_EQ(Stored(dir).Turns_Played, 8);
    EXPECT_FALSE(screens.Logged("message"));
}

TEST(Statistics, AnotherCopysGamesAreKeptAndOnlyTheLastResultsStay) {
    const std::string dir = Fresh_Dir("statistics_copies");
    Recording_Screens screens;
    Game one = Started(dir, screens), two = Started(dir, screens);
    Random rnd(4);
    for (int k = 0; k < 101; ++k) {
        Game& game = k % 2 ? one : two;
        ASSERT_TRUE(Start_Challenge(game, rnd, screens, Make_Code(static_cast<std::uint32_t>(k), game.Setup)));
        Play_Input(game, rnd, screens, Player_Input::End_Turn());
    }
    Deal_New_Game(one, rnd, screens);
    Deal_New_Game(two, rnd, screens);
    const Statistics s = Stored(dir);
    EXPECT_EQ(s.Turns_Played, 101);
    ASSERT_EQ(s.Results.size(), Results_Kept);
    EXPECT_EQ(s.Results.front().Code, Code_Text(Make_Code(1, one.Setup)));
    EXPECT_EQ(s.Results.back().Code, Code_Text(Make_Code(100, one.Setup)));
    // What the file holds reads back as itself.
    EXPECT_EQ(*Statistics_From(Statistics_Text(s)), s);
}

TEST(Statistics, ADamagedFileIsRefusedAndKept) {
    Statistics some;
    some.Levels[1] = {2, 1, 300, 3.5, 44};
    some.Turns_Played = 99;
    some.Results.push_back({"2222-26YV-PZH5", "2025-01-31", "won", 300, 44, false});
    const std::string good = Statistics_Text(some);
    ASSERT_EQ(*Statistics_From(good), some);
    auto with = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::vector<std::string> damaged = {
        "",
        good.substr(0, good.size() / 2),
        good + "\"more\"\r\n",
        with("Bullquest statistics", "Bullquest stats"),
        with("2,1,300,3.5,44", "2,1,300,3.5,44.5"),          // half a turn
        with("2,1,300,3.5,44", "0,0,300,3.5,44"),            // a best without a win
        with("2,1,300", "-2,1,300"),
        with("99,1", "99,2"),                                // a result missing
        with("99,1", "99,101"),
        with("2222-26YV-PZH5", "2222-26YV-PZH6"),            // a mistyped code
        with("2025-01-31", "2025-13-01"),
        with("\"won\"", "\"drawn\""),
        std::string(5000, '9'),
    };
    for (const std::string& content : damaged) {
        const std::string dir = Fresh_Dir("statistics_damaged");
        Recording_Screens screens;
        Game game = Started(dir, screens);
        const std::string path = Statistics_Path(game);
        ASSERT_TRUE(Write_File_Atomic(path, content));
        EXPECT_FALSE(Statistics_From(content)) << content;
        Random rnd(2);
        Deal_New_Game(game, rnd, screens);
        Play_Turn(game, rnd, screens);
        Count_Game_End(game, screens, Winner::Player, 2e8, 1e8, 200, false);
        Deal_New_Game(game, rnd, screens);
        EXPECT_EQ(*Read_File(path), content) << "a damaged file is kept as it is";
        EXPECT_TRUE(screens.Logged("message Error: The statistics file is damaged"));
        EXPECT_FALSE(Current_Statistics(game));
        EXPECT_EQ(game.Turns_Uncounted, 1) << "the turns wait for a file that can be written";
        // Reset asks first, and then empties it whatever it held.
        ASSERT_TRUE(Reset_Statistics(game, screens));
        EXPECT_TRUE(screens.Logged("confirm Reset Statistics..."));
        EXPECT_EQ(*Current_Statistics(game), Statistics{});
    }
    // Statistics.txt is one of the data folder's own files: no saved game goes over it.
    const std::string dir = Fresh_Dir("statistics_reserved");
    EXPECT_TRUE(Is_Data_File(dir, dir + "/Statistics.txt"));
}
