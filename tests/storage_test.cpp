#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <random>

#include "engine/flows/startup.h"
#include "engine/model/numbers.h"
#include "engine/storage/cipher.h"
#include "engine/storage/recent_file.h"
#include "engine/storage/file_io.h"
#include "engine/storage/records.h"
#include "test_support.h"
#include "engine/storage/winners_file.h"

namespace fs = std::filesystem;

// Whole records, their layout and a field of the wrong type are the saved-file tests'; here,
// the blanks a field may carry and the numbers it may not.
TEST(Records, FieldsTakeBlanksAndRefuseHalfNumbers) {
    Record_Reader spaced("  \"a, b\" ,  7 \r\n 255\r\n");
    EXPECT_EQ(spaced.Text(), "a, b");
    EXPECT_EQ(spaced.Integer_Number(), 7);
    EXPECT_EQ(spaced.Byte_Number(), 255);
    EXPECT_TRUE(spaced.At_End());
    EXPECT_FALSE(Record_Reader("12x").Number());
    EXPECT_FALSE(Record_Reader("\"open").Text());
    for (const char* bad : {"0x10", "inf", "nan", "1e400", "1.2.3", "1e"}) EXPECT_FALSE(Record_Reader(bad).Number()) << bad;
    EXPECT_FALSE(Record_Reader("1e39").Single_Number());
}

TEST(Records, NumbersKeepEveryDigitTheyCarry) {
    Record_Writer w;
    w.Money(Currency{9223372036854775807LL}).Money(Currency{-12345}).Single_Number(1.0000001f);
    EXPECT_EQ(w.Output(), "922337203685477.5807,-1.2345,1.0000001");
    Record_Reader r(w.Output() + ",1.23455,1.23445,922337203685477.5808");
    EXPECT_EQ(r.Money()->units, 9223372036854775807LL);
    EXPECT_EQ(r.Money()->units, -12345);
    EXPECT_EQ(r.Single_Number(), 1.0000001f);
    EXPECT_EQ(r.Money()->units, 12346);  // halves to the even ten-thousandth
    EXPECT_EQ(r.Money()->units, 12344);
    EXPECT_FALSE(r.Money());
}

// The figures of a long record are read in one pass, not by the general parser; both must give
// what the general rules give: a number as from_chars reads it, and a figure in full only in the
// form Number_Text writes. Random decimals with leading and trailing zeros, up to 20 digits each
// side of the point, which takes both readers past their 15 and 19 digits.
TEST(Records, DecimalsReadInOnePassAsTheGeneralRulesReadThem) {
    std::mt19937_64 rnd(23);
    const auto below = [&rnd](unsigned n) { return static_cast<int>(rnd() % n); };
    const auto digits = [&](int n) {
        std::string d;
        for (int k = 0; k < n; ++k) d += static_cast<char>('0' + (below(3) == 0 ? 0 : below(10)));
        return d;
    };
    int taken_in_full = 0;
    for (int k = 0; k < 200000; ++k) {
        std::string t = below(6) == 0 ? "-" : (below(40) == 0 ? "+" : "");
        t += digits(below(3) == 0 ? below(21) : below(8));
        if (below(2) == 0) t += "." + digits(below(3) == 0 ? below(21) : below(4));
        const std::string_view unsigned_text = std::string_view(t).substr(t[0] == '+' ? 1 : 0);
        std::optional<double> expected;
        double x = 0;
        const auto r = std::from_chars(unsigned_text.data(), unsigned_text.data() + unsigned_text.size(), x);
        if (!t.empty() && r.ec == std::errc() && r.ptr == unsigned_text.data() + unsigned_text.size()) expected = x;
        const bool in_full = expected && Number_Text(*expected) == t;
        taken_in_full += in_full;
        // Alone, and with a field after it, as within a file: the reader takes eight bytes at once.
        for (const std::string& field : {t, t + ",12345678"}) {
            ASSERT_EQ(Record_Reader(field).Number(), expected) << field;
            ASSERT_EQ(Record_Reader(field).Full_Number(), in_full ? expected : std::nullopt) << field;
        }
    }
    EXPECT_GT(taken_in_full, 20000);  // the form the record writes is well represented
}

// The order of the list through saves and loads is the golden transcripts'; here, a list is
// made when there is none, and one of the wrong length is damage.
TEST(RecentFile, CreatedWhenMissingAndDamagedWhenShort) {
    Game game;
    game.Data_Dir = Fresh_Dir("recent");
    game.Recent[0] = "stale";
    ASSERT_TRUE(Read_Recent(game));
    for (const std::string& entry : game.Recent) EXPECT_EQ(entry, "");
    EXPECT_EQ(*Read_File(game.Data_Dir + "/Recent.txt"), "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n");
    Add_Recent(game, "B.bqg");
    Add_Recent(game, "b.bqg");  // case counts
    EXPECT_EQ(game.Recent[1], "B.bqg");
    ASSERT_TRUE(Write_File_Atomic(game.Data_Dir + "/Recent.txt", "\"one\"\r\n\"two\"\r\n"));
    EXPECT_EQ(Read_Recent(game).Error(), File_Error::Damaged);
}

// Entries written and read back are the golden transcripts' (which decipher the file); here,
// a circle is made when there is none, and a file of the wrong shape is damage.
TEST(WinnersFile, CreatedWhenMissingAndDamagedWhenShort) {
    Game game;
    game.Data_Dir = Fresh_Dir("winners");
    game.High_Scores[1][2].Player_Name = "left over";
    ASSERT_TRUE(Read_Winners(game));
    EXPECT_EQ(game.High_Scores[1][2].Player_Name, "");
    EXPECT_EQ(game.High_Scores[3][0].Handicap_Text, "0");
    ASSERT_TRUE(fs::exists(Winners_Path(game)));

    Game again;
    again.Data_Dir = game.Data_Dir;
    ASSERT_TRUE(Write_File_Atomic(Winners_Path(game), "\"" + Encode_Field("x") + "\"\r\n"));
    EXPECT_EQ(Read_Winners(again).Error(), File_Error::Damaged);
}

// The marker of a first start: the help's contents on the first start only.
TEST(FirstRun, TheHelpOpensOnTheFirstStartOnly) {
    const std::string dir = Fresh_Dir("first_start");
    Recording_Screens first, second;
    Game a, b;
    ASSERT_TRUE(Start_Up(a, first, dir));
    ASSERT_TRUE(Start_Up(b, second, dir));
    EXPECT_EQ(std::count(first.log.begin(), first.log.end(), "help 1"), 1);
    EXPECT_EQ(std::count(second.log.begin(), second.log.end(), "help 1"), 0);
}
