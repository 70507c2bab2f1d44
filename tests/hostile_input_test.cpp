// Input no player means: garbage and absurd numbers typed into every command and box, and
// saved files cut short, flipped or stuffed. Each is refused (or read by the game's own number
// rule) and leaves a game that keeps every invariant; nothing aborts.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/driver.h"
#include "cli/invariants.h"
#include "engine/flows/new_game.h"
#include "engine/model/numbers.h"
#include "engine/flows/turn.h"
#include "engine/flows/game_end.h"
#include "engine/scoring/scoring.h"
#include "engine/storage/cipher.h"
#include "engine/storage/file_io.h"
#include "engine/flows/game_files.h"
#include "engine/storage/saved_game.h"
#include "engine/storage/winners_file.h"
#include "test_support.h"

namespace {

// A game with shorts and options, a holding of each kind and cheats on, and its saved file.
const std::string Setup_Script =
    "new short=1 options=1\nend 12\nbuy AAPL 10\nshort ADBE 10\noption buy call AMD 100 30 5\ncheat on\n";

struct Console_Reply {
    std::vector<std::string> lines;  // what the console answered the hostile line, but a reason
    std::string reason;              // the reason line after a refused trade, if any
    bool unchanged = false;          // the whole state is as it was before it
    std::vector<std::string> broken;
    Game before, after;  // the game just before and after the hostile line
};

// Watches every invariant and keeps the games around the command after the first `state`.
struct Hostile_Watch : Invariant_Watch {
    int states = 0;
    Game before, after;
    void After_Command(const std::string& line, const Game& was, const Game& is) override {
        Invariant_Watch::After_Command(line, was, is);
        if (line == "state") ++states;
        else if (states == 1) before = was, after = is;
    }
};

Console_Reply Reply_To(const std::string& line, const std::string& dir) {
    std::istringstream in(Setup_Script + "state\n" + line + "\nstate\n");
    std::ostringstream out;
    Hostile_Watch watch;
    EXPECT_EQ(Run_Console(in, out, 11, dir, &watch), 0);
    const std::vector<std::string> lines = Split_Lines(out.str());
    std::vector<std::size_t> states;
    for (std::size_t k = 0; k < lines.size(); ++k)
        if (lines[k].rfind("{\"", 0) == 0) states.push_back(k);
    Console_Reply reply;
    reply.broken = watch.broken;
    reply.before = watch.before;
    reply.after = watch.after;
    if (states.size() != 2) return reply;
    reply.lines.assign(lines.begin() + states[0] + 1, lines.begin() + states[1]);
    // A refusal's reason follows it on a line of its own.
    if (reply.lines.size() == 2 && reply.lines[0] == "refused" && reply.lines[1].rfind("reason: ", 0) == 0) {
        reply.reason = reply.lines[1];
        reply.lines.pop_back();
    }
    reply.unchanged = lines[states[0]] == lines[states[1]];
    return reply;
}

// The setup's game, saved by the console; the text of the file.
std::string Saved_Setup(const std::string& dir) {
    const std::string file = dir + "/setup.bqg";
    std::istringstream in(Setup_Script + "end 1\nsave " + file + "\nquit\n");
    std::ostringstream out;
    EXPECT_EQ(Run_Console(in, out, 11, dir), 0);
    const File_Result<std::string> content = Read_File(file);
    return content ? *content : "";
}

// A loaded game keeps every invariant, and through a turn too.
void Expect_Playable(Game game, const std::string& what) {
    std::vector<std::string> broken = Turn_Invariants(game);
    EXPECT_TRUE(broken.empty()) << what << ": " << broken.front();
    Random rnd(1);
    Recording_Screens screens;
    Play_Turn(game, rnd, screens);
    broken = Turn_Invariants(game);
    EXPECT_TRUE(broken.empty()) << what << " after a turn: " << broken.front();
}

}  // namespace

// Every command with garbage, NUL bytes, a line of a million characters, and numbers that are
// huge, negative, fractional, in exponent form or not ASCII: an error or a refusal that changes
// nothing, or (for a cheat) the leading number the game's rule reads. The plainer mistakes are
// the golden transcripts'.
TEST(Hostile_Input, ConsoleCommandsRefuseWhatTheyCannotTake) {
    const std::string dir = Fresh_Dir("hostile_console");
    const std::string nul("\0", 1), huge(20, '9'), endless(1000000, '9');
    const std::pair<std::string, std::string> cases[] = {
        {"\x01\x02\x7f garbage", "error: unknown command"},
        {nul + nul + nul, "error: unknown command"},
        {"buy AAPL 5" + nul, "error: the quantity box"},
        {"buy AAPL " + endless, "refused"},
        {"buy AAPL 0.5", "refused"},
        {"buy AAPL \xef\xbc\x95", "error: the quantity box"},
        {"buy \xc3\x84PL 5", "error: unknown symbol"},
        {"sell AAPL .", "ok"},  // sells nothing, as a box with "." does
        {"short AAPL 0.0001", "ok"},  // no shares, as a box with 0.0001 does
        {"short AAPL " + endless, "refused"},
        {"cover AAPL 5", "refused"},
        {"option buy call AAPL 100 30 1e3", "error: the quantity box"},
        {"option buy call AAPL -10 30 5", "error: expected a whole strike"},
        {"option buy call AAPL 100.5 30 5", "error: expected a whole strike"},
        {"option buy call AAPL 999999999999 30 5", "refused"},
        {"option buy call AAPL 100 " + huge + " 5", "error: expected a whole strike"},
        {"option buy call AAPL 100 30 0.001", "ok"},  // contracts may be fractional
        {"cheat cash " + huge, "refused"},
        {"cheat cash " + endless, "refused"},
        {"cheat cash nan", "refused"},
        {"cheat computer-cash inf", "refused"},
        {"cheat computer-cash 0.4", "ok"},
        {"cheat cash 1e300", "ok"},  // the leading number: 1
        {"cheat trend " + huge, "refused"},
        {"end " + huge, "error: expected a whole number"},
        {"end 1.5", "error: expected a whole number"},
        {"new goal=" + huge, "error: out of range"},
        {"state " + nul, "error: state takes no arguments"},
        {"load " + dir, "window Bullquest: Error: Either"},
        {"load " + dir + "/" + std::string(5000, 'x'), "window Bullquest: Error: Either"},
    };
    for (const auto& [line, answer] : cases) {
        const std::string shown = line.substr(0, 60);
        const Console_Reply reply = Reply_To(line, dir);
        ASSERT_EQ(reply.lines.size(), 1u) << shown;
        EXPECT_EQ(reply.lines[0].rfind(answer, 0), 0u) << shown << " -> " << reply.lines[0];
        EXPECT_TRUE(answer == "ok" || reply.unchanged) << shown;
        EXPECT_TRUE(reply.broken.empty()) << shown << ": " << reply.broken.front();
    }
    std::filesystem::remove_all(dir);
}

// The trade commands type into the quantity boxes any text those take (digits, points and
// blanks): refused and nothing changes, or the leading number is traded (its whole part for
// shares; options take fractions).
TEST(Hostile_Input, QuantityBoxesTradeOnlyTheLeadingNumber) {
    const std::string dir = Fresh_Dir("hostile_boxes");
    const std::string texts[] = {"",     " ",   ".",         "..",  "1.2.3", " 7 ", "1 000", "0.0001", "2.9",
                                 "00000000000000000000003", "99999999999999999999", std::string(10000, '9'), ". 5"};
    const std::string trades[] = {"buy AAPL ",  "sell AAPL ", "short ADBE ", "cover ADBE ",
                                  "option buy call AMD 100 30 ", "option sell call AMD 100 30 "};
    for (const std::string& text : texts) {
        for (int kind = 0; kind < 6; ++kind) {
            const std::string what = trades[kind] + "\"" + text.substr(0, 20) + "\"";
            const Console_Reply reply = Reply_To(trades[kind] + text, dir);
            ASSERT_EQ(reply.lines.size(), 1u) << what;
            auto held = [&](const Game& game) {
                if (kind < 4) return kind < 2 ? game.Player_Stock[0].Shares : game.Player_Short[1].Shares;
                return game.Player_Option_Count > 0 ? game.Player_Option[0].Quantity : 0;
            };
            if (reply.lines[0] == "ok") {
                const double typed = Leading_Number(text), traded = kind >= 4 ? typed : Int(typed);
                EXPECT_EQ(held(reply.after), held(reply.before) + (kind % 2 == 0 ? traded : -traded)) << what;
            } else {
                EXPECT_EQ(reply.lines[0], "refused") << what;
                EXPECT_TRUE(reply.unchanged) << what;
            }
            EXPECT_TRUE(reply.broken.empty()) << what << ": " << reply.broken.front();
        }
    }
    std::filesystem::remove_all(dir);
}

// A name of 10,000 characters with commas, quotes, control characters and multi-byte letters
// enters the winners circle as at most 40 characters, and the file reads back the same.
TEST(Hostile_Input, AnEndlessNameEntersTheWinnersCircleCleaned) {
    const std::string dir = Fresh_Dir("hostile_name");
    std::string name;
    while (name.size() < 10000) name += "\"Max\", \r\n\x01 Pr\xc3\xb6" "fit,,\"";
    Game game = Blank_Game(dir);
    ASSERT_TRUE(Loaded_Game(game, Saved_Setup(dir)));
    game = *Loaded_Game(game, Saved_Setup(dir));
    game.Cheats_Enabled = false;
    game.Net_Worth = Shown_Number::Read("1000000000");  // past the goal of $100 Million
    game.Name_Text = name;
    Random rnd(2);
    Recording_Screens screens;
    End_Game(game, rnd, screens, Goal_Winner(game));
    const std::string kept = "\"Max\",  Pr\xc3\xb6" "fit,,\"\"Max\",  Pr\xc3\xb6" "fit,,\"\"Max\",";
    const int level = Result_Level(game.Setup);
    EXPECT_EQ(game.High_Scores[level][0].Player_Name, kept);
    Game read = Blank_Game(dir);
    EXPECT_TRUE(Read_Winners(read));
    EXPECT_EQ(read.High_Scores[level][0].Player_Name, kept);
    std::filesystem::remove_all(dir);
}

// A saved file cut at every byte, with bytes flipped, with share codes of another cipher or
// number, with enormous fields, or with values no game reaches: each is refused as damage, or
// (where the damage leaves a file the game could have written) loads a game that plays on.
TEST(Hostile_Input, DamagedSavedFilesAreRefusedOrPlayOn) {
    const std::string dir = Fresh_Dir("hostile_files");
    const std::string good = Saved_Setup(dir);
    const Game base = Blank_Game(dir);
    ASSERT_TRUE(Loaded_Game(base, good));
    const std::string whole = Saved_Game_Text(*Loaded_Game(base, good));

    // A cut just before the record of the race leaves a file as older versions wrote it: the
    // game whole, its record begun anew at its turn.
    const std::size_t record = whole.find("\"History\"");
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const std::optional<Game> loaded = Loaded_Game(base, good.substr(0, cut));
        // Only the last line's end may go: fields are read regardless of line breaks.
        if (loaded) {
            const std::string text = Saved_Game_Text(*loaded);
            if (cut > record) {
                EXPECT_EQ(text, whole) << "cut at " << cut;
            }
            EXPECT_EQ(text.substr(0, record), whole.substr(0, record)) << "cut at " << cut;
        }
    }
    int flips_loaded = 0;
    for (std::size_t at = 0; at < good.size(); at += 29) {
        for (unsigned char bits : {0x01, 0x10, 0x80}) {
            std::string flipped = good;
            flipped[at] = static_cast<char>(flipped[at] ^ bits);
            if (std::optional<Game> loaded = Loaded_Game(base, flipped)) {
                ++flips_loaded;
                if (flips_loaded % 20 == 0) {
                    Expect_Playable(*loaded, "flip at " + std::to_string(at));
                } else {
                    EXPECT_TRUE(Turn_Invariants(*loaded).empty()) << "flip at " << at;
                }
            }
        }
    }
    EXPECT_GT(flips_loaded, 0);  // flips within earnings figures, for one, leave a sound file

    std::vector<std::string> lines = Split_Lines(good, "\r\n");
    const std::size_t aapl_holding = 3, settings = 42 * 105, turn_line = settings + 1, index_history = settings + 3;
    const std::size_t option_count = index_history + 100;
    auto with = [&](std::size_t line, const std::string& record) {
        std::vector<std::string> copy = lines;
        copy[line] = record;
        std::string text;
        for (const auto& l : copy) text += l + "\r\n";
        return text;
    };
    const std::string avg = lines[aapl_holding].substr(lines[aapl_holding].rfind(','));
    const Game sound = *Loaded_Game(base, good);
    // The record of the turn, cash and net worths with one of its four texts replaced.
    auto money = [&](std::size_t field, const std::string& value) {
        std::string texts[] = {sound.Turn_Number.Text(), sound.Cash_On_Hand.Text(), sound.Net_Worth.Text(), sound.C_Portfolio.Net_Worth.Text()};
        texts[field] = value;
        std::string record;
        for (const std::string& t : texts) record += "\"" + t + "\",";
        return with(turn_line, record + std::to_string(sound.Market_Trend));
    };
    const std::pair<std::string, std::string> damaged[] = {
        {"share code of a word", with(aapl_holding, "1,\"" + Encode_Field("abc") + "\"" + avg)},
        {"share code of a negative count", with(aapl_holding, "1,\"" + Encode_Field("-5") + "\"" + avg)},
        {"share code in exponent form", with(aapl_holding, "1,\"" + Encode_Field(" 1e5") + "\"" + avg)},
        {"share code past the bound", with(aapl_holding, "1,\"" + Encode_Field(" 9999999999999") + "\"" + avg)},
        {"share code not ciphered", with(aapl_holding, "1,\" 10\"" + avg)},
        {"share code of control bytes", with(aapl_holding, "1,\"\x01\x02\x7f\"" + avg)},
        {"a price of a million digits", with(2, "\"" + std::string(1000000, '7') + "\",\"0(0%)\",0,1")},
        {"a line of ten million commas", with(1, std::string(10000000, ','))},
        {"a line of quotes", with(1, std::string(100000, '"'))},
        {"weight 3", with(2, lines[2].substr(0, lines[2].rfind(',')) + ",3")},
        {"weight 2^31", with(2, lines[2].substr(0, lines[2].rfind(',')) + ",2147483648")},
        {"turn 0", money(0, "0")},
        {"turn past the calendar", money(0, "2147483647")},
        {"cash nan", money(1, "nan")},
        {"cash inf", money(1, "inf")},
        {"cash in exponent form", money(1, "1e+05")},
        {"net worth without its separators", money(2, "1000000")},
        {"index history past 32 bits", with(index_history + 50, "2147483648")},
        {"option quantity past its bound", with(option_count + 1, "30,1,200000000000,100,5,\"Call\"")},
        {"option quantity 0", with(option_count + 1, "30,1,0,100,5,\"Call\"")},
        {"option on stock 42", with(option_count + 1, "30,1,5,100,42,\"Call\"")},
        {"option kind", with(option_count + 1, "30,1,5,100,5,\"call\"")},
        {"option count 192", with(option_count, "192")},
        {"holding marker", with(aapl_holding, "0")},
        {"number for a text", with(2, lines[2].substr(lines[2].find(',') + 1) + ",1")},
        {"text for a number", with(1, "\"7\"")},
        {"price not a number", with(2, "\"abc\",\"0(0%)\",0,1")},
        {"Integer beyond 16 bits", with(2, "\"40\",\"0(0%)\",32768,1")},
        {"Byte beyond 255", with(5, "256")},
        {"a record after the end", good + "1\r\n"},
    };
    // The records rebuilt as they were load: each refusal above is the damage's own.
    ASSERT_TRUE(Loaded_Game(base, money(1, sound.Cash_On_Hand.Text())));
    ASSERT_TRUE(Loaded_Game(base, with(aapl_holding, lines[aapl_holding])));
    // What a real game can hold loads: any free option entry, money below zero.
    EXPECT_TRUE(Loaded_Game(base, with(option_count + 2, "-9,-1,-7,0,99,\"junk\"")));
    for (const auto& [field, value] : {std::pair{1, "-50"}, std::pair{2, "-1,000"}, std::pair{3, "-7"}})
        EXPECT_TRUE(Loaded_Game(base, money(field, value))) << value;
    for (const auto& [what, text] : damaged) EXPECT_FALSE(Loaded_Game(base, text)) << what;
    std::filesystem::remove_all(dir);
}
