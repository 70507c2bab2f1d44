#include <gtest/gtest.h>

#include "engine/flows/challenge.h"
#include "engine/flows/game_files.h"
#include "engine/flows/player_input.h"
#include "engine/flows/verify_result.h"
#include "engine/storage/file_io.h"
#include "engine/storage/result_file.h"
#include "engine/storage/saved_game.h"
#include "test_support.h"

namespace {
Challenge_Code Code_Of(std::uint32_t seed, int goal = 0, int options = 1) {
    Settings s;
    s.Play_To = goal;
    s.Short = 1;
    s.Options = options;
    s.Suprise = 1;
    return Make_Code(seed, s);
}

struct Challenge_Game {
    Game game = Blank_Game();
    Random rnd{12345};
    Recording_Screens screens;
    explicit Challenge_Game(const Challenge_Code& code) { EXPECT_TRUE(Start_Challenge(game, rnd, screens, code)); }
    Input_Result Play(const Player_Input& input) { return Play_Input(game, rnd, screens, input); }
    // One of everything the record keeps, then `turns` turns.
    void Play_A_Bit(int turns) {
        Play(Player_Input::Trade(Player_Input::Kind::Buy, 0, Read_Quantity("10")));
        Play(Player_Input::Trade(Player_Input::Kind::Sell, 1, Read_Quantity("5")));  // refused: none held
        Play(Player_Input::Set_Alerts(false, std::nullopt));
        Play(Player_Input::Set_Alerts(false, std::nullopt));  // changes nothing: not recorded
        for (int t = 0; t < turns; ++t) Play(Player_Input::End_Turn());
    }
};

// Plays until the game in play ends; the challenge is then the last one.
void Play_To_The_End(Challenge_Game& c) {
    for (int t = 0; t < 5000 && c.game.Challenge; ++t) c.Play(Player_Input::End_Turn());
    ASSERT_FALSE(c.game.Challenge) << "the challenge did not end";
}
}  // namespace

TEST(Challenge_Code, ReadsBackAndRefusesEveryMistype) {
    for (std::uint32_t seed : {0u, 1u, 77u, 4294967295u}) {
        for (int goal = 0; goal < 4; ++goal) {
            const Challenge_Code code = Code_Of(seed, goal, goal % 2);
            const std::string text = Code_Text(code);
            ASSERT_EQ(text.size(), 14u);
            EXPECT_EQ(Read_Code(text).Code, code);
            std::string lower;
            for (char ch : text) lower += ch == '-' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            EXPECT_EQ(Read_Code(" " + lower + " ").Code, code) << "case and blanks are ignored";
            const std::string alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
            for (std::size_t k = 0; k < text.size(); ++k) {
                if (text[k] == '-') continue;
                for (char other : alphabet) {
                    if (other == text[k]) continue;
                    std::string typo = text;
                    typo[k] = other;
                    EXPECT_EQ(Read_Code(typo).Problem, Code_Problem::Mistyped) << typo;
                }
                const std::size_t next = k + 1 < text.size() && text[k + 1] == '-' ? k + 2 : k + 1;
                if (next < text.size() && text[next] != text[k]) {
                    std::string swapped = text;
                    std::swap(swapped[k], swapped[next]);
                    EXPECT_EQ(Read_Code(swapped).Problem, Code_Problem::Mistyped) << swapped;
                }
            }
        }
    }
    EXPECT_EQ(Read_Code("").Problem, Code_Problem::Length);
    EXPECT_EQ(Read_Code("2222-2222-222").Problem, Code_Problem::Length);
    EXPECT_EQ(Read_Code("2222-2222-22222").Problem, Code_Problem::Length);
    EXPECT_EQ(Read_Code("O222-2222-2222").Problem, Code_Problem::Character);
    EXPECT_FALSE(Code_Problem_Text(Code_Problem::Mistyped).empty());
}

TEST(Challenge, DealsTheSameGameWhateverCameBefore) {
    const Challenge_Code code = Code_Of(99);
    Challenge_Game first(code);
    // A second program that had played a game of its own first; the alert boxes are the
    // player's, and the record starts with them.
    Challenge_Game second(Code_Of(5));
    second.Play_A_Bit(30);
    second.Play(Player_Input::Set_Alerts(true, std::nullopt));
    ASSERT_TRUE(Start_Challenge(second.game, second.rnd, second.screens, code));
    EXPECT_EQ(second.game.Last_Challenge->Claim.End, Challenge_End::Left);
    first.Play_A_Bit(20);
    second.Play_A_Bit(20);
    ASSERT_EQ(first.game.Challenge->Entries, second.game.Challenge->Entries);
    EXPECT_EQ(Saved_Game_Text(first.game), Saved_Game_Text(second.game));
    // Three recorded inputs and the turns: the alert box set twice to the same value once.
    EXPECT_EQ(first.game.Challenge->Entries.size(), 23u);
    EXPECT_FALSE(first.game.Challenge->Entries[1].Done);
}

TEST(Challenge, SavedLoadedAndFinishedItVerifies) {
    const std::string dir = Fresh_Dir("challenge_save");
    Challenge_Game c(Code_Of(2024, 1, 0));
    c.game.Data_Dir = dir;
    c.Play_A_Bit(40);
    // Gains or losses that a save does not keep among the game's own records, taxed at turn 100
    // after the load; and cheats, one of them cancelled.
    c.Play(Player_Input::Trade(Player_Input::Kind::Sell, 0, Read_Quantity("5")));
    Player_Input enable;
    enable.What = Player_Input::Kind::Enable_Cheats;
    c.Play(enable);
    c.Play(Player_Input::Set_Cheat(Cheat::Computer_Cash, "1234.5"));
    c.Play(Player_Input::Set_Cheat(Cheat::Market_Trend, std::nullopt));
    for (int t = 0; t < 20; ++t) c.Play(Player_Input::End_Turn());
    ASSERT_TRUE(c.game.Challenge);
    ASSERT_NE(c.game.Player_Capital_Gains, 0);
    const std::string in_play = Result_Text(c.game);
    EXPECT_TRUE(Verify_Result(in_play).Verified) << Verify_Result(in_play).Text;

    const std::string file = dir + "/challenge.bqg";
    ASSERT_TRUE(Write_Game_File(c.game, file));
    // Another program, whose generator stands elsewhere, loads it and plays it to its end.
    Challenge_Game other(Code_Of(7));
    other.game.Data_Dir = dir;  // its Recent.txt too stays out of the working folder
    other.Play(Player_Input::End_Turn());
    ASSERT_TRUE(Load_Game_From(other.game, other.screens, file));
    ASSERT_TRUE(other.game.Challenge);
    EXPECT_EQ(other.game.Challenge->Entries, c.game.Challenge->Entries);
    Play_To_The_End(other);
    const Verify_Report report = Verify_Result(Result_Text(other.game));
    EXPECT_TRUE(report.Verified) << report.Text;
    EXPECT_NE(report.Text.find(" score "), std::string::npos);
    EXPECT_NE(report.Text.find("CHEATER!"), std::string::npos);
    // The result file on the disk says the same; a saved game is never written over.
    ASSERT_TRUE(Export_Result(other.game, dir + "/result.bqr"));
    EXPECT_TRUE(Verify_Result_File(dir + "/result.bqr").Verified);
    EXPECT_EQ(Export_Result(other.game, file).Error(), File_Error::Reserved_Name);
    EXPECT_EQ(Export_Result(Blank_Game(), dir + "/none.bqr").Error(), File_Error::Missing);
}

TEST(Challenge, ASavedChallengeThatWasChangedIsRefused) {
    Challenge_Game c(Code_Of(31));
    c.Play_A_Bit(3);
    const std::string text = Saved_Game_Text(c.game);
    const std::optional<Game> loaded = Loaded_Game(Blank_Game(), text);
    ASSERT_TRUE(loaded && loaded->Challenge);
    EXPECT_EQ(Saved_Game_Text(*loaded), text);
    // The cash of the game no longer the one its record left.
    std::string changed = text;
    const std::string cash = "\"" + c.game.Cash_On_Hand.Text() + "\"";
    changed.replace(changed.find(cash), cash.size(), "\"1\"");
    EXPECT_FALSE(Loaded_Game(Blank_Game(), changed));
    // Without its section the file is an ordinary game, whatever was in play before.
    const std::string plain = text.substr(0, text.find("\"Challenge\""));
    const std::optional<Game> ordinary = Loaded_Game(c.game, plain);
    ASSERT_TRUE(ordinary);
    EXPECT_FALSE(ordinary->Challenge);
}

TEST(Challenge, EveryKindOfTamperingIsCaught) {
    Challenge_Game c(Code_Of(555));
    c.Play(Player_Input::Trade(Player_Input::Kind::Buy, 3, Read_Quantity("10")));
    Option_Form form;
    form.Stock = 4;
    Choose_Strike_And_Expiry(c.game, form);
    form.Number = Read_Quantity("2");
    c.Play(Player_Input::Option_Trade(form));
    Play_To_The_End(c);
    const std::string good = Result_Text(c.game);
    ASSERT_TRUE(Verify_Result(good).Verified) << Verify_Result(good).Text;
    const std::vector<std::string> lines = Split_Lines(good, "\r\n");

    auto changed = [&](std::size_t line, const std::string& from, const std::string& to) {
        std::vector<std::string> edited = lines;
        const std::size_t at = edited[line].find(from);
        EXPECT_NE(at, std::string::npos) << edited[line];
        if (at != std::string::npos) edited[line].replace(at, from.size(), to);
        std::string text;
        for (const std::string& l : edited) text += l + "\r\n";
        return Verify_Result(text);
    };
    const std::size_t claim = lines.size() - 2, last = lines.size() - 3;
    const std::string strike = std::to_string(form.Strike);
    for (const Verify_Report& r : {
             changed(2, ",10,", ",11,"),                         // a quantity
             changed(3, "," + strike + ",", ",10,"),             // a strike
             changed(last, "\"End Turn\"", "\"Clock Turn\""),    // a turn by the clock that never ran
             changed(last, ",#TRUE#,\"", ",#FALSE#,\""),          // what an input did
             changed(4, ",\"", ",\"0"),                           // a digest (its first figure)
             changed(claim, "\"Claim\",\"", "\"Claim\",\"left\",\"x"),  // the outcome
             changed(1, Code_Text(c.game.Last_Challenge->Code), Code_Text(Code_Of(556))),  // the code
             changed(1, ",1,1,", ",0,1,"),                        // the alert boxes at the start
             changed(lines.size() - 1, "\",\"", "\",\"0"),         // the check figure
         }) {
        EXPECT_FALSE(r.Verified) << r.Text;
        EXPECT_EQ(r.Text.rfind("not verified: ", 0), 0u) << r.Text;
    }
    EXPECT_NE(changed(2, ",10,", ",11,").Text.find("input 1 (turn 1: buy "), std::string::npos);
    // The score and the net worths of the claim, each.
    const std::vector<std::string> claim_fields = Split_Lines(lines[claim], ",");
    for (std::size_t k = 2; k < 6; ++k) {
        std::vector<std::string> fields = claim_fields;
        fields[k] = fields[k] == "0" ? "100" : "0";
        std::string joined;
        for (const std::string& f : fields) joined += (joined.empty() ? "" : ",") + f;
        EXPECT_FALSE(changed(claim, lines[claim], joined).Verified) << joined;
    }
    // An input taken out or added after the end.
    std::string shorter, longer;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k != 3) shorter += lines[k] + "\r\n";
        if (k == claim) longer += "\"End Turn\",#TRUE#,\"00000000\"\r\n";
        longer += lines[k] + "\r\n";
    }
    EXPECT_FALSE(Verify_Result(shorter).Verified);
    EXPECT_FALSE(Verify_Result(longer).Verified);
    // Cut anywhere, or a byte changed anywhere: refused or departing, never verified.
    for (std::size_t cut = 0; cut < good.size(); cut += 7) EXPECT_FALSE(Verify_Result(good.substr(0, cut)).Verified);
    for (std::size_t at = 0; at < good.size(); at += 5) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x04);
        if (flipped[at] == '\r' || flipped[at] == '\n' || good[at] == '\r' || good[at] == '\n') continue;
        EXPECT_FALSE(Verify_Result(flipped).Verified) << at;
    }
}

TEST(Challenge, AHostileResultFileIsRefused) {
    for (const std::string& text : {
             std::string(),
             std::string("\"Bullquest result\",1\r\n"),
             std::string("\"Bullquest result\",1\r\n\"2222-2222-2222\",1,1,\"00000000\",0,0\r\n"),
             // A count of inputs far beyond what any challenge keeps.
             std::string("\"Bullquest result\",1\r\n\"" + Code_Text(Code_Of(1)) + "\",1,1,\"00000000\",1e300,0\r\n"),
             // Draws that would hold the replay up for hours.
             std::string("\"Bullquest result\",1\r\n\"" + Code_Text(Code_Of(1)) + "\",1,1,\"00000000\",0,99999999999\r\n"),
             std::string(1000, '"'),
         }) {
        const Verify_Report r = Verify_Result(text);
        EXPECT_FALSE(r.Verified);
        EXPECT_EQ(r.Text.rfind("not verified: the file is refused: ", 0), 0u) << r.Text;
    }
    EXPECT_FALSE(Verify_Result_File("/nonexistent/result.bqr").Verified);
}

TEST(Challenge, TheClockAndTheSetupWindowsCodePlayAlike) {
    // A timed challenge whose turns the clock ends verifies, a tick by tick record of them.
    Settings timed;
    timed.Time_Limit = 1;
    const Challenge_Code code = Make_Code(4711, timed);
    Challenge_Game c(code);
    ASSERT_TRUE(c.game.Game_Timer_Enabled);
    for (int tick = 0; tick < 29 * 12; ++tick) Play_Clock(c.game, c.rnd, c.screens);
    c.Play(Player_Input::End_Turn());
    ASSERT_EQ(c.game.Challenge->Entries.size(), 13u);
    EXPECT_EQ(c.game.Challenge->Entries[0].Move, Challenge_Move::Clock_Turn);
    const Verify_Report report = Verify_Result(Result_Text(c.game));
    EXPECT_TRUE(report.Verified) << report.Text;
    EXPECT_NE(report.Text.find(" turn 14 "), std::string::npos) << report.Text;

    // The setup window's "Challenge code" box deals the same game as Game > Challenge...
    struct Code_Box : Recording_Screens {
        std::optional<Challenge_Code> typed;
        std::optional<Challenge_Code> Setup_Challenge(const Game&) override { return typed; }
    } box;
    box.typed = code;
    Game game = Blank_Game();
    Random rnd(1);
    Deal_New_Game(game, rnd, box);
    ASSERT_TRUE(game.Challenge);
    Challenge_Game fresh(code);
    EXPECT_EQ(Saved_Game_Text(game), Saved_Game_Text(fresh.game));
    EXPECT_EQ(game.Challenge->Start_Digest, fresh.game.Challenge->Start_Digest);
}
