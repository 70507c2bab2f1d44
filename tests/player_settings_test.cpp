// The player's settings of look and sound: stored beside the guide's, read back, kept when
// another copy of the game changes others, and a damaged file left as it is.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/guide/guide_book.h"
#include "engine/storage/file_io.h"
#include "engine/storage/player_settings.h"
#include "engine/storage/settings_file.h"
#include "test_support.h"

namespace {
Player_Settings Everything_Changed() {
    Player_Settings s;
    s.Theme = Theme_Choice::Dark;
    s.Change_Arrows = true;
    s.Safe_Colours = true;
    s.Refusal_Sound = false;
    s.Language = Language_Choice::German;
    return s;
}
}  // namespace

TEST(PlayerSettings, StoredReadBackAndKeptBesideOtherCopiesAndTheGuide) {
    const std::string dir = Fresh_Dir("player_settings");
    ASSERT_TRUE(Read_Player_Settings(dir));
    EXPECT_EQ(*Read_Player_Settings(dir), Player_Settings{});  // no file: the defaults
    EXPECT_FALSE(std::filesystem::exists(Settings_Path(dir)));

    Guide_Book book = Open_Guide_Book(dir);
    ASSERT_TRUE(Turn_Guide(book, false));
    Player_Settings mine;
    ASSERT_TRUE(Change_Player_Settings(dir, mine, [](Player_Settings& s) { s = Everything_Changed(); }));
    EXPECT_EQ(mine, Everything_Changed());
    EXPECT_EQ(*Read_Player_Settings(dir), Everything_Changed());
    EXPECT_FALSE(Open_Guide_Book(dir).On);  // the guide's record kept, in its place
    EXPECT_EQ(Read_Settings(dir)->front(), (Setting{"Guide", "off"}));

    // Two copies of the game: each stores only what it changed, and learns what the other did.
    Player_Settings other = *Read_Player_Settings(dir);
    ASSERT_TRUE(Change_Player_Settings(dir, mine, [](Player_Settings& s) { s.Theme = Theme_Choice::Light; }));
    ASSERT_TRUE(Change_Player_Settings(dir, other, [](Player_Settings& s) { s.Change_Arrows = false; }));
    EXPECT_EQ(other.Theme, Theme_Choice::Light);
    EXPECT_FALSE(other.Change_Arrows);
    const Player_Settings now = *Read_Player_Settings(dir);
    EXPECT_EQ(now.Theme, Theme_Choice::Light);
    EXPECT_FALSE(now.Change_Arrows);
    EXPECT_TRUE(now.Safe_Colours);

    // Back to the defaults, which are stored too; a setting of a later version stays.
    ASSERT_TRUE(Change_Settings(dir, [](Setting_List& list) { Set_Setting(list, "Font Size", "large"); }));
    ASSERT_TRUE(Change_Player_Settings(dir, mine, [](Player_Settings& s) { s = Player_Settings{}; }));
    EXPECT_EQ(*Read_Player_Settings(dir), Player_Settings{});
    EXPECT_EQ(Setting_Value(*Read_Settings(dir), "Font Size"), "large");
}

TEST(PlayerSettings, UnknownValuesAreTheDefaults) {
    const std::string dir = Fresh_Dir("player_settings_unknown");
    ASSERT_TRUE(Write_File_Atomic(Settings_Path(dir),
                                  "\"Theme\",\"purple\"\r\n\"Change Arrows\",\"yes\"\r\n\"Refusal Sound\",\"off\"\r\n"
                                  "\"Language\",\"fr\"\r\n\"Colour-Blind-Safe Colours\",\"on\"\r\n"));
    Player_Settings expected;
    expected.Refusal_Sound = false;
    expected.Safe_Colours = true;
    EXPECT_EQ(*Read_Player_Settings(dir), expected);
}

TEST(PlayerSettings, ADamagedOrUnreadableFileIsRefusedAndKept) {
    namespace fs = std::filesystem;
    for (const std::string text : {"\"Theme\",\"dark\"\r\n\"Language\"\r\n", "Theme,dark\r\n", "\"Theme\",\"dark"}) {
        const std::string dir = Fresh_Dir("player_settings_damaged");
        ASSERT_TRUE(Write_File_Atomic(Settings_Path(dir), text));
        const File_Result<Player_Settings> read = Read_Player_Settings(dir);
        ASSERT_FALSE(read) << text;
        EXPECT_EQ(read.Error(), File_Error::Damaged) << text;
        // Played with the defaults; a change is refused, held in memory, and the file untouched.
        Player_Settings settings;
        const File_Result<> changed =
            Change_Player_Settings(dir, settings, [](Player_Settings& s) { s.Change_Arrows = true; });
        ASSERT_FALSE(changed) << text;
        EXPECT_EQ(changed.Error(), File_Error::Damaged) << text;
        EXPECT_TRUE(settings.Change_Arrows) << text;
        EXPECT_EQ(*Read_File(Settings_Path(dir)), text);
    }
    const std::string dir = Fresh_Dir("player_settings_folder");
    fs::create_directory(Settings_Path(dir));
    EXPECT_FALSE(Read_Player_Settings(dir));
    Player_Settings settings;
    EXPECT_FALSE(Change_Player_Settings(dir, settings, [](Player_Settings& s) { s.Theme = Theme_Choice::Dark; }));
    EXPECT_TRUE(fs::is_directory(Settings_Path(dir)));
}
